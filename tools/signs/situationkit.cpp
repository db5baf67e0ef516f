// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "situationkit.h"

#include <QLineF>
#include <QPainterPath>

#include <algorithm>

namespace situation {

const QColor Grass(118, 168, 92);
const QColor Asphalt(84, 86, 92);
const QColor Paint(246, 246, 246);
const QColor Amber(250, 196, 0);
const QColor OwnCar(222, 28, 36);
const QColor OtherCar(40, 110, 210);
const QColor Truck(150, 154, 160);
const QColor Move(255, 214, 0);

void ground(SignPainter &sp)
{
    // Rounded corners, as the marking pictures have: the white of the picture shows there
    // and everything painted afterwards stays inside.
    QPainterPath scene;
    scene.addRoundedRect(QRectF(0.5, 0.5, Size.width() - 1, Size.height() - 1), 7, 7);
    sp.fill(scene, Grass);
    sp.painter().setClipPath(scene);
}

void road(SignPainter &sp, const QRectF &area)
{
    sp.painter().fillRect(area, Asphalt);
}

void line(SignPainter &sp, QPointF from, QPointF to, qreal width, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    sp.stroke(path, width, colour);
}

void dashed(SignPainter &sp, QPointF from, QPointF to, qreal width, const QColor &colour, qreal dash,
            qreal gap)
{
    const QLineF whole(from, to);
    const qreal length = whole.length();
    for (qreal at = 0; at < length; at += dash + gap) {
        const qreal end = std::min(at + dash, length);
        line(sp, whole.pointAt(at / length), whole.pointAt(end / length), width, colour);
    }
}

void zebra(SignPainter &sp, const QRectF &area)
{
    const bool across = area.width() >= area.height();
    const qreal length = across ? area.width() : area.height();
    for (qreal at = 1.5; at + 3 <= length; at += 6) {
        if (across)
            sp.painter().fillRect(QRectF(area.left() + at, area.top(), 3, area.height()), Paint);
        else
            sp.painter().fillRect(QRectF(area.left(), area.top() + at, area.width(), 3), Paint);
    }
}

namespace {

void placed(SignPainter &sp, QPointF centre, qreal heading, auto &&draw)
{
    QPainter &p = sp.painter();
    p.save();
    p.translate(centre);
    p.rotate(heading);
    draw(p);
    p.restore();
}

} // namespace

void car(SignPainter &sp, QPointF centre, qreal heading, bool own, const QColor &other)
{
    placed(sp, centre, heading, [&](QPainter &p) {
        const QColor body = own ? OwnCar : other;
        QPainterPath outline;
        outline.addRoundedRect(QRectF(-6.5, -11, 13, 22), 3.5, 3.5);
        p.fillPath(outline, body.darker(170));
        QPainterPath shell;
        shell.addRoundedRect(QRectF(-5.5, -10, 11, 20), 3, 3);
        p.fillPath(shell, body);
        // Windscreen at the front, rear window behind the roof.
        p.fillRect(QRectF(-4.5, -6.5, 9, 3.5), QColor(30, 40, 60));
        p.fillRect(QRectF(-4.5, 5, 9, 2.5), QColor(30, 40, 60));
        if (own)
            p.fillRect(QRectF(-1.5, -3, 3, 8), Paint);
    });
}

void lorry(SignPainter &sp, QPointF centre, qreal heading, const QColor &colour)
{
    placed(sp, centre, heading, [&](QPainter &p) {
        p.fillRect(QRectF(-7.5, -17, 15, 34), colour.darker(170));
        p.fillRect(QRectF(-6.5, -16, 13, 8), colour.darker(120));
        p.fillRect(QRectF(-5.5, -15, 11, 3), QColor(30, 40, 60));
        p.fillRect(QRectF(-6.5, -7, 13, 23), colour);
    });
}

void move(SignPainter &sp, const QPainterPath &path)
{
    sp.arrow(path, 6, 8, 13, QColor(60, 50, 0));
    // The inner arrow is shorter so that the dark rim shows round its head as well.
    QPainterPath inner = path;
    sp.arrow(inner, 3.2, 6, 9, Move);
}

void signal(SignPainter &sp, QPointF centre, Light lit)
{
    QPainter &p = sp.painter();
    const QRectF box(centre.x() - 5, centre.y() - 13, 10, 26);
    p.fillRect(box, QColor(24, 24, 26));
    const QColor off(70, 70, 74);
    const QColor colours[] = {QColor(240, 30, 30), QColor(255, 190, 0), QColor(0, 210, 120)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath lamp;
        lamp.addEllipse(QPointF(centre.x(), centre.y() - 8 + 8 * i), 3.3, 3.3);
        p.fillPath(lamp, i == static_cast<int>(lit) ? colours[i] : off);
    }
}

void person(SignPainter &sp, QPointF centre)
{
    QPainterPath shoulders;
    shoulders.addEllipse(centre, 4.5, 2.8);
    sp.fill(shoulders, QColor(250, 120, 0));
    QPainterPath head;
    head.addEllipse(centre, 2.2, 2.2);
    sp.fill(head, QColor(40, 30, 20));
}

void twoWayRoad(SignPainter &sp, qreal left, qreal right, bool solidCentre)
{
    road(sp, QRectF(left, 0, right - left, Size.height()));
    const qreal mid = (left + right) / 2;
    if (solidCentre)
        line(sp, {mid, 0}, {mid, qreal(Size.height())}, 1.6, Amber);
    else
        dashed(sp, {mid, 0}, {mid, qreal(Size.height())}, 1.6, Amber);
    line(sp, {left + 1.5, 0}, {left + 1.5, qreal(Size.height())}, 1, Paint);
    line(sp, {right - 1.5, 0}, {right - 1.5, qreal(Size.height())}, 1, Paint);
}

void crossroads(SignPainter &sp, bool crossings)
{
    const qreal w = Size.width();
    const qreal h = Size.height();
    road(sp, QRectF(38, 0, 44, h));
    road(sp, QRectF(0, 33, w, 38));
    // Centre lines stop short of the junction box.
    line(sp, {60, 0}, {60, 22}, 1.6, Amber);
    line(sp, {60, 82}, {60, h}, 1.6, Amber);
    line(sp, {0, 52}, {27, 52}, 1.6, Amber);
    line(sp, {93, 52}, {w, 52}, 1.6, Amber);
    // Stop lines across each arm's approach half.
    line(sp, {61, 82}, {82, 82}, 1.6, Paint);
    line(sp, {38, 22}, {59, 22}, 1.6, Paint);
    line(sp, {93, 33}, {93, 51}, 1.6, Paint);
    line(sp, {27, 53}, {27, 71}, 1.6, Paint);
    if (crossings) {
        zebra(sp, QRectF(38, 73, 44, 7));
        zebra(sp, QRectF(38, 24, 44, 7));
        zebra(sp, QRectF(84, 33, 7, 38));
        zebra(sp, QRectF(29, 33, 7, 38));
    }
}

QPainterPath path(std::initializer_list<QPointF> points)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    return p;
}

QPainterPath curve(QPointF from, QPointF control, QPointF to)
{
    QPainterPath p;
    p.moveTo(from);
    p.quadTo(control, to);
    return p;
}

} // namespace situation
