// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadpicturelists.h"

#include "signpainter.h"

#include <QPainterPath>

#include <array>

// Dashboard warning lamps: each symbol lit in its usual colour on a dark instrument panel,
// drawn in pixels on a 104 × 88 picture.
namespace {

using P = SignPainter;

const QColor Panel(24, 26, 30);
const QColor Bezel(70, 72, 78);
const QColor LampRed(238, 40, 36);
const QColor LampAmber(255, 168, 0);

constexpr QSize Lamp(104, 88);

void panel(SignPainter &sp)
{
    QPainterPath rim;
    rim.addRoundedRect(QRectF(0.5, 0.5, Lamp.width() - 1, Lamp.height() - 1), 12, 12);
    sp.fill(rim, Bezel);
    QPainterPath face;
    face.addRoundedRect(QRectF(3.5, 3.5, Lamp.width() - 7, Lamp.height() - 7), 10, 10);
    sp.fill(face, Panel);
}

void disc(SignPainter &sp, QPointF centre, qreal radius, const QColor &colour)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    sp.fill(path, colour);
}

void oilPressure(SignPainter &sp)
{
    panel(sp);
    QPainterPath can;
    can.addRoundedRect(QRectF(26, 40, 42, 20), 3, 3);
    can.addRect(QRectF(38, 34, 10, 7));
    can.addRect(QRectF(34, 31, 18, 4));
    sp.fill(can, LampRed);
    // The spout rises to the right; a drop falls from its tip.
    sp.fillPolygon({{66, 42}, {86, 33}, {88, 36}, {68, 52}}, LampRed);
    QPainterPath handle;
    handle.moveTo(27, 44);
    handle.lineTo(16, 40);
    handle.lineTo(18, 54);
    handle.lineTo(27, 56);
    sp.stroke(handle, 3.2, LampRed, Qt::RoundCap, Qt::RoundJoin);
    QPainterPath drop;
    drop.moveTo(87, 41);
    drop.cubicTo(88, 45, 92, 49, 90, 53);
    drop.cubicTo(88, 56, 84, 55, 84, 51);
    drop.cubicTo(84, 48, 86, 45, 87, 41);
    sp.fill(drop, LampRed);
}

void charging(SignPainter &sp)
{
    panel(sp);
    QPainterPath battery;
    battery.addRoundedRect(QRectF(22, 32, 60, 34), 3, 3);
    battery.addRect(QRectF(30, 25, 11, 8));
    battery.addRect(QRectF(63, 25, 11, 8));
    sp.fill(battery, LampRed);
    sp.fillPolygon({{29, 47}, {43, 47}, {43, 51}, {29, 51}}, Panel);
    sp.fillPolygon({{61, 47}, {75, 47}, {75, 51}, {61, 51}}, Panel);
    sp.fillPolygon({{66, 42}, {70, 42}, {70, 56}, {66, 56}}, Panel);
}

void coolantTemperature(SignPainter &sp)
{
    panel(sp);
    QPainterPath stem;
    stem.addRoundedRect(QRectF(47, 14, 8, 42), 4, 4);
    sp.fill(stem, LampRed);
    disc(sp, {51, 58}, 8, LampRed);
    QPainterPath ticks;
    for (qreal y : {22.0, 31.0, 40.0}) {
        ticks.moveTo(56, y);
        ticks.lineTo(66, y);
    }
    sp.stroke(ticks, 3, LampRed);
    for (qreal y : {68.0, 76.0}) {
        QPainterPath wave;
        wave.moveTo(20, y);
        for (int i = 0; i < 4; ++i) {
            const qreal x = 20 + i * 16;
            wave.cubicTo(x + 5, y - 5, x + 11, y + 5, x + 16, y);
        }
        sp.stroke(wave, 3, LampRed, Qt::RoundCap);
    }
}

// A ring with short arcs on either side, the way brake lamps are drawn.
void brakeRing(SignPainter &sp, const QColor &colour)
{
    const QPointF c(52, 44);
    QPainterPath ring;
    ring.addEllipse(c, 20, 20);
    sp.stroke(ring, 4.5, colour);
    QPainterPath arcs;
    const QRectF outer(c.x() - 30, c.y() - 30, 60, 60);
    arcs.arcMoveTo(outer, 140);
    arcs.arcTo(outer, 140, 80);
    arcs.arcMoveTo(outer, -40);
    arcs.arcTo(outer, -40, 80);
    sp.stroke(arcs, 4.5, colour, Qt::RoundCap);
}

void brakeSystem(SignPainter &sp)
{
    panel(sp);
    brakeRing(sp, LampRed);
    sp.fill(P::roundedPolygon({{48.5, 31}, {55.5, 31}, {54.5, 49}, {49.5, 49}}, 1.5), LampRed);
    disc(sp, {52, 55}, 3.5, LampRed);
}

void antilockBrakes(SignPainter &sp)
{
    panel(sp);
    brakeRing(sp, LampAmber);
    sp.text(QStringLiteral("ABS"), P::numberFont(), QRectF(37, 37, 30, 14), LampAmber);
}

// A person seated facing left, as on the seat-belt and airbag lamps.
void seatedPerson(SignPainter &sp, const QColor &colour)
{
    disc(sp, {56, 20}, 7, colour);
    sp.limb({{58, 32}, {60, 56}}, 13, colour);
    sp.limb({{58, 58}, {38, 60}, {36, 76}}, 9, colour);
    sp.limb({{56, 34}, {46, 46}, {34, 44}}, 6, colour);
    // The seat behind.
    sp.limb({{72, 24}, {74, 62}, {60, 68}}, 4, colour);
}

void seatBelt(SignPainter &sp)
{
    panel(sp);
    seatedPerson(sp, LampRed);
    // The strap crosses the chest from the shoulder to the buckle at the hip: a lit band
    // set off from the body by a dark gap on each side, so it reads at the picture's size.
    QPainterPath belt;
    belt.moveTo(68, 25);
    belt.lineTo(51, 61);
    sp.stroke(belt, 6.5, Panel);
    sp.stroke(belt, 3, LampRed);
    sp.fillPolygon({{46, 57}, {55, 57}, {55, 66}, {46, 66}}, LampRed);
}

void airbag(SignPainter &sp)
{
    panel(sp);
    {
        // The person sits further right, the inflated bag in front of the chest.
        QPainter &p = sp.painter();
        p.save();
        p.translate(8, 0);
        seatedPerson(sp, LampRed);
        p.restore();
    }
    disc(sp, {27, 30}, 13, LampRed);
    disc(sp, {27, 30}, 8.5, Panel);
}

void lowFuel(SignPainter &sp)
{
    panel(sp);
    QPainterPath pump;
    pump.addRoundedRect(QRectF(30, 22, 28, 50), 3, 3);
    pump.addRect(QRectF(26, 70, 36, 6));
    sp.fill(pump, LampAmber);
    sp.fillPolygon({{35, 28}, {53, 28}, {53, 42}, {35, 42}}, Panel);
    QPainterPath hose;
    hose.moveTo(58, 46);
    hose.lineTo(66, 46);
    hose.lineTo(70, 64);
    hose.cubicTo(71, 70, 78, 70, 78, 63);
    hose.lineTo(76, 34);
    hose.lineTo(70, 26);
    sp.stroke(hose, 3.5, LampAmber, Qt::RoundCap, Qt::RoundJoin);
}

void engineFault(SignPainter &sp)
{
    panel(sp);
    QPainterPath engine;
    engine.addRect(QRectF(30, 34, 42, 30));
    engine.addRect(QRectF(40, 26, 22, 9));
    engine.addRect(QRectF(47, 22, 8, 5));
    engine.addRect(QRectF(22, 42, 9, 16));
    engine.addRect(QRectF(16, 38, 6, 24));
    engine.addRect(QRectF(71, 40, 9, 12));
    engine.addRect(QRectF(79, 32, 6, 28));
    sp.fill(engine, LampAmber);
    sp.fillPolygon({{36, 40}, {66, 40}, {66, 58}, {36, 58}}, Panel);
    sp.fillPolygon({{40, 44}, {62, 44}, {62, 54}, {40, 54}}, LampAmber);
}

const std::array Pictures{
    SignEntry{u"ybd_jiyouyali", u"机油压力报警灯", oilPressure, Lamp},
    SignEntry{u"ybd_chongdian", u"充电指示灯", charging, Lamp},
    SignEntry{u"ybd_lengqueyewendu", u"冷却液温度报警灯", coolantTemperature, Lamp},
    SignEntry{u"ybd_zhidongxitong", u"制动系统报警灯", brakeSystem, Lamp},
    SignEntry{u"ybd_abs", u"防抱死制动系统（ABS）故障指示灯", antilockBrakes, Lamp},
    SignEntry{u"ybd_anquandai", u"安全带未系提示灯", seatBelt, Lamp},
    SignEntry{u"ybd_ranyoubuzu", u"燃油不足指示灯", lowFuel, Lamp},
    SignEntry{u"ybd_fadongjiguzhang", u"发动机故障指示灯", engineFault, Lamp},
    SignEntry{u"ybd_anquanqinang", u"安全气囊故障指示灯", airbag, Lamp},
};

} // namespace

std::span<const SignEntry> dashboardLampPictures()
{
    return Pictures;
}
