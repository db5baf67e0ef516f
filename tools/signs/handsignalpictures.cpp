// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadpicturelists.h"

#include "signpainter.h"

#include <QPainterPath>

#include <array>

// The police hand signals: an officer in uniform, cap and white gloves, facing the driver.
// The officer's right arm is therefore on the picture's left. An arm pointing at the driver
// is drawn short, its glove large and in front; a red arrow shows how an arm swings.
namespace {

using P = SignPainter;

const QColor Skin(238, 198, 160);
const QColor Shirt(146, 182, 222);
const QColor ShirtEdge(80, 110, 150);
const QColor Navy(28, 38, 72);
const QColor Vest(196, 226, 36);
const QColor Stripe(214, 214, 214);
const QColor Glove(255, 255, 255);
const QColor GloveEdge(110, 110, 110);
const QColor Motion(204, 28, 28);

constexpr QSize Figure(120, 104);
constexpr QPointF RightShoulder(48, 34);
constexpr QPointF LeftShoulder(72, 34);

void ellipse(SignPainter &sp, QPointF centre, qreal rx, qreal ry, const QColor &colour, qreal angle = 0)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    sp.fill(QTransform().translate(centre.x(), centre.y()).rotate(angle).map(path), colour);
}

// Head, cap, uniform, belt and legs; the arms come separately.
void body(SignPainter &sp)
{
    sp.limb({{53, 66}, {53, 100}}, 9, Navy);
    sp.limb({{67, 66}, {67, 100}}, 9, Navy);
    sp.fill(P::roundedPolygon({{46, 100}, {58, 100}, {58, 104}, {44, 104}}, 1.5), P::Black);
    sp.fill(P::roundedPolygon({{62, 100}, {74, 100}, {76, 104}, {62, 104}}, 1.5), P::Black);
    sp.fill(P::roundedPolygon({{45, 31}, {75, 31}, {72, 66}, {48, 66}}, 4), Shirt);
    sp.fillPolygon({{49, 33}, {56, 33}, {60, 41}, {64, 33}, {71, 33}, {69, 63}, {51, 63}}, Vest);
    for (qreal y : {46.0, 54.0})
        sp.fillPolygon({{50, y}, {70, y}, {70, y + 3}, {50, y + 3}}, Stripe);
    sp.fillPolygon({{48, 61}, {72, 61}, {72, 65.5}, {48, 65.5}}, Glove);
    sp.fillPolygon({{58, 61.5}, {62, 61.5}, {62, 65}, {58, 65}}, QColor(190, 170, 60));
    sp.limb({{60, 26}, {60, 31}}, 6, Skin);
    ellipse(sp, {60, 21}, 6.5, 7.5, Skin);
    // The peaked cap with its badge.
    sp.fill(P::roundedPolygon({{49, 9}, {71, 9}, {68, 16}, {52, 16}}, 2.5), Navy);
    sp.fillPolygon({{51, 15.5}, {69, 15.5}, {66, 18.5}, {54, 18.5}}, P::Black);
    ellipse(sp, {60, 12}, 2.4, 2.4, QColor(230, 190, 40));
}

// An arm through its joints, sleeve to the wrist.
void arm(SignPainter &sp, std::initializer_list<QPointF> joints)
{
    sp.limb(joints, 8.6, ShirtEdge);
    sp.limb(joints, 7, Shirt);
}

void gloveShape(SignPainter &sp, const QPainterPath &shape)
{
    sp.stroke(shape, 2, GloveEdge, Qt::RoundCap, Qt::RoundJoin);
    sp.fill(shape, Glove);
}

// A gloved hand with its palm towards the driver; large when the arm points at the driver.
void palmFront(SignPainter &sp, QPointF centre, qreal scale = 1)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(centre.x() - 4.5 * scale, centre.y() - 6 * scale, 9 * scale, 12 * scale),
                        3 * scale, 3 * scale);
    QPainterPath thumb;
    thumb.addEllipse(centre + QPointF(-5 * scale, 1.5 * scale), 2 * scale, 3.5 * scale);
    gloveShape(sp, hand.united(thumb));
}

// A flat hand seen on its edge, along angle degrees (0: pointing right, 90: pointing down).
void palmEdge(SignPainter &sp, QPointF centre, qreal angle, qreal length = 6)
{
    QPainterPath hand;
    hand.addEllipse(QPointF(0, 0), length, 2.6);
    gloveShape(sp, QTransform().translate(centre.x(), centre.y()).rotate(angle).map(hand));
}

// A flat hand seen from above or below, along angle degrees.
void palmFlat(SignPainter &sp, QPointF centre, qreal angle)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(-6, -3.6, 12, 7.2), 3, 3);
    gloveShape(sp, QTransform().translate(centre.x(), centre.y()).rotate(angle).map(hand));
}

void swing(SignPainter &sp, std::initializer_list<QPointF> curve)
{
    const QPointF *p = curve.begin();
    QPainterPath path;
    path.moveTo(p[0]);
    if (curve.size() == 3)
        path.quadTo(p[1], p[2]);
    else
        path.lineTo(p[1]);
    sp.arrow(path, 2.2, 7, 8, Motion);
}

void hangingRight(SignPainter &sp)
{
    arm(sp, {RightShoulder, {45, 49}, {44, 61}});
    palmEdge(sp, {44, 66}, 92, 4.5);
}

void hangingLeft(SignPainter &sp)
{
    arm(sp, {LeftShoulder, {75, 49}, {76, 61}});
    palmEdge(sp, {76, 66}, 88, 4.5);
}

void leftArmRaised(SignPainter &sp)
{
    arm(sp, {LeftShoulder, {80, 22}, {86, 13}});
    palmFront(sp, {88, 9});
}

// The right arm held out towards the driver, palm to the front.
void rightArmAtDriverPalmFront(SignPainter &sp)
{
    arm(sp, {RightShoulder, {41, 40}});
    palmFront(sp, {38, 39}, 1.25);
}

void stopSignal(SignPainter &sp)
{
    body(sp);
    hangingRight(sp);
    leftArmRaised(sp);
}

void straightOnSignal(SignPainter &sp)
{
    body(sp);
    arm(sp, {LeftShoulder, {90, 34}, {104, 34}});
    palmFront(sp, {110, 34});
    arm(sp, {RightShoulder, {30, 34}, {16, 34}});
    palmFront(sp, {10, 34});
    swing(sp, {{8, 23}, {18, 14}, {30, 21}});
}

void turnSignal(SignPainter &sp)
{
    body(sp);
    rightArmAtDriverPalmFront(sp);
    arm(sp, {LeftShoulder, {88, 40}, {101, 44}});
    palmEdge(sp, {106, 45}, 100);
    swing(sp, {{108, 57}, {100, 70}, {82, 70}});
}

void leftTurnSignal(SignPainter &sp)
{
    turnSignal(sp);
}

void rightTurnSignal(SignPainter &sp)
{
    // The mirror image: the left arm points at the driver, the right arm swings.
    QPainter &p = sp.painter();
    p.save();
    p.translate(Figure.width(), 0);
    p.scale(-1, 1);
    turnSignal(sp);
    p.restore();
}

void waitToTurnLeftSignal(SignPainter &sp)
{
    body(sp);
    hangingRight(sp);
    arm(sp, {LeftShoulder, {84, 46}, {95, 57}});
    palmFlat(sp, {100, 62}, 45);
    swing(sp, {{108, 46}, {114, 56}, {109, 68}});
}

void changeLaneSignal(SignPainter &sp)
{
    body(sp);
    hangingLeft(sp);
    arm(sp, {RightShoulder, {41, 40}});
    palmEdge(sp, {37, 39}, 90, 7.5);
    swing(sp, {{14, 26}, {34, 26}});
}

void slowDownSignal(SignPainter &sp)
{
    body(sp);
    hangingLeft(sp);
    arm(sp, {RightShoulder, {34, 35}, {22, 36}});
    palmFlat(sp, {16, 36}, 0);
    swing(sp, {{8, 42}, {5, 50}, {10, 58}});
}

void pullOverSignal(SignPainter &sp)
{
    body(sp);
    leftArmRaised(sp);
    arm(sp, {RightShoulder, {43, 44}, {40, 50}});
    palmEdge(sp, {39, 55}, 90, 6.5);
    swing(sp, {{18, 62}, {36, 62}});
}

const std::array Pictures{
    SignEntry{u"ss_tingzhi", u"交通警察手势：停止信号", stopSignal, Figure},
    SignEntry{u"ss_zhixing", u"交通警察手势：直行信号", straightOnSignal, Figure},
    SignEntry{u"ss_zuozhuanwan", u"交通警察手势：左转弯信号", leftTurnSignal, Figure},
    SignEntry{u"ss_zuozhuanwandaizhuan", u"交通警察手势：左转弯待转信号", waitToTurnLeftSignal, Figure},
    SignEntry{u"ss_youzhuanwan", u"交通警察手势：右转弯信号", rightTurnSignal, Figure},
    SignEntry{u"ss_biandao", u"交通警察手势：变道信号", changeLaneSignal, Figure},
    SignEntry{u"ss_jiansumanxing", u"交通警察手势：减速慢行信号", slowDownSignal, Figure},
    SignEntry{u"ss_kaobiantingche", u"交通警察手势：示意车辆靠边停车信号", pullOverSignal, Figure},
};

} // namespace

std::span<const SignEntry> handSignalPictures()
{
    return Pictures;
}
