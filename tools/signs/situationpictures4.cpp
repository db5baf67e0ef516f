// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadpicturelists.h"

#include "situationkit.h"

#include <QPainterPath>

#include <array>

// Road situations at junctions and with people on the road, seen from above: the trainee's
// red car comes up the picture, yellow arrows show where road users mean to go.
namespace {

using namespace situation;

// Sign red kept well apart from the trainee's car, so that a sign never reads as a second
// red car.
const QColor SignRed(190, 16, 40);
const QColor Kerb(176, 176, 170);
const QColor Dark(24, 24, 26);

// A crossroads wide enough for two approach lanes: the road up the picture spans x 26–94
// with its centre at 60, the road across spans y 30–74 with its centre at 52. The
// trainee's approach (x 60–94) is split at x 77 into a left and a right lane.
void wideCrossroads(SignPainter &sp)
{
    const qreal w = Size.width();
    const qreal h = Size.height();
    road(sp, QRectF(26, 0, 68, h));
    road(sp, QRectF(0, 30, w, 44));
    line(sp, {60, 0}, {60, 20}, 1.6, Amber);
    line(sp, {60, 84}, {60, h}, 1.6, Amber);
    line(sp, {0, 52}, {16, 52}, 1.6, Amber);
    line(sp, {104, 52}, {w, 52}, 1.6, Amber);
    line(sp, {61, 84}, {94, 84}, 1.6, Paint);
    line(sp, {26, 20}, {59, 20}, 1.6, Paint);
    line(sp, {77, 86}, {77, h}, 1.2, Paint);
    line(sp, {43, 0}, {43, 18}, 1.2, Paint);
}

// A signal head of one lamp showing an arrow: left (-90), up (0) or right (90).
void arrowLamp(SignPainter &sp, QPointF centre, qreal direction, const QColor &lit)
{
    QPainter &p = sp.painter();
    p.fillRect(QRectF(centre.x() - 6.5, centre.y() - 6.5, 13, 13), Dark);
    p.save();
    p.translate(centre);
    p.rotate(direction);
    sp.arrow(path({{0, 4.5}, {0, -1}}), 2.4, 4, 7, lit);
    p.restore();
}

// Lighter than the trainee's car, so that the soft edges of a red arrow never match it.
const QColor LampRed(255, 64, 52);
const QColor LampGreen(0, 210, 120);
const QColor LampAmber(255, 190, 0);

// Short rays round a lamp, for a light that flashes.
void rays(SignPainter &sp, QPointF lamp, const QColor &colour)
{
    for (qreal a : {150.0, 180.0, 210.0, -30.0, 0.0, 30.0}) {
        const QLineF ray = QLineF::fromPolar(1, a).translated(lamp);
        QLineF from = QLineF(lamp, ray.p2());
        from.setLength(6.5);
        QLineF to = from;
        to.setLength(10);
        line(sp, from.p2(), to.p2(), 1.4, colour);
    }
}

// A stop-and-yield sign on a post: the red octagon with 停.
void stopSign(SignPainter &sp, QPointF centre)
{
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i)
        octagon << centre + QPointF(QLineF::fromPolar(8, 22.5 + 45 * i).p2());
    sp.fillPolygon(octagon, Paint);
    QPolygonF inner;
    for (int i = 0; i < 8; ++i)
        inner << centre + QPointF(QLineF::fromPolar(7, 22.5 + 45 * i).p2());
    sp.fillPolygon(inner, SignRed);
    sp.text(QStringLiteral("停"), SignPainter::cjkFont(), QRectF(centre.x() - 4, centre.y() - 4, 8, 8), Paint,
            true, 0.5);
}

// A slow-and-yield sign: the triangle on its point with a red rim and 让.
void yieldSign(SignPainter &sp, QPointF centre)
{
    const QPolygonF outer{centre + QPointF(-9, -6), centre + QPointF(9, -6), centre + QPointF(0, 9)};
    sp.fillPolygon(outer, SignRed);
    const QPolygonF inner{centre + QPointF(-5.5, -4), centre + QPointF(5.5, -4), centre + QPointF(0, 5)};
    sp.fillPolygon(inner, Paint);
    sp.text(QStringLiteral("让"), SignPainter::cjkFont(), QRectF(centre.x() - 2.6, centre.y() - 4, 5.2, 5.2),
            SignRed, true, 0.3);
}

// A cyclist seen from above: the bicycle as a thin dark bar under the rider's shoulders.
void cyclist(SignPainter &sp, QPointF centre, qreal heading)
{
    QPainter &p = sp.painter();
    p.save();
    p.translate(centre);
    p.rotate(heading);
    p.fillRect(QRectF(-1, -8, 2, 16), QColor(20, 20, 20));
    p.restore();
    person(sp, centre);
}

// A walker with a stick held ahead: brown for a walking stick, white for a blind person's cane.
void walkerWithStick(SignPainter &sp, QPointF centre, QPointF tip, const QColor &stick)
{
    line(sp, centre, tip, 2.2, stick);
    person(sp, centre);
}

// A child: smaller than a grown-up, in a bright blue coat with a dark rim and a yellow cap,
// so that it shows on asphalt and on zebra stripes alike.
void child(SignPainter &sp, QPointF centre)
{
    QPainterPath shoulders;
    shoulders.addEllipse(centre, 4.6, 3);
    sp.fill(shoulders, QColor(20, 40, 70));
    QPainterPath coat;
    coat.addEllipse(centre, 3.8, 2.3);
    sp.fill(coat, QColor(0, 150, 255));
    QPainterPath cap;
    cap.addEllipse(centre, 2.2, 2.2);
    sp.fill(cap, QColor(255, 230, 0));
}

// A traffic policeman seen from above: white cap, dark uniform, white sleeves on arms
// held out to the sides.
void policeman(SignPainter &sp, QPointF centre)
{
    line(sp, centre + QPointF(-9, 0), centre + QPointF(9, 0), 2.4, Paint);
    QPainterPath body;
    body.addEllipse(centre, 5, 3.2);
    sp.fill(body, QColor(20, 40, 90));
    QPainterPath cap;
    cap.addEllipse(centre, 2.6, 2.6);
    sp.fill(cap, Paint);
    QPainterPath badge;
    badge.addEllipse(centre, 1, 1);
    sp.fill(badge, QColor(30, 40, 120));
}

// A lit turn signal at a car's corner.
void blinker(SignPainter &sp, QPointF at)
{
    sp.painter().fillRect(QRectF(at.x() - 1.5, at.y() - 1.5, 3, 3), QColor(255, 150, 0));
}

// Guide arrows painted on a lane, in the lane's own units: straight, left, right,
// U-turn and their combinations, their tail at (x, 48).
void guideStraight(SignPainter &sp, qreal x)
{
    sp.arrow(path({{x, 48}, {x, 24}}), 3, 6, 8, Paint);
}

void guideTurn(SignPainter &sp, qreal x, bool right)
{
    const qreal s = right ? 1 : -1;
    sp.arrow(curve({x, 48}, {x, 28}, {x + 8 * s, 23}), 3, 6, 8, Paint);
}

void guideUTurn(SignPainter &sp, qreal x)
{
    QPainterPath u;
    u.moveTo(x, 48);
    u.lineTo(x, 30);
    u.cubicTo(x, 20, x - 10, 20, x - 10, 30);
    u.lineTo(x - 10, 33);
    sp.arrow(u, 3, 5, 7, Paint);
}

// Three approach lanes across the whole picture, solid near the stop line at y 10.
void threeLanes(SignPainter &sp, bool zigzagMiddle)
{
    road(sp, QRectF(6, 0, 108, 105));
    line(sp, {8, 0}, {8, 105}, 1.6, Amber);
    line(sp, {8, 10}, {114, 10}, 1.6, Paint);
    for (qreal x : {42.0, 78.0}) {
        if (zigzagMiddle) {
            QPainterPath zig;
            zig.moveTo(x, 12);
            for (qreal y = 12; y < 76; y += 8)
                zig.lineTo(x + ((int(y) / 8) % 2 ? -2.5 : 2.5), y + 8);
            sp.stroke(zig, 1.4, Paint);
        } else {
            line(sp, {x, 10}, {x, 76}, 1.6, Paint);
        }
        dashed(sp, {x, 80}, {x, 105}, 1.4, Paint);
    }
}

// --- the pictures ---

// A yellow light flashes at the junction; a car comes from the left.
void flashingYellow(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, false);
    signal(sp, {30, 86}, Light::Yellow);
    rays(sp, {30, 86}, LampAmber);
    car(sp, {71, 93}, 0, true);
    move(sp, path({{71, 80}, {71, 58}}));
    car(sp, {12, 62}, 90, false);
    move(sp, path({{24, 62}, {36, 62}}));
}

// The trainee is first in the left-turn lane with its waiting zone; straight on is green,
// left is red.
void leftTurnWaitingZone(SignPainter &sp)
{
    ground(sp);
    wideCrossroads(sp);
    // The waiting zone: two dashed lines into the junction and its own stop line.
    dashed(sp, {61, 84}, {53, 56}, 1.2, Paint, 4, 3);
    dashed(sp, {77, 84}, {69, 56}, 1.2, Paint, 4, 3);
    line(sp, {53, 56}, {69, 56}, 1.6, Paint);
    car(sp, {68, 96}, 0, true);
    move(sp, path({{68, 84}, {63, 64}}));
    car(sp, {85, 98}, 0, false);
    arrowLamp(sp, {8, 90}, -90, LampRed);
    signal(sp, {20, 90}, Light::Green);
}

// The trainee waits in the right-turn lane; the right arrow shows red, the round light green.
void rightArrowRed(SignPainter &sp)
{
    ground(sp);
    wideCrossroads(sp);
    car(sp, {86, 96}, 0, true);
    car(sp, {68, 96}, 0, false);
    move(sp, path({{68, 84}, {68, 40}}));
    signal(sp, {102, 90}, Light::Green);
    arrowLamp(sp, {113, 90}, 90, LampRed);
    person(sp, {100, 44});
    person(sp, {100, 60});
}

// The left arrow shows green, the round light red; the oncoming cars wait.
void leftArrowGreen(SignPainter &sp)
{
    ground(sp);
    wideCrossroads(sp);
    car(sp, {68, 96}, 0, true);
    move(sp, curve({68, 82}, {66, 44}, {20, 42}));
    car(sp, {35, 8}, 180, false);
    car(sp, {51, 8}, 180, false);
    arrowLamp(sp, {8, 90}, -90, LampGreen);
    signal(sp, {20, 90}, Light::Red);
}

// The light turns yellow as the trainee reaches the stop line.
void yellowAtStopLine(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, true);
    signal(sp, {30, 86}, Light::Yellow);
    car(sp, {71, 95}, 0, true);
    car(sp, {108, 42}, -90, false);
}

// No signals: the trainee turns left, the oncoming car turns right into the same road.
void leftTurnMeetsRightTurn(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, false);
    car(sp, {71, 93}, 0, true);
    move(sp, curve({70, 80}, {66, 46}, {26, 43}));
    car(sp, {49, 10}, 180, false);
    blinker(sp, {44, 19});
    move(sp, curve({48, 23}, {46, 40}, {24, 38}));
}

// A T-junction: the trainee's road ends at a road across; a car comes from the right.
void tJunctionRoadEnds(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(0, 26, 120, 44));
    road(sp, QRectF(38, 70, 44, 35));
    line(sp, {0, 48}, {120, 48}, 1.6, Amber);
    line(sp, {0, 27.5}, {120, 27.5}, 1, Paint);
    line(sp, {60, 80}, {60, 105}, 1.6, Amber);
    line(sp, {61, 80}, {82, 80}, 1.6, Paint);
    car(sp, {71, 92}, 0, true);
    move(sp, curve({71, 79}, {70, 40}, {34, 38}));
    car(sp, {106, 37}, -90, false);
    move(sp, path({{93, 37}, {80, 37}}));
}

// A T-junction: the trainee goes straight on; a car waits to come out of the side road on
// the left.
void tJunctionStraight(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(36, 0, 48, 105));
    road(sp, QRectF(0, 30, 36, 40));
    line(sp, {60, 0}, {60, 105}, 1.6, Amber);
    line(sp, {82.5, 0}, {82.5, 105}, 1, Paint);
    line(sp, {0, 50}, {26, 50}, 1.6, Amber);
    line(sp, {26, 51}, {26, 70}, 1.6, Paint);
    car(sp, {72, 88}, 0, true);
    move(sp, path({{72, 75}, {72, 40}}));
    car(sp, {14, 60}, 90, false);
    move(sp, curve({26, 60}, {70, 60}, {72, 30}));
}

// The side road the trainee is on meets a main road with a yield sign and yield line.
void sideRoad(SignPainter &sp, bool stop)
{
    ground(sp);
    road(sp, QRectF(0, 28, 120, 44));
    road(sp, QRectF(44, 72, 32, 33));
    line(sp, {0, 50}, {120, 50}, 1.6, Amber);
    line(sp, {0, 29.5}, {120, 29.5}, 1, Paint);
    line(sp, {0, 70.5}, {44, 70.5}, 1, Paint);
    line(sp, {76, 70.5}, {120, 70.5}, 1, Paint);
    line(sp, {60, 82}, {60, 105}, 1.4, Amber);
    if (stop) {
        line(sp, {61, 75}, {76, 75}, 1.4, Paint);
        line(sp, {61, 78}, {76, 78}, 1.4, Paint);
        stopSign(sp, {90, 88});
    } else {
        dashed(sp, {61, 75}, {76, 75}, 1.4, Paint, 3, 2);
        dashed(sp, {61, 78}, {76, 78}, 1.4, Paint, 3, 2);
        yieldSign(sp, {90, 88});
    }
    car(sp, {68, 94}, 0, true);
}

void slowAndYield(SignPainter &sp)
{
    sideRoad(sp, false);
    move(sp, curve({68, 82}, {68, 62}, {94, 61}));
    car(sp, {16, 61}, 90, false);
    move(sp, path({{28, 61}, {42, 61}}));
}

void stopAndYield(SignPainter &sp)
{
    sideRoad(sp, true);
    move(sp, curve({67, 82}, {64, 42}, {30, 39}));
    car(sp, {104, 39}, -90, false, Truck);
    move(sp, path({{91, 39}, {78, 39}}));
}

// Turning right across the cycle lane while a cyclist rides straight on beside the car.
void rightTurnCycleLane(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(24, 0, 76, 105));
    road(sp, QRectF(0, 26, 120, 40));
    line(sp, {62, 76}, {62, 105}, 1.6, Amber);
    line(sp, {62, 0}, {62, 16}, 1.6, Amber);
    line(sp, {0, 46}, {14, 46}, 1.6, Amber);
    line(sp, {110, 46}, {120, 46}, 1.6, Amber);
    line(sp, {85, 76}, {85, 105}, 1.4, Paint);
    line(sp, {63, 76}, {100, 76}, 1.6, Paint);
    // The cycle lane's bicycle mark.
    QPainter &p = sp.painter();
    p.fillRect(QRectF(90, 96, 6, 1.6), Paint);
    QPainterPath wheels;
    wheels.addEllipse(QPointF(90, 97), 2, 2);
    wheels.addEllipse(QPointF(96, 97), 2, 2);
    sp.stroke(wheels, 0.9, Paint);
    car(sp, {74, 90}, 0, true);
    blinker(sp, {79, 80});
    move(sp, curve({74, 77}, {76, 56}, {106, 56}));
    cyclist(sp, {93, 80}, 0);
    move(sp, path({{93, 70}, {93, 50}}));
}

// Lanes for U-turn and left, straight, straight and right; the trainee is in the left lane.
void laneGuides(SignPainter &sp)
{
    threeLanes(sp, false);
    guideUTurn(sp, 29);
    guideTurn(sp, 29, false);
    guideStraight(sp, 60);
    guideStraight(sp, 96);
    guideTurn(sp, 96, true);
}

void uTurnLane(SignPainter &sp)
{
    ground(sp);
    laneGuides(sp);
    car(sp, {25, 72}, 0, true);
    // Beside the solid lane line, so that it can no longer change lanes.
    car(sp, {60, 68}, 0, false);
}

void straightRightLane(SignPainter &sp)
{
    ground(sp);
    laneGuides(sp);
    car(sp, {96, 70}, 0, true);
    move(sp, path({{96, 58}, {96, 40}}));
    car(sp, {60, 72}, 0, false);
    car(sp, {25, 88}, 0, false);
}

// A variable guide lane in the middle, its sign over the lane showing left.
void variableLane(SignPainter &sp)
{
    ground(sp);
    threeLanes(sp, true);
    guideTurn(sp, 25, false);
    guideTurn(sp, 96, true);
    // The lane's variable sign: lit arrow on a dark board.
    QPainter &p = sp.painter();
    p.fillRect(QRectF(49, 14, 22, 18), Dark);
    sp.arrow(curve({62, 29}, {62, 20}, {54, 19}), 2.6, 5, 7, QColor(120, 255, 120));
    // No movement arrow: a straight one would contradict the sign's left arrow.
    car(sp, {60, 70}, 0, true);
}

// A tidal lane with its lane signal showing a red cross; the other lanes show green.
void tidalLane(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(8, 0, 104, 105));
    line(sp, {9.5, 0}, {9.5, 105}, 1, Paint);
    line(sp, {110.5, 0}, {110.5, 105}, 1, Paint);
    for (qreal x : {33.0, 36.0, 59.0, 62.0})
        dashed(sp, {x, 0}, {x, 105}, 1.2, Amber, 6, 4);
    dashed(sp, {87, 0}, {87, 105}, 1.4, Paint);
    // Lane signals over each lane.
    QPainter &p = sp.painter();
    p.fillRect(QRectF(8, 2, 104, 3), QColor(60, 60, 64));
    for (qreal x : {21.0, 48.0, 74.0, 99.0})
        p.fillRect(QRectF(x - 6, 5, 12, 12), Dark);
    for (qreal x : {74.0, 99.0})
        sp.arrow(path({{x, 7}, {x, 11}}), 2.4, 4, 7, LampGreen);
    for (qreal x : {21.0, 48.0}) {
        line(sp, {x - 4, 7}, {x + 4, 15}, 2, LampRed);
        line(sp, {x + 4, 7}, {x - 4, 15}, 2, LampRed);
    }
    car(sp, {21, 40}, 180, false);
    car(sp, {74, 82}, 0, true);
    move(sp, path({{74, 69}, {74, 50}}));
}

// A bus lane on the right behind a yellow broken line, marked for buses; the trainee is beside it.
void busLane(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(14, 0, 100, 105));
    line(sp, {16, 0}, {16, 105}, 1.6, Amber);
    dashed(sp, {50, 0}, {50, 105}, 1.4, Paint);
    dashed(sp, {84, 0}, {84, 105}, 2, Amber, 10, 5);
    line(sp, {112.5, 0}, {112.5, 105}, 1, Paint);
    sp.text(QStringLiteral("公交"), SignPainter::cjkFont(), QRectF(90, 50, 18, 9), Amber, true, 0.4);
    sp.text(QStringLiteral("专用"), SignPainter::cjkFont(), QRectF(90, 62, 18, 9), Amber, true, 0.4);
    lorry(sp, {98, 22}, 0, QColor(40, 160, 90));
    car(sp, {67, 84}, 0, true);
    car(sp, {33, 44}, 0, false);
    car(sp, {67, 26}, 0, false, Truck);
}

// The trainee leaves a car park across the pavement; a walker and a car pass.
void leavingCarPark(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(0, 14, 120, 44));
    line(sp, {0, 36}, {120, 36}, 1.6, Amber);
    sp.painter().fillRect(QRectF(0, 58, 120, 12), Kerb);
    road(sp, QRectF(50, 58, 28, 47));
    sp.painter().fillRect(QRectF(0, 70, 50, 35), QColor(120, 120, 124));
    sp.painter().fillRect(QRectF(78, 70, 42, 35), QColor(120, 120, 124));
    for (qreal x : {14.0, 30.0, 94.0, 110.0})
        line(sp, {x, 74}, {x, 105}, 1, Paint);
    car(sp, {22, 90}, 0, false, Truck);
    car(sp, {102, 90}, 0, false);
    car(sp, {64, 86}, 0, true);
    move(sp, curve({64, 73}, {64, 50}, {90, 48}));
    person(sp, {86, 64});
    move(sp, path({{80, 64}, {72, 64}}));
    car(sp, {14, 47}, 90, false);
}

// The trainee is in the roundabout and about to leave by the exit on the right.
void roundaboutExit(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(44, 0, 32, 105));
    road(sp, QRectF(0, 37, 120, 32));
    QPainterPath ring;
    ring.addEllipse(QPointF(60, 53), 41, 41);
    sp.fill(ring, Asphalt);
    QPainterPath island;
    island.addEllipse(QPointF(60, 53), 12, 12);
    sp.fill(island, Grass);
    car(sp, {79, 71}, 45, true);
    blinker(sp, {90, 68});
    move(sp, curve({87, 63}, {94, 59}, {114, 59}));
    car(sp, {36, 32}, -135, false);
    car(sp, {68, 98}, 0, false);
}

// A zebra crossing without signals; a walker waits at the kerb on the trainee's side.
void walkerAtKerb(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    sp.painter().fillRect(QRectF(90, 0, 30, 105), Kerb);
    sp.painter().fillRect(QRectF(0, 0, 30, 105), Kerb);
    zebra(sp, QRectF(30, 28, 60, 12));
    person(sp, {96, 34});
    move(sp, path({{91, 34}, {82, 34}}));
    car(sp, {75, 82}, 0, true);
    car(sp, {45, 12}, 180, false);
}

// An old man with a walking stick crosses slowly ahead.
void oldManCrossing(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    zebra(sp, QRectF(30, 30, 60, 12));
    walkerWithStick(sp, {62, 35}, {72, 40}, QColor(90, 50, 20));
    move(sp, path({{60, 26}, {76, 26}}));
    car(sp, {75, 80}, 0, true);
}

// A child runs out from between cars parked on the right.
void childRunsOut(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 26, 94, false);
    car(sp, {86, 20}, 0, false, Truck);
    car(sp, {86, 48}, 0, false);
    child(sp, {80, 34});
    move(sp, path({{75, 34}, {66, 34}}));
    car(sp, {68, 84}, 0, true);
}

// Green light: the trainee turns left while a crowd crosses the road it turns into.
void crowdWhileTurning(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, true);
    signal(sp, {30, 86}, Light::Green);
    car(sp, {66, 93}, 0, true);
    move(sp, curve({66, 80}, {64, 50}, {42, 46}));
    for (QPointF at : {QPointF(32, 38), QPointF(33, 47), QPointF(31, 55), QPointF(34, 62), QPointF(32, 68)})
        person(sp, at);
}

// A blind man with a white cane crosses ahead.
void blindManCrossing(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    walkerWithStick(sp, {74, 40}, {62, 47}, Paint);
    move(sp, path({{74, 31}, {60, 31}}));
    car(sp, {75, 84}, 0, true);
    car(sp, {45, 20}, 180, false);
}

// A traffic policeman directs the junction while the trainee's light is green.
void policeOverrides(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, false);
    signal(sp, {30, 86}, Light::Green);
    policeman(sp, {60, 52});
    car(sp, {71, 94}, 0, true);
    car(sp, {14, 62}, 90, false);
    move(sp, path({{26, 62}, {40, 62}}));
}

// The round light is green but the left arrow red; the trainee is first in the left-turn
// lane, with no waiting zone.
void leftArrowRed(SignPainter &sp)
{
    ground(sp);
    wideCrossroads(sp);
    car(sp, {68, 96}, 0, true);
    car(sp, {86, 60}, 0, false);
    move(sp, path({{86, 47}, {86, 26}}));
    arrowLamp(sp, {8, 90}, -90, LampRed);
    signal(sp, {20, 90}, Light::Green);
}

// The light turned yellow after the trainee had crossed the stop line.
void yellowPastStopLine(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, true);
    signal(sp, {30, 86}, Light::Yellow);
    car(sp, {71, 56}, 0, true);
    move(sp, path({{71, 43}, {71, 22}}));
    car(sp, {108, 42}, -90, false);
}

// The trainee is on the main road; a car waits at the yield line of a side road on the right.
void mainRoadSideRoadCar(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(30, 0, 48, 105));
    road(sp, QRectF(78, 36, 42, 32));
    line(sp, {54, 0}, {54, 105}, 1.6, Amber);
    line(sp, {31.5, 0}, {31.5, 105}, 1, Paint);
    line(sp, {76.5, 0}, {76.5, 36}, 1, Paint);
    line(sp, {76.5, 68}, {76.5, 105}, 1, Paint);
    line(sp, {92, 52}, {120, 52}, 1.4, Amber);
    dashed(sp, {81, 36}, {81, 51}, 1.4, Paint, 3, 2);
    dashed(sp, {84, 36}, {84, 51}, 1.4, Paint, 3, 2);
    yieldSign(sp, {100, 26});
    car(sp, {98, 44}, -90, false);
    blinker(sp, {89, 38.5});
    car(sp, {66, 86}, 0, true);
    move(sp, path({{66, 73}, {66, 40}}));
}

// A line of schoolchildren crosses on the zebra; the oncoming car has stopped.
void schoolchildrenCrossing(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    zebra(sp, QRectF(30, 34, 60, 12));
    for (qreal x : {40.0, 50.0, 60.0, 70.0})
        child(sp, {x, 40});
    move(sp, path({{74, 40}, {84, 40}}));
    car(sp, {45, 20}, 180, false);
    car(sp, {75, 84}, 0, true);
}

const std::array Pictures{
    SignEntry{u"lk_huangshandeng", u"路况：路口黄灯闪烁", flashingYellow, Size},
    SignEntry{u"lk_zuowandaizhuanqu", u"路况：左弯待转区", leftTurnWaitingZone, Size},
    SignEntry{u"lk_youzhuanhongjiantou", u"路况：右转箭头灯为红灯", rightArrowRed, Size},
    SignEntry{u"lk_zuozhuanlvjiantou", u"路况：左转箭头灯为绿灯", leftArrowGreen, Size},
    SignEntry{u"lk_huangdengtingchexian", u"路况：到停止线时黄灯亮", yellowAtStopLine, Size},
    SignEntry{u"lk_zuozhuanyuyouzhuan", u"路况：左转遇对向右转车", leftTurnMeetsRightTurn, Size},
    SignEntry{u"lk_dingzijintou", u"路况：丁字路口道路尽头", tJunctionRoadEnds, Size},
    SignEntry{u"lk_dingzizhixing", u"路况：丁字路口直行遇支路来车", tJunctionStraight, Size},
    SignEntry{u"lk_zhiluyanjiansu", u"路况：支路口减速让行", slowAndYield, Size},
    SignEntry{u"lk_zhilukoutingche", u"路况：支路口停车让行", stopAndYield, Size},
    SignEntry{u"lk_youzhuanfeijidongche", u"路况：右转遇直行非机动车", rightTurnCycleLane, Size},
    SignEntry{u"lk_diaotouzuozhuan", u"路况：掉头左转合用车道", uTurnLane, Size},
    SignEntry{u"lk_zhixingyouzhuan", u"路况：直行右转合用车道", straightRightLane, Size},
    SignEntry{u"lk_kebiandaoxiang", u"路况：可变导向车道", variableLane, Size},
    SignEntry{u"lk_chaoxichedao", u"路况：潮汐车道", tidalLane, Size},
    SignEntry{u"lk_gongjiaozhuanyong", u"路况：公交专用车道旁", busLane, Size},
    SignEntry{u"lk_tingchechangshichu", u"路况：驶出停车场", leavingCarPark, Size},
    SignEntry{u"lk_huandaoshichu", u"路况：驶出环形路口", roundaboutExit, Size},
    SignEntry{u"lk_xingrendengdai", u"路况：行人在人行横道端等候", walkerAtKerb, Size},
    SignEntry{u"lk_laorenguolu", u"路况：老人横过道路", oldManCrossing, Size},
    SignEntry{u"lk_ertongchuxian", u"路况：儿童从车间跑出", childRunsOut, Size},
    SignEntry{u"lk_zhuanwanxingren", u"路况：左转遇成群行人", crowdWhileTurning, Size},
    SignEntry{u"lk_mangren", u"路况：盲人横过道路", blindManCrossing, Size},
    SignEntry{u"lk_jiaojingzhihui", u"路况：交警在路口指挥", policeOverrides, Size},
    SignEntry{u"lk_zuozhuanhongjiantou", u"路况：左转箭头灯为红灯", leftArrowRed, Size},
    SignEntry{u"lk_huangdengyiguoxian", u"路况：越过停止线后黄灯亮", yellowPastStopLine, Size},
    SignEntry{u"lk_ganluzhixing", u"路况：干路直行遇支路车辆", mainRoadSideRoadCar, Size},
    SignEntry{u"lk_xueshengguolu", u"路况：学生列队横过道路", schoolchildrenCrossing, Size},
};

} // namespace

std::span<const SignEntry> situationPictures4()
{
    return Pictures;
}
