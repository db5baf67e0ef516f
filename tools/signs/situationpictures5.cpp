// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadpicturelists.h"

#include "situationkit.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>
#include <cmath>

// Road situations between junctions, on expressways, at level crossings and where cars
// park: the trainee's red car comes up the picture unless the situation needs otherwise.
namespace {

using namespace situation;

const QColor Pavement(196, 196, 190);
const QColor Hazard(255, 120, 0);
const QColor RailBed(150, 130, 110);
const QColor Sky(200, 225, 245);

// Hazard lamps at the four corners of a car standing upright at centre.
void hazardLamps(SignPainter &sp, QPointF centre)
{
    for (const qreal dx : {-7.5, 4.5})
        for (const qreal dy : {-12.5, 9.5})
            sp.painter().fillRect(QRectF(centre.x() + dx, centre.y() + dy, 3, 3), Hazard);
}

// A warning triangle standing on the road, seen from behind.
void warningTriangle(SignPainter &sp, QPointF centre)
{
    const QPolygonF outer{{centre.x(), centre.y() - 5}, {centre.x() + 5.5, centre.y() + 4},
                          {centre.x() - 5.5, centre.y() + 4}};
    sp.fillPolygon(outer, QColor(255, 70, 20));
    const QPolygonF inner{{centre.x(), centre.y() - 1.5}, {centre.x() + 2.5, centre.y() + 2.3},
                          {centre.x() - 2.5, centre.y() + 2.3}};
    sp.fillPolygon(inner, Asphalt);
}

// A traffic cone seen from above: an orange disc with a white band.
void cone(SignPainter &sp, QPointF centre)
{
    QPainterPath base;
    base.addEllipse(centre, 3, 3);
    sp.fill(base, QColor(255, 110, 0));
    QPainterPath band;
    band.addEllipse(centre, 1.8, 1.8);
    sp.fill(band, Paint);
    QPainterPath tip;
    tip.addEllipse(centre, 0.9, 0.9);
    sp.fill(tip, QColor(255, 110, 0));
}

// A distance written on the road or the verge, so that the picture says how far it is.
void label(SignPainter &sp, const QString &text, const QRectF &box, const QColor &colour = Paint)
{
    sp.text(text, SignPainter::cjkFont(), box, colour, true, 0.35);
}

// A plate with a short text, as a roadside sign.
void plate(SignPainter &sp, const QRectF &box, const QColor &background, std::initializer_list<QString> rows)
{
    QPainterPath outline;
    outline.addRoundedRect(box, 1.5, 1.5);
    sp.fill(outline, Paint);
    QPainterPath inner;
    inner.addRoundedRect(box.adjusted(1, 1, -1, -1), 1, 1);
    sp.fill(inner, background);
    const qreal rowHeight = (box.height() - 3) / qreal(rows.size());
    qreal top = box.top() + 1.5;
    for (const QString &row : rows) {
        sp.text(row, SignPainter::cjkFont(), QRectF(box.left() + 2, top + 0.5, box.width() - 4, rowHeight - 1),
                Paint, true, 0.3);
        top += rowHeight;
    }
}

// A car seen from the side on a slope; angle tilts it, facing says which way its bonnet points.
void sideCar(SignPainter &sp, QPointF at, qreal angle, const QColor &c, bool facingRight)
{
    QPainter &p = sp.painter();
    p.save();
    p.translate(at);
    p.rotate(angle);
    if (!facingRight)
        p.scale(-1, 1);
    p.fillRect(QRectF(-12, -10, 24, 7), c);
    p.fillRect(QRectF(-8, -15, 12, 6), c);
    p.fillRect(QRectF(-6, -14, 9, 4), QColor(200, 220, 240));
    p.fillRect(QRectF(10, -9, 2, 2), QColor(255, 240, 160));
    QPainterPath wheels;
    wheels.addEllipse(QPointF(-7, -2.5), 3, 3);
    wheels.addEllipse(QPointF(7, -2.5), 3, 3);
    p.fillPath(wheels, QColor(20, 20, 20));
    p.restore();
}

// A lorry seen from the side, its cab on the right.
void sideLorry(SignPainter &sp, QPointF at, qreal angle)
{
    QPainter &p = sp.painter();
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.fillRect(QRectF(-18, -19, 26, 15), Truck);
    p.fillRect(QRectF(9, -15, 9, 11), Truck.darker(130));
    p.fillRect(QRectF(12, -14, 5, 5), QColor(200, 220, 240));
    QPainterPath wheels;
    wheels.addEllipse(QPointF(-12, -3), 3.5, 3.5);
    wheels.addEllipse(QPointF(12, -3), 3.5, 3.5);
    p.fillPath(wheels, QColor(20, 20, 20));
    p.restore();
}

// A bicycle and its rider seen from above, drawn large enough to read at the picture's size.
void cyclist(SignPainter &sp, QPointF centre)
{
    QPainter &p = sp.painter();
    p.fillRect(QRectF(centre.x() - 1.2, centre.y() - 11, 2.4, 22), QColor(20, 20, 20));
    p.fillRect(QRectF(centre.x() - 5, centre.y() - 7, 10, 1.6), QColor(20, 20, 20));
    QPainterPath shoulders;
    shoulders.addEllipse(centre, 6, 3.6);
    sp.fill(shoulders, QColor(250, 120, 0));
    QPainterPath head;
    head.addEllipse(centre, 2.8, 2.8);
    sp.fill(head, QColor(40, 30, 20));
}

// A motor tricycle seen from above: a small cab, the rider and an open cargo box.
void tricycle(SignPainter &sp, QPointF centre)
{
    QPainter &p = sp.painter();
    p.fillRect(QRectF(centre.x() - 7, centre.y() - 1, 14, 14), QColor(50, 110, 50));
    p.fillRect(QRectF(centre.x() - 5.5, centre.y() + 0.5, 11, 11), QColor(150, 190, 110));
    p.fillRect(QRectF(centre.x() - 4, centre.y() - 12, 8, 11), QColor(50, 110, 50));
    p.fillRect(QRectF(centre.x() - 3, centre.y() - 13, 6, 2), QColor(20, 20, 20));
    person(sp, {centre.x(), centre.y() - 5});
}

// An ambulance seen from above: white with a blue light bar and a green cross.
void ambulance(SignPainter &sp, QPointF centre)
{
    QPainter &p = sp.painter();
    p.save();
    p.translate(centre);
    p.fillRect(QRectF(-7.5, -15, 15, 30), QColor(60, 60, 64));
    p.fillRect(QRectF(-6.5, -14, 13, 28), QColor(250, 250, 250));
    p.fillRect(QRectF(-5.5, -10, 11, 3), QColor(30, 40, 60));
    p.fillRect(QRectF(-6.5, -6, 13, 3), QColor(0, 90, 255));
    p.fillRect(QRectF(-1.5, 0, 3, 10), QColor(0, 160, 90));
    p.fillRect(QRectF(-5, 3.5, 10, 3), QColor(0, 160, 90));
    p.restore();
}

// An expressway carriageway from left to right: a central barrier on the left, lanes split
// by broken lines, and with an emergency lane the last strip behind a solid line.
void expressway(SignPainter &sp, qreal left, qreal right, int lanes, bool emergencyLane)
{
    const qreal h = Size.height();
    road(sp, QRectF(left, 0, right - left, h));
    sp.painter().fillRect(QRectF(left - 5, 0, 5, h), QColor(170, 170, 168));
    line(sp, {left - 2.5, 0}, {left - 2.5, h}, 1.5, QColor(110, 110, 110));
    line(sp, {left + 1.5, 0}, {left + 1.5, h}, 1.2, Paint);
    const int strips = lanes + (emergencyLane ? 1 : 0);
    const qreal width = (right - left) / strips;
    for (int i = 1; i < strips; ++i) {
        const qreal x = left + i * width;
        if (emergencyLane && i == lanes)
            line(sp, {x, 0}, {x, h}, 2, Paint);
        else
            dashed(sp, {x, 0}, {x, h}, 1.4, Paint);
    }
    if (!emergencyLane)
        line(sp, {right - 1.5, 0}, {right - 1.5, h}, 1.2, Paint);
}

// ---- Overtaking and being overtaken ----

// A car signals from behind that it will overtake; the trainee keeps to the right.
void beingOvertaken(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    car(sp, {79, 46}, 0, true);
    move(sp, curve({80, 33}, {82, 24}, {83, 14}));
    car(sp, {58, 82}, -12, false);
    sp.painter().fillRect(QRectF(50, 71, 3, 3), QColor(255, 150, 0));
    move(sp, curve({54, 70}, {46, 50}, {48, 26}));
}

// Going up to a hill crest behind a lorry; a car comes up the other side, out of sight.
void crestOvertaking(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(0, 0, 120, 105), Sky);
    QPainterPath hill;
    hill.moveTo(0, 90);
    hill.lineTo(46, 62);
    hill.quadTo(60, 54, 74, 62);
    hill.lineTo(120, 90);
    hill.lineTo(120, 105);
    hill.lineTo(0, 105);
    hill.closeSubpath();
    sp.fill(hill, Grass.darker(115));
    QPainterPath surface;
    surface.moveTo(0, 90);
    surface.lineTo(46, 62);
    surface.quadTo(60, 54, 74, 62);
    surface.lineTo(120, 90);
    sp.stroke(surface, 4, Asphalt);
    sideCar(sp, {14, 81.5}, -31, OwnCar, true);
    sideLorry(sp, {38, 67}, -31);
    sideCar(sp, {100, 78}, 31, OtherCar, false);
    move(sp, path({{84, 50}, {72, 43}}));
}

// A lorry ahead in a left-hand bend that trees hide the far side of.
void bendOvertaking(SignPainter &sp)
{
    ground(sp);
    QPainterPath centre;
    centre.moveTo(58, 110);
    centre.lineTo(58, 62);
    centre.quadTo(58, 28, 20, 24);
    centre.lineTo(-10, 24);
    QPainter &p = sp.painter();
    p.strokePath(centre, QPen(Asphalt, 44, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.strokePath(centre, QPen(Amber, 1.6));
    for (const QPointF tree : {QPointF(20, 60), QPointF(26, 74), QPointF(12, 70), QPointF(18, 86)}) {
        QPainterPath crown;
        crown.addEllipse(tree, 7, 7);
        sp.fill(crown, QColor(40, 100, 50));
    }
    // The lorry keeps to the outer half of the bend, right of the centre line.
    lorry(sp, {56, 29}, -45);
    car(sp, {69, 88}, 0, true);
}

// The car ahead is overtaking a lorry; the trainee is behind it.
void leadCarOvertaking(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    lorry(sp, {75, 28}, 0);
    car(sp, {48, 52}, -10, false);
    move(sp, curve({46, 40}, {44, 20}, {54, 8}));
    car(sp, {75, 88}, 0, true);
}

// A slow tractor ahead, a car coming the other way, a wide verge on the right.
void passingOnTheRight(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(90, 0, 20, 105), QColor(120, 122, 126));
    twoWayRoad(sp, 24, 90, false);
    lorry(sp, {74, 40}, 0, QColor(60, 140, 70));
    car(sp, {40, 30}, 180, false);
    car(sp, {74, 88}, 0, true);
    QPainterPath round;
    round.moveTo(80, 76);
    round.cubicTo(98, 64, 100, 40, 96, 20);
    move(sp, round);
}

// A bus stands at its stop; a passenger steps out in front of it.
void busAtStop(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(90, 0, 30, 105), Pavement);
    twoWayRoad(sp, 30, 90, false);
    lorry(sp, {77, 42}, 0, QColor(40, 160, 100));
    QPainter &p = sp.painter();
    p.fillRect(QRectF(100, 22, 14, 22), QColor(30, 90, 190));
    sp.text(QStringLiteral("公交"), SignPainter::cjkFont(), QRectF(101, 23, 12, 20), Paint, true, 0.4);
    person(sp, {96, 54});
    person(sp, {104, 60});
    person(sp, {70, 18});
    move(sp, path({{66, 18}, {58, 18}}));
    car(sp, {75, 90}, 0, true);
}

// A cyclist ahead on a narrow road without a centre line.
void cyclistNarrowRoad(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(38, 0, 44, 105));
    line(sp, {39.5, 0}, {39.5, 105}, 1, Paint);
    line(sp, {80.5, 0}, {80.5, 105}, 1, Paint);
    cyclist(sp, {74, 42});
    move(sp, path({{74, 31}, {74, 18}}));
    car(sp, {64, 90}, 0, true);
}

// A motor tricycle ahead, a car coming the other way.
void tricycleOncoming(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 34, 86, false);
    tricycle(sp, {76, 48});
    car(sp, {47, 16}, 180, false);
    move(sp, path({{47, 28}, {47, 46}}));
    car(sp, {73, 90}, 0, true);
}

// ---- Meeting ----

// Meeting at night on an unlit road: both cars have their headlamps on.
void nightMeeting(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    QPainter &p = sp.painter();
    p.fillRect(QRectF(0, 0, 120, 105), QColor(0, 0, 30, 170));
    const QColor beam(255, 240, 150, 110);
    sp.fillPolygon(QPolygonF{{70, 76}, {80, 76}, {88, 52}, {64, 52}}, beam);
    sp.fillPolygon(QPolygonF{{41, 30}, {51, 30}, {57, 54}, {35, 54}}, beam);
    car(sp, {75, 87}, 0, true);
    car(sp, {46, 19}, 180, false);
}

// A parked lorry on the oncoming side of a narrow road; the trainee's side is clear.
void obstacleOtherSide(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 36, 84, false);
    lorry(sp, {47, 56}, 180, Truck);
    car(sp, {47, 16}, 180, false);
    move(sp, path({{47, 28}, {47, 36}}));
    car(sp, {73, 90}, 0, true);
    move(sp, path({{73, 78}, {73, 58}}));
}

// Cones close the right lane for road works; the trainee is in that lane.
void roadWorks(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(30, 0, 60, 105));
    line(sp, {31.5, 0}, {31.5, 105}, 1.2, Paint);
    line(sp, {88.5, 0}, {88.5, 105}, 1.2, Paint);
    dashed(sp, {60, 0}, {60, 105}, 1.4, Paint);
    QPainter &p = sp.painter();
    p.fillRect(QRectF(66, 4, 20, 34), QColor(200, 150, 90));
    for (qreal y = 6; y < 38; y += 8)
        line(sp, {68, y}, {84, y + 6}, 1.4, QColor(150, 100, 50));
    for (int i = 0; i <= 5; ++i)
        cone(sp, {88 - i * 4.6, 70 - i * 5.0});
    for (qreal y = 40; y >= 2; y -= 8)
        cone(sp, {63.5, y});
    plate(sp, QRectF(94, 48, 22, 14), QColor(240, 120, 0), {QStringLiteral("施工")});
    car(sp, {44, 26}, 0, false);
    car(sp, {75, 92}, 0, true);
    move(sp, curve({72, 80}, {66, 66}, {48, 56}));
}

// ---- Expressways ----

// An expressway with three lanes each way; the trainee is in the middle lane.
void threeLanes(SignPainter &sp)
{
    ground(sp);
    expressway(sp, 16, 106, 3, false);
    car(sp, {31, 30}, 0, false);
    car(sp, {91, 46}, 0, false, Truck);
    lorry(sp, {91, 84}, 0);
    car(sp, {61, 72}, 0, true);
}

// Distance check lines across the lane and the roadside board that explains them.
void distanceCheck(SignPainter &sp)
{
    ground(sp);
    expressway(sp, 16, 88, 2, false);
    for (const qreal y : {14.0, 46.0, 78.0})
        sp.painter().fillRect(QRectF(55, y, 31, 3), Paint);
    plate(sp, QRectF(92, 34, 25, 26), QColor(0, 120, 70), {QStringLiteral("车距"), QStringLiteral("确认")});
    car(sp, {70, 24}, 0, false);
    car(sp, {70, 90}, 0, true);
}

// The trainee has gone past the exit ramp, which leaves behind it on the right.
void missedExit(SignPainter &sp)
{
    ground(sp);
    const QPolygonF ramp{{88, 105}, {120, 52}, {120, 92}, {110, 105}};
    sp.fillPolygon(ramp, Asphalt);
    expressway(sp, 20, 88, 2, false);
    // The chevrons of the gore between the main lanes and the ramp, then the grass nose.
    const QPolygonF gore{{88, 105}, {88, 70}, {109, 70}};
    sp.fillPolygon(gore, Asphalt);
    for (qreal y = 102; y > 72; y -= 7)
        line(sp, {89, y}, {89 + (105 - y) * 0.55, y - 6}, 1.4, Paint);
    line(sp, {88, 105}, {120, 52}, 1.4, Paint);
    plate(sp, QRectF(94, 40, 22, 14), QColor(0, 120, 70), {QStringLiteral("出口")});
    line(sp, {105, 54}, {105, 62}, 1.5, QColor(90, 90, 96));
    car(sp, {68, 36}, 0, true);
    move(sp, path({{68, 23}, {68, 8}}));
}

// Broken down in the emergency lane: hazard lamps on, the triangle far behind, the people
// out beyond the guard rail.
void expresswayBreakdown(SignPainter &sp)
{
    ground(sp);
    expressway(sp, 6, 99, 2, true);
    line(sp, {104, 0}, {104, 105}, 2.5, QColor(180, 180, 184));
    car(sp, {84, 26}, 0, true);
    hazardLamps(sp, {84, 26});
    warningTriangle(sp, {84, 96});
    dashed(sp, {84, 42}, {84, 84}, 1, Amber, 3, 3);
    label(sp, QStringLiteral("150米"), QRectF(70, 58, 26, 9), Amber);
    person(sp, {112, 20});
    person(sp, {112, 32});
    car(sp, {52, 70}, 0, false);
}

// A crash blocks the lanes ahead; an ambulance comes up the emergency lane.
void accidentAhead(SignPainter &sp)
{
    ground(sp);
    expressway(sp, 8, 104, 2, true);
    car(sp, {28, 14}, 35, false, Truck);
    car(sp, {52, 20}, -25, false);
    warningTriangle(sp, {40, 42});
    ambulance(sp, {88, 64});
    move(sp, path({{88, 48}, {88, 36}}));
    car(sp, {24, 70}, 0, false);
    car(sp, {56, 88}, 0, true);
}

// Fog on the expressway: the car ahead is hard to see; the trainee's fog lamps are on.
void fog(SignPainter &sp)
{
    ground(sp);
    expressway(sp, 16, 104, 2, true);
    car(sp, {45, 22}, 0, false);
    QLinearGradient haze(0, 0, 0, 105);
    haze.setColorAt(0, QColor(225, 226, 230, 235));
    haze.setColorAt(1, QColor(225, 226, 230, 150));
    sp.painter().fillRect(QRectF(0, 0, 120, 105), haze);
    const QColor glow(255, 230, 120, 170);
    sp.fillPolygon(QPolygonF{{38, 73}, {52, 73}, {56, 58}, {34, 58}}, glow);
    car(sp, {45, 86}, 0, true);
}

// The mouth of a tunnel ahead; the lane line turns solid before it.
void tunnelEntry(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(30, 0, 60, 105));
    line(sp, {31.5, 0}, {31.5, 105}, 1.2, Paint);
    line(sp, {88.5, 0}, {88.5, 105}, 1.2, Paint);
    line(sp, {60, 0}, {60, 62}, 1.6, Paint);
    dashed(sp, {60, 62}, {60, 105}, 1.4, Paint);
    QPainter &p = sp.painter();
    p.fillRect(QRectF(0, 0, 120, 30), QColor(150, 140, 120));
    p.fillRect(QRectF(22, 0, 76, 32), QColor(190, 190, 186));
    p.fillRect(QRectF(28, 0, 64, 26), QColor(22, 22, 26));
    for (qreal x = 34; x < 90; x += 10)
        p.fillRect(QRectF(x, 4, 4, 2), QColor(255, 220, 120));
    car(sp, {45, 56}, 0, false);
    car(sp, {75, 88}, 0, true);
}

// ---- Level crossings ----

void railway(SignPainter &sp, qreal top, qreal left, qreal right)
{
    QPainter &p = sp.painter();
    p.fillRect(QRectF(0, top, 120, 22), RailBed);
    for (int x = 2; x < 120; x += 8)
        p.fillRect(QRectF(x, top + 1, 4, 20), QColor(110, 80, 50));
    p.fillRect(QRectF(left, top + 2, right - left, 18), QColor(110, 110, 116));
    line(sp, {0, top + 6}, {120, top + 6}, 2, QColor(40, 40, 44));
    line(sp, {0, top + 16}, {120, top + 16}, 2, QColor(40, 40, 44));
}

// A level crossing with its lights flashing red and the barrier across the road.
void crossingBarrier(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 38, 82, true);
    railway(sp, 18, 38, 82);
    line(sp, {61, 64}, {82, 64}, 1.6, Paint);
    // The barrier arm, red and white, from its post on the right across the lane.
    sp.painter().fillRect(QRectF(88, 50, 6, 6), QColor(60, 60, 64));
    for (int i = 0; i < 6; ++i)
        sp.painter().fillRect(QRectF(84 - (i + 1) * 4.5, 51.5, 4.5, 3),
                              i % 2 ? Paint : QColor(230, 20, 20));
    // The crossing's lights: two red lamps side by side, one lit.
    QPainter &p = sp.painter();
    p.fillRect(QRectF(92, 62, 20, 10), QColor(24, 24, 26));
    QPainterPath lit;
    lit.addEllipse(QPointF(97, 67), 3.4, 3.4);
    p.fillPath(lit, QColor(255, 40, 40));
    QPainterPath dark;
    dark.addEllipse(QPointF(107, 67), 3.4, 3.4);
    p.fillPath(dark, QColor(70, 70, 74));
    car(sp, {71, 88}, 0, true);
}

// A train passes the crossing; the trainee waits at the stop line.
void crossingTrain(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 38, 82, true);
    railway(sp, 18, 38, 82);
    line(sp, {61, 60}, {82, 60}, 1.6, Paint);
    QPainter &p = sp.painter();
    for (qreal x = -6; x < 100; x += 36) {
        p.fillRect(QRectF(x, 21, 33, 16), QColor(40, 70, 90));
        p.fillRect(QRectF(x + 2, 23, 29, 12), QColor(70, 120, 150));
    }
    move(sp, path({{100, 29}, {118, 29}}));
    car(sp, {71, 76}, 0, true);
    car(sp, {71, 100}, 0, false, Truck);
}

// ---- Stopping and parking ----

// Marked bays at the kerb; the trainee reverses into the free one.
void parallelParking(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(102, 0, 18, 105), Pavement);
    twoWayRoad(sp, 20, 86, false);
    road(sp, QRectF(86, 0, 16, 105));
    for (const qreal y : {4.0, 34.0, 64.0, 94.0})
        line(sp, {86, y}, {102, y}, 1.2, Paint);
    line(sp, {86, 0}, {86, 105}, 1.2, Paint);
    car(sp, {94, 19}, 0, false, Truck);
    car(sp, {94, 79}, 0, false);
    car(sp, {74, 30}, 0, true);
    move(sp, curve({75, 43}, {76, 54}, {92, 58}));
}

// The kerb is painted yellow; the trainee wants to stop there.
void yellowKerb(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(92, 0, 28, 105), Pavement);
    road(sp, QRectF(26, 0, 66, 105));
    dashed(sp, {59, 0}, {59, 105}, 1.6, Amber);
    line(sp, {27.5, 0}, {27.5, 105}, 1, Paint);
    line(sp, {90, 0}, {90, 105}, 2, Amber);
    sp.painter().fillRect(QRectF(100, 20, 16, 40), QColor(180, 120, 90));
    car(sp, {76, 70}, 0, true);
    sp.painter().fillRect(QRectF(80, 58, 3, 3), QColor(255, 150, 0));
    move(sp, curve({78, 57}, {84, 46}, {84, 34}));
}

// A crossroads 30 m ahead; the trainee wants to stop at the kerb before it.
void nearJunction(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(36, 0, 48, 105));
    road(sp, QRectF(0, 6, 120, 30));
    line(sp, {60, 46}, {60, 105}, 1.6, Amber);
    line(sp, {61, 46}, {84, 46}, 1.6, Paint);
    line(sp, {82.5, 46}, {82.5, 105}, 1, Paint);
    line(sp, {37.5, 46}, {37.5, 105}, 1, Paint);
    car(sp, {73, 88}, 0, true);
    move(sp, curve({74, 75}, {78, 68}, {78, 60}));
    dashed(sp, {96, 48}, {96, 76}, 1, Paint, 3, 3);
    label(sp, QStringLiteral("30米"), QRectF(88, 56, 28, 10));
}

// A petrol station at the roadside, 20 m ahead of where the trainee means to stop.
void nearPetrolStation(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 20, 84, false);
    QPainter &p = sp.painter();
    p.fillRect(QRectF(84, 4, 36, 40), Pavement);
    p.fillRect(QRectF(90, 10, 26, 28), QColor(0, 130, 90));
    sp.text(QStringLiteral("加油"), SignPainter::cjkFont(), QRectF(92, 14, 22, 12), Paint, true, 0.35);
    p.fillRect(QRectF(96, 29, 4, 6), Paint);
    p.fillRect(QRectF(106, 29, 4, 6), Paint);
    car(sp, {70, 86}, 0, true);
    move(sp, curve({72, 73}, {78, 70}, {78, 62}));
    dashed(sp, {100, 48}, {100, 70}, 1, Paint, 3, 3);
    label(sp, QStringLiteral("20米"), QRectF(88, 72, 28, 10));
}

// A car parked facing down a slope at the kerb, in a marked parking place.
void slopeParking(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(0, 0, 120, 105), Sky);
    const QPolygonF hill{{0, 40}, {120, 84}, {120, 105}, {0, 105}};
    sp.fillPolygon(hill, Grass.darker(115));
    line(sp, {0, 40}, {120, 84}, 5, Asphalt);
    line(sp, {0, 44}, {120, 88}, 2, Pavement);
    QPainterPath chock;
    chock.addEllipse(QPointF(48, 58), 2.5, 2);
    sideCar(sp, {64, 63}, 20.1, OwnCar, true);
    sp.fill(chock, QColor(90, 70, 50));
    // A blue parking sign on its post.
    line(sp, {100, 40}, {100, 76}, 2, QColor(90, 90, 96));
    QPainterPath board;
    board.addRoundedRect(QRectF(91, 18, 18, 18), 2, 2);
    sp.fill(board, QColor(20, 80, 200));
    sp.text(QStringLiteral("P"), SignPainter::numberFont(), QRectF(95, 20, 10, 14), Paint, true);
}

// Broken down at the side of an ordinary road: hazard lamps on, the triangle behind.
void roadsideBreakdown(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    car(sp, {80, 26}, 0, true);
    hazardLamps(sp, {80, 26});
    warningTriangle(sp, {80, 96});
    dashed(sp, {80, 42}, {80, 84}, 1, Amber, 3, 3);
    label(sp, QStringLiteral("50-100米"), QRectF(92, 58, 26, 9));
    car(sp, {46, 60}, 180, false);
}

// The trainee reverses out of a bay across the pavement; a car comes along the road.
void reversingOut(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 10, 80, false);
    road(sp, QRectF(80, 0, 40, 105));
    for (const qreal y : {12.0, 36.0, 60.0, 84.0})
        line(sp, {84, y}, {120, y}, 1.2, Paint);
    car(sp, {104, 24}, 90, false, Truck);
    car(sp, {104, 72}, 90, false);
    car(sp, {102, 48}, 90, true);
    move(sp, curve({90, 48}, {74, 48}, {70, 38}));
    car(sp, {66, 92}, 0, false);
    move(sp, path({{66, 80}, {66, 68}}));
}

// The trainee pulls out from the kerb; a car comes up behind in the same lane.
void pullingOut(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(90, 0, 30, 105), Pavement);
    twoWayRoad(sp, 30, 90, false);
    car(sp, {82, 40}, 0, true);
    sp.painter().fillRect(QRectF(75, 28, 3, 3), QColor(255, 150, 0));
    move(sp, curve({80, 27}, {78, 16}, {70, 8}));
    car(sp, {70, 90}, 0, false);
    move(sp, path({{70, 78}, {70, 62}}));
}

const std::array Pictures{
    SignEntry{u"lk_beichaoche", u"路况：后车发出超车信号", beingOvertaken, Size},
    SignEntry{u"lk_podingchaoche", u"路况：接近坡顶时超车", crestOvertaking, Size},
    SignEntry{u"lk_wandaochaoche", u"路况：弯道内跟随货车", bendOvertaking, Size},
    SignEntry{u"lk_qianchezhengchaoche", u"路况：前车正在超车", leadCarOvertaking, Size},
    SignEntry{u"lk_youcechaoyue", u"路况：对向来车时从右侧超越", passingOnTheRight, Size},
    SignEntry{u"lk_gongjiaotingkao", u"路况：前方公交车停靠上下乘客", busAtStop, Size},
    SignEntry{u"lk_zhailuqixingren", u"路况：窄路前方有骑车人", cyclistNarrowRoad, Size},
    SignEntry{u"lk_sanlunchehuiche", u"路况：前方三轮车且对向来车", tricycleOncoming, Size},
    SignEntry{u"lk_yejianhuiche", u"路况：夜间会车", nightMeeting, Size},
    SignEntry{u"lk_duifangzhangai", u"路况：窄路对方有障碍", obstacleOtherSide, Size},
    SignEntry{u"lk_shigongfengdao", u"路况：施工封闭车道", roadWorks, Size},
    SignEntry{u"lk_gaosusanchedao", u"路况：高速公路同向三车道", threeLanes, Size},
    SignEntry{u"lk_chejuqueren", u"路况：高速公路车距确认路段", distanceCheck, Size},
    SignEntry{u"lk_cuoguochukou", u"路况：高速公路错过出口", missedExit, Size},
    SignEntry{u"lk_gaosuguzhang", u"路况：高速公路故障停车", expresswayBreakdown, Size},
    SignEntry{u"lk_gaosushigu", u"路况：高速公路前方事故", accidentAhead, Size},
    SignEntry{u"lk_gaosudawu", u"路况：高速公路遇雾", fog, Size},
    SignEntry{u"lk_jinrusuidao", u"路况：驶入隧道", tunnelEntry, Size},
    SignEntry{u"lk_daokoulangan", u"路况：道口信号灯亮、栏杆落下", crossingBarrier, Size},
    SignEntry{u"lk_daokouhuoche", u"路况：道口有火车通过", crossingTrain, Size},
    SignEntry{u"lk_bowei", u"路况：路边泊位停车", parallelParking, Size},
    SignEntry{u"lk_huangseyuanshi", u"路况：路缘黄色实线处停车", yellowKerb, Size},
    SignEntry{u"lk_lukoutingche", u"路况：路口附近停车", nearJunction, Size},
    SignEntry{u"lk_jiayouzhantingche", u"路况：加油站附近停车", nearPetrolStation, Size},
    SignEntry{u"lk_podaotingche", u"路况：坡道上停车", slopeParking, Size},
    SignEntry{u"lk_lubianguzhang", u"路况：普通道路故障停车", roadsideBreakdown, Size},
    SignEntry{u"lk_daochechuwei", u"路况：倒车驶出车位", reversingOut, Size},
    SignEntry{u"lk_lubianqibu", u"路况：路边起步", pullingOut, Size},
};

} // namespace

std::span<const SignEntry> situationPictures5()
{
    return Pictures;
}
