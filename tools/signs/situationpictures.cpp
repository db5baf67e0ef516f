// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadpicturelists.h"

#include "situationkit.h"

#include <QPainterPath>

#include <array>

// Road situations seen from above: the trainee's red car comes up the picture unless the
// situation needs otherwise, yellow arrows show where cars mean to go.
namespace {

using namespace situation;

// No signals: the trainee goes straight on, a car comes from the right.
void rightHandCar(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, false);
    car(sp, {71, 92}, 0, true);
    move(sp, path({{71, 80}, {71, 58}}));
    car(sp, {106, 42}, -90, false);
    move(sp, path({{94, 42}, {76, 42}}));
}

// Green light: the trainee turns left, an oncoming car goes straight on.
void leftTurnOncoming(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, false);
    signal(sp, {30, 86}, Light::Green);
    car(sp, {66, 92}, 0, true);
    move(sp, curve({66, 80}, {66, 50}, {34, 47}));
    car(sp, {49, 12}, 180, false);
    move(sp, path({{49, 24}, {49, 50}}));
}

// No signals: the trainee turns right, the oncoming car turns left.
void rightTurnMeetsLeftTurn(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, false);
    car(sp, {74, 92}, 0, true);
    move(sp, curve({74, 80}, {74, 62}, {100, 62}));
    car(sp, {49, 12}, 180, false);
    move(sp, curve({49, 24}, {52, 60}, {92, 64}));
}

// Red light: the trainee turns right while people cross the road it turns into.
void redRightTurnWalkers(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, true);
    signal(sp, {30, 86}, Light::Red);
    car(sp, {74, 92}, 0, true);
    move(sp, curve({74, 80}, {76, 64}, {80, 62}));
    person(sp, {87, 45});
    person(sp, {88, 60});
}

// A walker on the zebra crossing ahead of the trainee's car.
void walkerOnCrossing(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, true);
    zebra(sp, QRectF(30, 30, 60, 12));
    line(sp, {61, 50}, {88, 50}, 1.6, Paint);
    person(sp, {70, 36});
    move(sp, path({{78, 36}, {86, 36}}));
    car(sp, {75, 80}, 0, true);
}

// A school bus stopped on the right with its lights on, one lane each way.
void schoolBusOneLane(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    lorry(sp, {76, 40}, 0, QColor(250, 200, 0));
    // Hazard lamps at the bus's rear corners.
    sp.painter().fillRect(QRectF(68, 55, 3, 3), QColor(255, 120, 0));
    sp.painter().fillRect(QRectF(81, 55, 3, 3), QColor(255, 120, 0));
    person(sp, {95, 38});
    car(sp, {76, 86}, 0, true);
}

// A school bus stopped on the right of a road with two lanes each way; the trainee is
// in the other lane.
void schoolBusTwoLanes(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(4, 0, 112, 105));
    line(sp, {60, 0}, {60, 105}, 1.6, Amber);
    dashed(sp, {88, 0}, {88, 105}, 1.4, Paint);
    dashed(sp, {32, 0}, {32, 105}, 1.4, Paint);
    lorry(sp, {102, 36}, 0, QColor(250, 200, 0));
    sp.painter().fillRect(QRectF(94, 51, 3, 3), QColor(255, 120, 0));
    sp.painter().fillRect(QRectF(107, 51, 3, 3), QColor(255, 120, 0));
    car(sp, {74, 84}, 0, true);
}

// The car ahead signals a left turn; the trainee is close behind.
void leadCarTurningLeft(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    car(sp, {75, 36}, 0, false);
    sp.painter().fillRect(QRectF(68, 44, 3, 3), QColor(255, 150, 0));
    move(sp, curve({74, 24}, {72, 10}, {62, 4}));
    car(sp, {75, 80}, 0, true);
    move(sp, curve({68, 68}, {50, 56}, {52, 40}));
}

// A narrow road with a parked lorry on the trainee's side; a car comes the other way.
void narrowObstacle(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 36, 84, false);
    lorry(sp, {73, 48}, 0, Truck);
    car(sp, {48, 20}, 180, false);
    move(sp, path({{48, 32}, {48, 52}}));
    car(sp, {73, 90}, 0, true);
}

// A narrow slope seen from the side: the trainee drives down, a car comes up.
void narrowSlope(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(0, 0, 120, 105), QColor(200, 225, 245));
    QPolygonF hill{{0, 30}, {120, 90}, {120, 105}, {0, 105}};
    sp.fillPolygon(hill, Grass.darker(120));
    line(sp, {0, 30}, {120, 90}, 5, Asphalt);
    QPainter &p = sp.painter();
    auto sideCar = [&](QPointF at, const QColor &c) {
        p.save();
        p.translate(at);
        p.rotate(26.6);
        p.fillRect(QRectF(-12, -10, 24, 7), c);
        p.fillRect(QRectF(-7, -15, 13, 6), c);
        p.fillRect(QRectF(-5, -14, 9, 4), QColor(200, 220, 240));
        QPainterPath wheels;
        wheels.addEllipse(QPointF(-7, -2.5), 3, 3);
        wheels.addEllipse(QPointF(7, -2.5), 3, 3);
        p.fillPath(wheels, QColor(20, 20, 20));
        p.restore();
    };
    sideCar({26, 40}, OwnCar);
    sideCar({92, 73}, OtherCar);
    move(sp, path({{38, 34}, {52, 41}}));
    move(sp, path({{80, 56}, {66, 49}}));
}

// A narrow mountain road: rock on the trainee's right, a drop on the left of the oncoming car.
void mountainRoad(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(0, 0, 34, 105), QColor(120, 170, 220));
    sp.painter().fillRect(QRectF(86, 0, 34, 105), QColor(140, 110, 80));
    for (int y = 6; y < 105; y += 14)
        line(sp, {90, qreal(y)}, {116, qreal(y + 8)}, 1.2, QColor(100, 76, 56));
    twoWayRoad(sp, 34, 86, false);
    car(sp, {73, 84}, 0, true);
    car(sp, {47, 22}, 180, false);
}

// An expressway on-ramp: the trainee on the acceleration lane, cars on the main lanes.
void onRamp(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(18, 0, 84, 105));
    line(sp, {19.5, 0}, {19.5, 105}, 1.2, Paint);
    dashed(sp, {46, 0}, {46, 105}, 1.4, Paint);
    dashed(sp, {74, 0}, {74, 60}, 1.4, Paint, 3, 3);
    line(sp, {74, 60}, {74, 105}, 1.4, Paint);
    sp.painter().fillRect(QRectF(102, 40, 18, 65), Asphalt);
    car(sp, {88, 76}, 0, true);
    move(sp, curve({88, 63}, {88, 48}, {66, 34}));
    car(sp, {60, 30}, 0, false);
    car(sp, {32, 60}, 0, false);
}

// An expressway off-ramp ahead on the right; the trainee is on the main lane.
void offRamp(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(18, 0, 70, 105));
    QPolygonF ramp{{88, 60}, {88, 0}, {118, 0}, {118, 6}};
    sp.fillPolygon(ramp, Asphalt);
    dashed(sp, {53, 0}, {53, 105}, 1.4, Paint);
    dashed(sp, {88, 0}, {88, 60}, 1.4, Paint, 3, 3);
    line(sp, {88, 60}, {88, 105}, 1.4, Paint);
    car(sp, {72, 84}, 0, true);
    move(sp, curve({72, 71}, {74, 44}, {98, 20}));
}

// An expressway with the emergency lane on the right; traffic queues on the main lanes.
void emergencyLane(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(12, 0, 100, 105));
    dashed(sp, {40, 0}, {40, 105}, 1.4, Paint);
    dashed(sp, {68, 0}, {68, 105}, 1.4, Paint);
    line(sp, {96, 0}, {96, 105}, 2, Paint);
    for (qreal y : {12.0, 40.0, 68.0}) {
        car(sp, {26, y}, 0, false);
        car(sp, {54, y + 6}, 0, false, Truck);
    }
    car(sp, {82, 20}, 0, false);
    car(sp, {82, 48}, 0, false, Truck);
    car(sp, {82, 88}, 0, true);
}

// A roundabout: the trainee waits to enter, a car is already going round.
void roundabout(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(44, 0, 32, 105));
    road(sp, QRectF(0, 37, 120, 32));
    QPainterPath ring;
    ring.addEllipse(QPointF(60, 50), 36, 36);
    sp.fill(ring, Asphalt);
    QPainterPath island;
    island.addEllipse(QPointF(60, 50), 16, 16);
    sp.fill(island, Grass);
    line(sp, {61, 86}, {75, 86}, 1.6, Paint);
    car(sp, {68, 93}, 0, true);
    car(sp, {85, 58}, 0, false);
    QPainterPath round;
    round.moveTo(85, 45);
    round.quadTo(83, 28, 70, 22);
    move(sp, round);
}

// A railway crossing without barriers or lights.
void levelCrossing(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 38, 82, true);
    QPainter &p = sp.painter();
    p.fillRect(QRectF(0, 24, 120, 22), QColor(150, 130, 110));
    for (int x = 2; x < 120; x += 8)
        p.fillRect(QRectF(x, 25, 4, 20), QColor(110, 80, 50));
    line(sp, {0, 30}, {120, 30}, 2, QColor(60, 60, 64));
    line(sp, {0, 40}, {120, 40}, 2, QColor(60, 60, 64));
    p.fillRect(QRectF(38, 26, 44, 18), QColor(110, 110, 116));
    line(sp, {0, 30}, {120, 30}, 2, QColor(40, 40, 44));
    line(sp, {0, 40}, {120, 40}, 2, QColor(40, 40, 44));
    car(sp, {71, 86}, 0, true);
}

// Lanes marked for left, straight and right; the trainee is in the straight lane.
void laneChoice(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(6, 0, 108, 105));
    line(sp, {8, 0}, {8, 105}, 1.6, Amber);
    for (qreal x : {42.0, 78.0}) {
        line(sp, {x, 10}, {x, 76}, 1.6, Paint);
        dashed(sp, {x, 80}, {x, 105}, 1.4, Paint);
    }
    line(sp, {8, 10}, {114, 10}, 1.6, Paint);
    // Guide arrows.
    sp.arrow(curve({25, 44}, {25, 26}, {17, 21}), 3, 6, 8, Paint);
    sp.arrow(path({{60, 44}, {60, 22}}), 3, 6, 8, Paint);
    sp.arrow(curve({96, 44}, {96, 26}, {104, 21}), 3, 6, 8, Paint);
    car(sp, {60, 64}, 0, true);
    move(sp, curve({54, 54}, {48, 46}, {32, 44}));
}


// At a junction without a U-turn ban the trainee turns back; an oncoming car goes straight.
void uTurnOncoming(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, false);
    signal(sp, {30, 86}, Light::Green);
    car(sp, {66, 92}, 0, true);
    QPainterPath back;
    back.moveTo(64, 80);
    back.cubicTo(64, 58, 56, 58, 54, 64);
    back.lineTo(54, 70);
    move(sp, back);
    car(sp, {49, 12}, 180, false);
    move(sp, path({{45, 24}, {45, 48}}));
}

// A bus stop on the right; the trainee looks for a place to stop.
void busStop(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 86, false);
    sp.painter().fillRect(QRectF(86, 26, 10, 34), Asphalt);
    dashed(sp, {86, 26}, {86, 60}, 1.4, Paint, 3, 3);
    QPainter &p = sp.painter();
    p.fillRect(QRectF(100, 30, 16, 26), QColor(30, 90, 190));
    sp.text(QStringLiteral("公交"), SignPainter::cjkFont(), QRectF(101, 31, 14, 24), Paint, true, 0.4);
    car(sp, {72, 86}, 0, true);
    move(sp, curve({74, 74}, {78, 60}, {84, 50}));
}

// Two lanes narrow to one; cars queue in both.
void laneMerge(SignPainter &sp)
{
    ground(sp);
    QPolygonF carriage{{30, 0}, {62, 0}, {62, 40}, {90, 66}, {90, 105}, {30, 105}};
    sp.fillPolygon(carriage, Asphalt);
    dashed(sp, {60, 60}, {60, 105}, 1.4, Paint);
    line(sp, {62, 40}, {90, 66}, 1.4, Paint);
    car(sp, {46, 16}, 0, false);
    car(sp, {46, 46}, 0, false);
    car(sp, {75, 62}, -20, false, Truck);
    car(sp, {46, 78}, 0, false);
    car(sp, {75, 90}, 0, true);
}

// Green light, but the far side of the junction is jammed.
void blockedJunction(SignPainter &sp)
{
    ground(sp);
    crossroads(sp, false);
    signal(sp, {30, 86}, Light::Green);
    car(sp, {71, 12}, 0, false);
    car(sp, {71, 36}, 0, false, Truck);
    car(sp, {71, 94}, 0, true);
}

// A slow lorry ahead on a road with a broken centre line; the oncoming side is clear.
void overtakeLorry(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    lorry(sp, {75, 40}, 0);
    car(sp, {75, 88}, 0, true);
    QPainterPath pass;
    pass.moveTo(72, 76);
    pass.cubicTo(50, 62, 45, 40, 50, 22);
    pass.cubicTo(54, 12, 64, 8, 72, 4);
    move(sp, pass);
}

// The same lorry on a road with a solid centre line.
void solidCentreLorry(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, true);
    lorry(sp, {75, 40}, 0);
    car(sp, {75, 88}, 0, true);
}


// An ambulance with its lights on comes up behind the trainee.
void ambulanceBehind(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 30, 90, false);
    car(sp, {75, 32}, 0, true);
    QPainter &p = sp.painter();
    p.save();
    p.translate(75, 80);
    p.fillRect(QRectF(-7.5, -15, 15, 30), QColor(60, 60, 64));
    p.fillRect(QRectF(-6.5, -14, 13, 28), QColor(250, 250, 250));
    p.fillRect(QRectF(-5.5, -10, 11, 3), QColor(30, 40, 60));
    // Blue light bar and a green cross on the roof.
    p.fillRect(QRectF(-6.5, -6, 13, 3), QColor(0, 90, 255));
    p.fillRect(QRectF(-1.5, 0, 3, 10), QColor(0, 160, 90));
    p.fillRect(QRectF(-5, 3.5, 10, 3), QColor(0, 160, 90));
    p.restore();
    move(sp, curve({80, 44}, {86, 54}, {86, 64}));
}

// Two lanes one way: the trainee wants the left lane, a car there is close behind.
void laneChange(SignPainter &sp)
{
    ground(sp);
    road(sp, QRectF(20, 0, 80, 105));
    line(sp, {22, 0}, {22, 105}, 1.6, Paint);
    line(sp, {98, 0}, {98, 105}, 1.6, Paint);
    dashed(sp, {60, 0}, {60, 105}, 1.4, Paint);
    car(sp, {79, 44}, 0, true);
    move(sp, curve({76, 31}, {72, 18}, {46, 8}));
    car(sp, {41, 66}, 0, false);
    move(sp, path({{41, 53}, {41, 36}}));
}

// The trainee has stopped at the kerb; a cyclist comes up on the door side.
void doorOpening(SignPainter &sp)
{
    ground(sp);
    twoWayRoad(sp, 20, 100, false);
    car(sp, {88, 50}, 0, true);
    QPainter &p = sp.painter();
    // Cyclist seen from above: a thin bike and the rider's shoulders.
    p.fillRect(QRectF(71, 78, 2, 16), QColor(20, 20, 20));
    person(sp, {72, 84});
    move(sp, path({{72, 74}, {72, 58}}));
    // The door that must not be opened yet, shown ajar.
    line(sp, {82, 47}, {76, 41}, 2, QColor(160, 20, 26));
}

// A narrow bridge over a river, a slow lorry on it ahead of the trainee.
void narrowBridge(SignPainter &sp)
{
    ground(sp);
    sp.painter().fillRect(QRectF(0, 30, 120, 44), QColor(90, 150, 210));
    twoWayRoad(sp, 42, 78, false);
    line(sp, {40, 28}, {40, 76}, 3, QColor(200, 200, 204));
    line(sp, {80, 28}, {80, 76}, 3, QColor(200, 200, 204));
    car(sp, {69, 92}, 0, true);
    lorry(sp, {69, 50}, 0);
}

const std::array Pictures{
    SignEntry{u"lk_youfanglaiche", u"路况：无信号路口右方来车", rightHandCar, Size},
    SignEntry{u"lk_zuozhuanduixiangzhixing", u"路况：绿灯左转遇对向直行车", leftTurnOncoming, Size},
    SignEntry{u"lk_youzhuanyuzuozhuan", u"路况：右转遇对向左转车", rightTurnMeetsLeftTurn, Size},
    SignEntry{u"lk_hongdengyouzhuan", u"路况：红灯右转遇行人", redRightTurnWalkers, Size},
    SignEntry{u"lk_renxinghengdao", u"路况：人行横道上有行人", walkerOnCrossing, Size},
    SignEntry{u"lk_xiaochedanchedao", u"路况：单车道校车停靠", schoolBusOneLane, Size},
    SignEntry{u"lk_xiaocheduochedao", u"路况：多车道校车停靠", schoolBusTwoLanes, Size},
    SignEntry{u"lk_qianchezuozhuan", u"路况：前车左转时超车", leadCarTurningLeft, Size},
    SignEntry{u"lk_zhaiduzhangai", u"路况：窄路本侧有障碍", narrowObstacle, Size},
    SignEntry{u"lk_zhaipohuiche", u"路况：窄坡路会车", narrowSlope, Size},
    SignEntry{u"lk_shanluhuiche", u"路况：山路会车", mountainRoad, Size},
    SignEntry{u"lk_gaosujiasuchedao", u"路况：高速公路加速车道", onRamp, Size},
    SignEntry{u"lk_gaosujiansuchedao", u"路况：高速公路驶离", offRamp, Size},
    SignEntry{u"lk_yingjichedao", u"路况：高速公路应急车道", emergencyLane, Size},
    SignEntry{u"lk_huandao", u"路况：进入环形路口", roundabout, Size},
    SignEntry{u"lk_tieludaokou", u"路况：无人看守铁路道口", levelCrossing, Size},
    SignEntry{u"lk_daoxiangchedao", u"路况：导向车道", laneChoice, Size},
    SignEntry{u"lk_lukoudiaotou", u"路况：路口掉头遇对向直行车", uTurnOncoming, Size},
    SignEntry{u"lk_gongjiaozhan", u"路况：公交车站旁停车", busStop, Size},
    SignEntry{u"lk_chedaojianshao", u"路况：车道减少处排队", laneMerge, Size},
    SignEntry{u"lk_lukouzuse", u"路况：路口前方阻塞", blockedJunction, Size},
    SignEntry{u"lk_chaoyuehuoche", u"路况：超越慢行货车", overtakeLorry, Size},
    SignEntry{u"lk_shixianhuoche", u"路况：实线路段遇慢行货车", solidCentreLorry, Size},
    SignEntry{u"lk_jiuhuche", u"路况：后方救护车执行紧急任务", ambulanceBehind, Size},
    SignEntry{u"lk_biangengchedao", u"路况：变更车道遇后方来车", laneChange, Size},
    SignEntry{u"lk_kaichemen", u"路况：路边停车开车门", doorOpening, Size},
    SignEntry{u"lk_zhaiqiao", u"路况：窄桥", narrowBridge, Size},
};

} // namespace

std::span<const SignEntry> situationPictures()
{
    return Pictures;
}
