// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadpicturelists.h"

#include "signpainter.h"

#include <QPainterPath>

#include <array>
#include <cmath>

// Traffic signal lights, seen from the driver's seat, drawn in pixels. A lamp that is off
// is dark grey; a lit lamp is its colour. Lamps that show a symbol (arrow, cross, bicycle,
// person) light the symbol and leave the rest of the lens dark.
namespace {

using P = SignPainter;

const QColor Housing(26, 26, 28);
const QColor Pole(96, 98, 102);
const QColor Off(62, 62, 66);
const QColor LitRed(236, 32, 32);
const QColor LitYellow(255, 184, 0);
const QColor LitGreen(0, 206, 120);

constexpr QSize Bar(120, 84);
constexpr QSize Tall(120, 97);

enum class Lamp { Red, Yellow, Green };

QColor lit(Lamp lamp)
{
    switch (lamp) {
    case Lamp::Red:
        return LitRed;
    case Lamp::Yellow:
        return LitYellow;
    case Lamp::Green:
        return LitGreen;
    }
    return Off;
}

void disc(SignPainter &sp, QPointF centre, qreal radius, const QColor &colour)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    sp.fill(path, colour);
}

// A horizontal housing hanging from an arm, with three lamp centres at y 47.
constexpr std::array<qreal, 3> LampX{22, 60, 98};
constexpr qreal LampY = 47;
constexpr qreal LampRadius = 16;

void threeLampHousing(SignPainter &sp)
{
    sp.fillPolygon({{54, 0}, {66, 0}, {66, 16}, {54, 16}}, Pole);
    QPainterPath box;
    box.addRoundedRect(QRectF(1, 16, 118, 62), 9, 9);
    sp.fill(box, Housing);
    for (qreal x : LampX)
        disc(sp, {x, LampY}, LampRadius + 2.5, QColor(44, 44, 48));
}

// Round lamps red, yellow, green from left to right; the one given is lit.
void roundLamps(SignPainter &sp, Lamp on)
{
    threeLampHousing(sp);
    for (int i = 0; i < 3; ++i) {
        const bool isOn = int(on) == i;
        disc(sp, {LampX[i], LampY}, LampRadius, isOn ? lit(on) : Off);
        if (isOn)
            disc(sp, {LampX[i] - 5, LampY - 5}, 4, lit(on).lighter(135));
    }
}

void redLight(SignPainter &sp)
{
    roundLamps(sp, Lamp::Red);
}

void yellowLight(SignPainter &sp)
{
    roundLamps(sp, Lamp::Yellow);
}

void greenLight(SignPainter &sp)
{
    roundLamps(sp, Lamp::Green);
}

// An arrow inside a lens centred on c, pointing left (or right when mirrored).
void lensArrow(SignPainter &sp, QPointF c, bool right, const QColor &colour)
{
    const qreal s = right ? -1 : 1;
    QPainterPath shaft;
    shaft.moveTo(c.x() + s * 11, c.y());
    shaft.lineTo(c.x() - s * 1, c.y());
    sp.arrow(shaft, 6, 11, 17, colour);
}

void arrowLamps(SignPainter &sp, bool right, Lamp on)
{
    threeLampHousing(sp);
    for (int i = 0; i < 3; ++i) {
        const QPointF c(LampX[i], LampY);
        disc(sp, c, LampRadius, QColor(34, 34, 36));
        lensArrow(sp, c, right, int(on) == i ? lit(on) : Off);
    }
}

void leftArrowGreen(SignPainter &sp)
{
    arrowLamps(sp, false, Lamp::Green);
}

void rightArrowRed(SignPainter &sp)
{
    arrowLamps(sp, true, Lamp::Red);
}

// The lane lamp over one lane: a red cross on the left, a green arrow pointing down at the
// lane on the right.
void laneLamps(SignPainter &sp, bool green)
{
    sp.fillPolygon({{8, 0}, {112, 0}, {112, 6}, {8, 6}}, Pole);
    QPainterPath box;
    box.addRoundedRect(QRectF(8, 6, 104, 74), 7, 7);
    sp.fill(box, Housing);
    for (qreal x : {14.0, 62.0})
        sp.fillPolygon({{x, 12}, {x + 44, 12}, {x + 44, 74}, {x, 74}}, QColor(34, 34, 36));
    QPainterPath cross;
    cross.moveTo(21, 25);
    cross.lineTo(51, 61);
    cross.moveTo(51, 25);
    cross.lineTo(21, 61);
    sp.stroke(cross, 8, green ? Off : LitRed);
    QPainterPath shaft;
    shaft.moveTo(84, 18);
    shaft.lineTo(84, 50);
    sp.arrow(shaft, 10, 17, 30, green ? LitGreen : Off);
}

void laneGreen(SignPainter &sp)
{
    laneLamps(sp, true);
}

void laneRed(SignPainter &sp)
{
    laneLamps(sp, false);
}

// Short strokes around a lamp that is flashing.
void rays(SignPainter &sp, QPointF c, qreal from, qreal to, const QColor &colour, int count, qreal start,
          qreal sweep)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const qreal a = (start + sweep * i / (count - 1)) * M_PI / 180;
        const QPointF dir(std::cos(a), -std::sin(a));
        path.moveTo(c + dir * from);
        path.lineTo(c + dir * to);
    }
    sp.stroke(path, 3, colour, Qt::RoundCap);
}

void flashingYellow(SignPainter &sp)
{
    sp.fillPolygon({{56, 70}, {64, 70}, {64, 97}, {56, 97}}, Pole);
    QPainterPath box;
    box.addRoundedRect(QRectF(34, 14, 52, 58), 8, 8);
    sp.fill(box, Housing);
    disc(sp, {60, 43}, 21, QColor(44, 44, 48));
    disc(sp, {60, 43}, 18, LitYellow);
    disc(sp, {54, 37}, 4.5, LitYellow.lighter(135));
    rays(sp, {60, 43}, 34, 44, LitYellow, 5, 110, -220);
    rays(sp, {60, 43}, 34, 44, LitYellow, 3, 135, 90);
}

void railwayCrossing(SignPainter &sp)
{
    sp.fillPolygon({{56, 62}, {64, 62}, {64, 97}, {56, 97}}, Pole);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(4, 22, 112, 44), 22, 22);
    sp.fill(plate, Housing);
    for (qreal x : {30.0, 90.0})
        disc(sp, {x, 44}, 19, QColor(44, 44, 48));
    disc(sp, {30, 44}, 16, LitRed);
    disc(sp, {25, 39}, 4, LitRed.lighter(135));
    disc(sp, {90, 44}, 16, Off);
    rays(sp, {30, 44}, 24, 32, LitRed, 3, 120, 60);
    // Which lamp is lit changes all the time: the two take turns.
    QPainterPath swap;
    swap.moveTo(44, 12);
    swap.cubicTo(54, 4, 66, 4, 74, 10);
    sp.arrow(swap, 2.5, 7, 8, P::Black);
    QPainterPath back;
    back.moveTo(76, 78);
    back.cubicTo(66, 86, 54, 86, 46, 80);
    sp.arrow(back, 2.5, 7, 8, P::Black);
}

void bicycle(SignPainter &sp, QPointF c, const QColor &colour)
{
    QPainterPath wheels;
    wheels.addEllipse(c + QPointF(-7, 4), 5.5, 5.5);
    wheels.addEllipse(c + QPointF(7, 4), 5.5, 5.5);
    sp.stroke(wheels, 2, colour);
    QPainterPath frame;
    frame.moveTo(c + QPointF(-7, 4));
    frame.lineTo(c + QPointF(-2, -4));
    frame.lineTo(c + QPointF(5, -4));
    frame.lineTo(c + QPointF(7, 4));
    frame.moveTo(c + QPointF(-2, -4));
    frame.lineTo(c + QPointF(0, 4));
    frame.lineTo(c + QPointF(5, -4));
    frame.moveTo(c + QPointF(-4, -7));
    frame.lineTo(c + QPointF(0, -7));
    frame.moveTo(c + QPointF(5, -4));
    frame.lineTo(c + QPointF(4, -9));
    frame.lineTo(c + QPointF(8, -9));
    sp.stroke(frame, 2, colour, Qt::RoundCap, Qt::RoundJoin);
}

void bicycleLamps(SignPainter &sp)
{
    threeLampHousing(sp);
    for (int i = 0; i < 3; ++i) {
        const QPointF c(LampX[i], LampY);
        disc(sp, c, LampRadius, QColor(34, 34, 36));
        bicycle(sp, c, i == 2 ? LitGreen : Off);
    }
}

void standingPerson(SignPainter &sp, QPointF c, const QColor &colour)
{
    disc(sp, c + QPointF(0, -14), 3.6, colour);
    sp.limb({c + QPointF(0, -8), c + QPointF(0, 3)}, 6.5, colour);
    sp.limb({c + QPointF(-4, -8), c + QPointF(-5, 3)}, 2.6, colour);
    sp.limb({c + QPointF(4, -8), c + QPointF(5, 3)}, 2.6, colour);
    sp.limb({c + QPointF(-1.6, 3), c + QPointF(-1.8, 16)}, 3, colour);
    sp.limb({c + QPointF(1.6, 3), c + QPointF(1.8, 16)}, 3, colour);
}

void pedestrianLamps(SignPainter &sp)
{
    sp.fillPolygon({{54, 0}, {66, 0}, {66, 10}, {54, 10}}, Pole);
    QPainterPath box;
    box.addRoundedRect(QRectF(8, 10, 104, 72), 8, 8);
    sp.fill(box, Housing);
    for (qreal x : {13.0, 63.0})
        sp.fillPolygon({{x, 15}, {x + 44, 15}, {x + 44, 77}, {x, 77}}, QColor(34, 34, 36));
    standingPerson(sp, {35, 46}, Off);
    sp.walker(QTransform::fromTranslate(62, 19).scale(0.52, 0.54), LitGreen);
}

const std::array Pictures{
    SignEntry{u"xhd_jidongche_hong", u"机动车信号灯（红灯亮）", redLight, Bar},
    SignEntry{u"xhd_jidongche_huang", u"机动车信号灯（黄灯亮）", yellowLight, Bar},
    SignEntry{u"xhd_jidongche_lv", u"机动车信号灯（绿灯亮）", greenLight, Bar},
    SignEntry{u"xhd_fangxiang_zuolv", u"方向指示信号灯（左转绿色箭头亮）", leftArrowGreen, Bar},
    SignEntry{u"xhd_fangxiang_youhong", u"方向指示信号灯（右转红色箭头亮）", rightArrowRed, Bar},
    SignEntry{u"xhd_chedao_lv", u"车道信号灯（绿色箭头灯亮）", laneGreen, Bar},
    SignEntry{u"xhd_chedao_hong", u"车道信号灯（红色叉形灯亮）", laneRed, Bar},
    SignEntry{u"xhd_shanguangjinggao", u"闪光警告信号灯", flashingYellow, Tall},
    SignEntry{u"xhd_daokou", u"道口信号灯", railwayCrossing, Tall},
    SignEntry{u"xhd_feijidongche", u"非机动车信号灯（绿灯亮）", bicycleLamps, Bar},
    SignEntry{u"xhd_renxinghengdao", u"人行横道信号灯（绿灯亮）", pedestrianLamps, Bar},
};

} // namespace

std::span<const SignEntry> signalLightPictures()
{
    return Pictures;
}
