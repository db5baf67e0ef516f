// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signpainter.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <initializer_list>

// A small kit for road-situation pictures: roads seen from above on grass, lane lines,
// cars, movement arrows, signal heads and people, all in pixels of a 120 × 105 picture.
// The trainee's car is always the same red with a white roof stripe; every other vehicle
// is blue or grey, so the trainee's car reads at a glance even at the picture's size.
namespace situation {

inline constexpr QSize Size(120, 105);

extern const QColor Grass;
extern const QColor Asphalt;
extern const QColor Paint;
extern const QColor Amber;
extern const QColor OwnCar;
extern const QColor OtherCar;
extern const QColor Truck;
extern const QColor Move;

enum class Light { Red, Yellow, Green };

// A broken line through the points, and a curve from one point to another bending towards
// control: the paths of movement arrows.
[[nodiscard]] QPainterPath path(std::initializer_list<QPointF> points);
[[nodiscard]] QPainterPath curve(QPointF from, QPointF control, QPointF to);

// Fills the picture with grass and keeps what follows inside its rounded outline.
void ground(SignPainter &sp);
void road(SignPainter &sp, const QRectF &area);
void line(SignPainter &sp, QPointF from, QPointF to, qreal width, const QColor &colour);
void dashed(SignPainter &sp, QPointF from, QPointF to, qreal width, const QColor &colour,
            qreal dash = 7, qreal gap = 5);
// A zebra crossing over area; the stripes run along the traffic, so across area's long side.
void zebra(SignPainter &sp, const QRectF &area);
// A car seen from above, centred on centre and heading the given way (0 = up the picture,
// 90 = to the right). The trainee's car is drawn with own set.
void car(SignPainter &sp, QPointF centre, qreal heading, bool own, const QColor &other = OtherCar);
// A longer vehicle (lorry, bus) seen from above.
void lorry(SignPainter &sp, QPointF centre, qreal heading, const QColor &colour = Truck);
// A movement arrow along path, drawn in the movement colour with a dark rim so that it
// shows on road and grass alike.
void move(SignPainter &sp, const QPainterPath &path);
// A signal head seen from above a corner: a dark box with one lit lamp.
void signal(SignPainter &sp, QPointF centre, Light lit);
// A walker seen from above: head and shoulders.
void person(SignPainter &sp, QPointF centre);
// A crossroads: a two-way road up the picture (x 38–82) and one across (y 33–71),
// yellow centre lines, stop lines and, with crossings set, zebra crossings on each arm.
void crossroads(SignPainter &sp, bool crossings);
// A two-way road up the picture from x left to right with a centre line.
void twoWayRoad(SignPainter &sp, qreal left, qreal right, bool solidCentre);

} // namespace situation
