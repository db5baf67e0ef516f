// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signcatalog.h"

#include "signerror.h"
#include "signpainter.h"
#include "guidesigns.h"
#include "roadpictures.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <QSet>

#include <array>
#include <vector>
#include <cmath>

namespace {

using P = SignPainter;

// Draws with the symbol box mirrored left to right, for the right-hand twin of a left sign.
class Mirror {
public:
    explicit Mirror(SignPainter &sp)
        : m_painter(sp.painter())
    {
        m_painter.save();
        m_painter.translate(100, 0);
        m_painter.scale(-1, 1);
    }
    ~Mirror() { m_painter.restore(); }
    Mirror(const Mirror &) = delete;
    Mirror &operator=(const Mirror &) = delete;

private:
    QPainter &m_painter;
};

// ---- shared symbols -----------------------------------------------------------------

// An arrow that goes up from the bottom and bends into a left turn.
void leftTurnArrow(SignPainter &sp, const QColor &colour, qreal stem, qreal turnY, qreal width)
{
    QPainterPath path;
    path.moveTo(stem, 100);
    path.lineTo(stem, turnY + 24);
    path.cubicTo(stem, turnY + 4, stem - 8, turnY, stem - 24, turnY);
    path.lineTo(stem - 30, turnY);
    sp.arrow(path, width, width * 1.5, width * 2.5, colour);
}

void uTurnArrow(SignPainter &sp, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(68, 100);
    path.lineTo(68, 42);
    path.cubicTo(68, 8, 28, 8, 28, 42);
    path.lineTo(28, 50);
    sp.arrow(path, 15, 22, 38, colour);
}

void speedNumber(SignPainter &sp, const QString &number, const QColor &colour)
{
    sp.text(number, P::numberFont(), QRectF(4, 15, 92, 70), colour, true);
}

void slope(SignPainter &sp, bool uphill)
{
    // The slope rises or falls to the right; the car drives to the right along it.
    const QPolygonF wedge{{0, 100}, {100, 100}, {100, 46}};
    if (uphill) {
        sp.fillPolygon(wedge, P::Black);
    } else {
        Mirror mirror(sp);
        sp.fillPolygon(wedge, P::Black);
    }
    const qreal angle = std::atan2(54.0, 100.0) * 180 / M_PI;
    // The car sits on the upper half of the slope and the gradient on the low side, with a
    // clear gap between them.
    const qreal carX = uphill ? 72 : 28;
    const qreal groundY = uphill ? 100 - carX * 0.54 : 46 + carX * 0.54;
    QPainter &p = sp.painter();
    p.save();
    p.translate(carX, groundY);
    p.rotate(uphill ? -angle : angle);
    // The car's wheels stand on the slope, not their yellow rims.
    sp.carSide(QTransform::fromTranslate(-24, -41.5).scale(0.48, 0.48), P::Black, P::Yellow);
    p.restore();
    const QRectF label = uphill ? QRectF(0, 54, 38, 17) : QRectF(62, 54, 38, 17);
    sp.text(QStringLiteral("10%"), P::numberFont(), label, P::Black);
}

// ---- warning signs ------------------------------------------------------------------

void crossroads(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath cross;
    cross.moveTo(50, 2);
    cross.lineTo(50, 98);
    cross.moveTo(4, 58);
    cross.lineTo(96, 58);
    sp.stroke(cross, 16, P::Black);
}

void sharpLeft(SignPainter &sp)
{
    sp.warningTriangle();
    leftTurnArrow(sp, P::Black, 62, 30, 13);
}

void sharpRight(SignPainter &sp)
{
    sp.warningTriangle();
    Mirror mirror(sp);
    leftTurnArrow(sp, P::Black, 62, 30, 13);
}

void windingRoad(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath path;
    path.moveTo(36, 100);
    path.cubicTo(36, 82, 64, 82, 64, 66);
    path.cubicTo(64, 50, 36, 50, 36, 34);
    path.cubicTo(36, 26, 42, 22, 50, 20);
    sp.arrow(path, 11, 17, 30, P::Black);
}

void steepAscent(SignPainter &sp)
{
    sp.warningTriangle();
    slope(sp, true);
}

void steepDescent(SignPainter &sp)
{
    sp.warningTriangle();
    slope(sp, false);
}

void pedestrians(SignPainter &sp)
{
    sp.warningTriangle();
    sp.walker(P::place(2, 2, 0.96), P::Black);
}

void children(SignPainter &sp)
{
    sp.warningTriangle();
    sp.child(P::place(-14, 18, 0.8), P::Black);
    sp.child(P::place(36, 30, 0.68), P::Black);
}

void trafficLights(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath housing;
    housing.addRoundedRect(QRectF(31, 2, 38, 96), 8, 8);
    sp.fill(housing, P::Black);
    QPainter &p = sp.painter();
    p.setBrush(P::Red);
    p.drawEllipse(QPointF(50, 20), 12, 12);
    p.setBrush(P::Yellow);
    p.drawEllipse(QPointF(50, 50), 12, 12);
    p.setBrush(QColor(0, 160, 80));
    p.drawEllipse(QPointF(50, 80), 12, 12);
}

void slippery(SignPainter &sp)
{
    sp.warningTriangle();
    QPainter &p = sp.painter();
    p.save();
    p.translate(50, 30);
    p.rotate(-12);
    sp.carRear(QTransform::fromTranslate(-30, -30).scale(0.6, 0.6), P::Black, P::Yellow);
    p.restore();
    for (qreal dx : {-14.0, 14.0}) {
        QPainterPath track;
        track.moveTo(42 + dx, 60);
        track.cubicTo(60 + dx, 70, 26 + dx, 80, 48 + dx, 98);
        sp.stroke(track, 5, P::Black, Qt::RoundCap);
    }
}

void roadworks(SignPainter &sp)
{
    sp.warningTriangle();
    QPainter &p = sp.painter();
    p.setBrush(P::Black);
    p.drawEllipse(QPointF(30, 26), 8, 8);
    sp.limb({{30, 38}, {42, 62}}, 12, P::Black);
    sp.limb({{42, 62}, {34, 78}, {30, 96}}, 9, P::Black);
    sp.limb({{42, 62}, {54, 76}, {56, 96}}, 9, P::Black);
    sp.limb({{32, 42}, {46, 52}, {56, 56}}, 6.5, P::Black);
    sp.limb({{34, 44}, {48, 62}, {62, 68}}, 6.5, P::Black);
    // The shovel, its blade in the heap.
    sp.limb({{50, 46}, {74, 80}}, 4.5, P::Black);
    sp.fillPolygon({{68, 78}, {80, 72}, {88, 88}, {78, 94}}, P::Black);
    QPainterPath heap;
    heap.moveTo(64, 98);
    heap.cubicTo(72, 80, 90, 76, 100, 98);
    heap.closeSubpath();
    sp.fill(heap, P::Black);
}

void railwayCrossing(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath body;
    body.addRoundedRect(QRectF(8, 48, 58, 24), 4, 4);   // boiler
    body.addRect(QRectF(14, 34, 10, 16));                // chimney
    body.addRect(QRectF(11, 30, 16, 6));
    body.addRoundedRect(QRectF(36, 40, 10, 10), 3, 3);  // dome
    body.addRect(QRectF(64, 36, 28, 38));                // cab
    body.addRect(QRectF(60, 32, 36, 6));                 // cab roof
    body.addRect(QRectF(4, 70, 92, 8));                  // frame
    sp.fill(body, P::Black);
    sp.fillPolygon({{0, 78}, {8, 66}, {8, 78}}, P::Black);
    sp.fillPolygon({{70, 42}, {86, 42}, {86, 54}, {70, 54}}, P::Yellow);
    QPainter &p = sp.painter();
    for (const QPointF &c : {QPointF(20, 86), QPointF(42, 86), QPointF(64, 86), QPointF(84, 88)}) {
        const qreal r = c.x() > 80 ? 7 : 9;
        p.setBrush(P::Yellow);
        p.drawEllipse(c, r + 2, r + 2);
        p.setBrush(P::Black);
        p.drawEllipse(c, r, r);
    }
}

void fallingRocks(SignPainter &sp)
{
    sp.warningTriangle();
    sp.fillPolygon({{-2, 100}, {-2, 34}, {8, 26}, {16, 34}, {24, 30}, {30, 44}, {26, 56}, {34, 66},
                    {30, 80}, {38, 100}}, P::Black);
    sp.fillPolygon({{44, 26}, {58, 22}, {64, 34}, {56, 44}, {42, 40}}, P::Black);
    sp.fillPolygon({{58, 52}, {74, 48}, {82, 60}, {72, 70}, {56, 66}}, P::Black);
    sp.fillPolygon({{62, 82}, {80, 78}, {90, 90}, {82, 100}, {60, 98}}, P::Black);
}

void roadNarrows(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath edges;
    edges.moveTo(22, 100);
    edges.lineTo(22, 64);
    edges.lineTo(38, 44);
    edges.lineTo(38, 8);
    edges.moveTo(78, 100);
    edges.lineTo(78, 64);
    edges.lineTo(62, 44);
    edges.lineTo(62, 8);
    sp.stroke(edges, 11, P::Black);
}

// ---- prohibition signs --------------------------------------------------------------

void noVehicles(SignPainter &sp)
{
    sp.prohibitionDisc();
}

void noEntry(SignPainter &sp)
{
    sp.redDisc();
    sp.fillPolygon({{13, 41}, {87, 41}, {87, 59}, {13, 59}}, P::White);
}

void noLeftTurn(SignPainter &sp)
{
    // The slash runs from the top left, so the arrow turns low enough for its head to
    // stay clear of it.
    sp.prohibitionDisc();
    leftTurnArrow(sp, P::Black, 66, 58, 15);
    sp.prohibitionSlash();
}

void noRightTurn(SignPainter &sp)
{
    sp.prohibitionDisc();
    {
        Mirror mirror(sp);
        leftTurnArrow(sp, P::Black, 62, 30, 15);
    }
    sp.prohibitionSlash();
}

void noUTurn(SignPainter &sp)
{
    sp.prohibitionDisc();
    uTurnArrow(sp, P::Black);
    sp.prohibitionSlash();
}

void noOvertaking(SignPainter &sp)
{
    // A red car beside a black one, without a slash: the red car may not pass.
    sp.prohibitionDisc();
    sp.carRear(P::place(2, 22, 0.46), P::Red, P::White);
    sp.carRear(P::place(52, 22, 0.46), P::Black, P::White);
}

void noHorn(SignPainter &sp)
{
    sp.prohibitionDisc();
    sp.horn(P::place(2, 4, 0.92), P::Black);
    sp.prohibitionSlash();
}

void speedLimit40(SignPainter &sp)
{
    sp.prohibitionDisc();
    speedNumber(sp, QStringLiteral("40"), P::Black);
}

void speedLimit40Ends(SignPainter &sp)
{
    sp.derestrictionDisc();
    speedNumber(sp, QStringLiteral("40"), P::Grey);
    QPainterPath lines;
    for (int i = -2; i <= 2; ++i) {
        const qreal shift = i * 11.0;
        lines.moveTo(92 + shift, 0 + shift);
        lines.lineTo(0 + shift, 92 + shift);
    }
    sp.stroke(lines, 2.6, P::Black);
}

void noParking(SignPainter &sp)
{
    sp.prohibitionDisc(P::Blue);
    sp.prohibitionCross();
}

void noLongParking(SignPainter &sp)
{
    sp.prohibitionDisc(P::Blue);
    sp.prohibitionSlash();
}

void stopAndYield(SignPainter &sp)
{
    sp.stopOctagon();
    sp.text(QStringLiteral("停"), P::cjkFont(), QRectF(8, 6, 84, 88), P::White, false, 5);
}

void slowAndYield(SignPainter &sp)
{
    sp.yieldTriangle();
    sp.text(QStringLiteral("让"), P::cjkFont(), QRectF(4, 4, 92, 92), P::Black, false, 6);
}

// ---- mandatory signs ----------------------------------------------------------------

void straightOn(SignPainter &sp)
{
    sp.mandatoryDisc();
    QPainterPath path;
    path.moveTo(50, 100);
    path.lineTo(50, 36);
    sp.arrow(path, 20, 34, 52, P::White);
}

void turnLeft(SignPainter &sp)
{
    sp.mandatoryDisc();
    leftTurnArrow(sp, P::White, 66, 30, 19);
}

void keepRight(SignPainter &sp)
{
    sp.mandatoryDisc();
    QPainterPath path;
    path.moveTo(14, 14);
    path.lineTo(64, 64);
    sp.arrow(path, 20, 30, 50, P::White);
}

void roundabout(SignPainter &sp)
{
    sp.mandatoryDisc();
    const QRectF ring(13, 13, 74, 74);
    for (int i = 0; i < 3; ++i) {
        // Counter-clockwise: traffic keeps right and goes round the island to its left.
        const qreal start = -30 + 120.0 * i;
        QPainterPath arc;
        arc.arcMoveTo(ring, start);
        arc.arcTo(ring, start, 68);
        sp.arrow(arc, 12, 18, 30, P::White);
    }
}

void soundHorn(SignPainter &sp)
{
    sp.mandatoryDisc();
    sp.horn(P::place(2, 4, 0.92), P::White);
}

void minimumSpeed50(SignPainter &sp)
{
    sp.mandatoryDisc();
    sp.text(QStringLiteral("50"), P::numberFont(), QRectF(6, 15, 88, 70), P::White, true);
}

// ---- indication and guide signs -----------------------------------------------------

void parking(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    sp.text(QStringLiteral("P"), P::numberFont(), QRectF(18, 2, 64, 96), P::White, true);
}

void pedestrianCrossing(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    sp.walker(P::place(20, -6, 0.78), P::White);
    for (int i = 0; i < 5; ++i) {
        const qreal x = -4 + i * 22;
        sp.fillPolygon({{x + 6, 80}, {x + 18, 80}, {x + 12, 100}, {x, 100}}, P::White);
    }
}

void expresswayStart(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    // A road running into the distance under an overpass.
    sp.fillPolygon({{2, 100}, {98, 100}, {58, 14}, {42, 14}}, P::White);
    QPainterPath centre;
    centre.moveTo(50, 100);
    centre.lineTo(50, 14);
    QPen pen(P::Green, 5, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({2.4, 1.6});
    sp.painter().setPen(pen);
    sp.painter().drawPath(centre);
    sp.painter().setPen(Qt::NoPen);
    sp.fillPolygon({{-40, 24}, {140, 24}, {140, 46}, {-40, 46}}, P::Green);
    sp.fillPolygon({{-40, 28}, {140, 28}, {140, 42}, {-40, 42}}, P::White);
}


// ---- junctions and more warning signs ------------------------------------------------

// The through road runs across the top and the side road comes up from below.
void tJunction(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath road;
    road.moveTo(6, 50);
    road.lineTo(94, 50);
    road.moveTo(50, 50);
    road.lineTo(50, 98);
    sp.stroke(road, 16, P::Black);
}

// The through road goes straight on and a side road joins it from the right.
void sideRoadRight(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath road;
    road.moveTo(42, 4);
    road.lineTo(42, 98);
    road.moveTo(42, 60);
    road.lineTo(96, 60);
    sp.stroke(road, 16, P::Black);
}

void sideRoadLeft(SignPainter &sp)
{
    sp.warningTriangle();
    Mirror mirror(sp);
    QPainterPath road;
    road.moveTo(42, 4);
    road.lineTo(42, 98);
    road.moveTo(42, 60);
    road.lineTo(96, 60);
    sp.stroke(road, 16, P::Black);
}

void yJunction(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath road;
    road.moveTo(50, 98);
    road.lineTo(50, 58);
    road.lineTo(26, 14);
    road.moveTo(50, 58);
    road.lineTo(74, 14);
    sp.stroke(road, 15, P::Black, Qt::FlatCap, Qt::MiterJoin);
}

void tunnel(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath portal;
    portal.moveTo(4, 98);
    portal.lineTo(4, 56);
    portal.cubicTo(4, 18, 96, 18, 96, 56);
    portal.lineTo(96, 98);
    portal.closeSubpath();
    QPainterPath opening;
    opening.moveTo(24, 98);
    opening.lineTo(24, 64);
    opening.cubicTo(24, 36, 76, 36, 76, 64);
    opening.lineTo(76, 98);
    opening.closeSubpath();
    sp.fill(portal.subtracted(opening), P::Black);
}

void crosswind(SignPainter &sp)
{
    sp.warningTriangle();
    sp.limb({{22, 14}, {22, 98}}, 6, P::Black);
    sp.fillPolygon({{14, 98}, {30, 98}, {30, 94}, {14, 94}}, P::Black);
    // The windsock, blown straight out, with two light bands.
    const QPolygonF sock{{25, 18}, {92, 30}, {92, 40}, {25, 50}};
    sp.fillPolygon(sock, P::Black);
    for (const qreal x : {44.0, 68.0}) {
        const qreal top = 18 + (x - 25) * 12 / 67, bottom = 50 - (x - 25) * 10 / 67;
        const qreal top2 = 18 + (x + 10 - 25) * 12 / 67, bottom2 = 50 - (x + 10 - 25) * 10 / 67;
        sp.fillPolygon({{x, top + 2}, {x + 10, top2 + 2}, {x + 10, bottom2 - 2}, {x, bottom - 2}}, P::Yellow);
    }
}

void narrowBridge(SignPainter &sp)
{
    sp.warningTriangle();
    QPainterPath edges;
    for (const qreal side : {-1.0, 1.0}) {
        const qreal x = 50 + side * 16;
        edges.moveTo(50 + side * 26, 8);
        edges.lineTo(x, 22);
        edges.lineTo(x, 82);
        edges.lineTo(50 + side * 30, 98);
    }
    sp.stroke(edges, 10, P::Black);
}

void accidentBlackspot(SignPainter &sp)
{
    sp.warningTriangle();
    QPainter &p = sp.painter();
    p.save();
    p.translate(28, 72);
    p.rotate(14);
    sp.carSide(QTransform::fromTranslate(-26, -26).scale(0.52, 0.52), P::Black, P::Yellow);
    p.restore();
    p.save();
    p.translate(72, 72);
    p.rotate(-14);
    sp.carSide(QTransform::fromTranslate(-26, -26).scale(0.52, 0.52), P::Black, P::Yellow);
    p.restore();
    // The crash: a burst above where the cars meet.
    QPolygonF burst;
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8;
        const qreal r = i % 2 ? 7 : 17;
        burst << QPointF(50 + r * std::sin(a), 38 - r * std::cos(a));
    }
    sp.fillPolygon(burst, P::Black);
}

void cyclists(SignPainter &sp)
{
    sp.warningTriangle();
    sp.bicycle(P::place(0, 12, 1.0), P::Black);
}

// ---- more prohibition signs ---------------------------------------------------------

void limitText(SignPainter &sp, const QString &text, const QRectF &box)
{
    sp.text(text, P::numberFont(), box, P::Black, true);
}

void heightLimit(SignPainter &sp)
{
    sp.prohibitionDisc();
    limitText(sp, QStringLiteral("3.5m"), QRectF(4, 31, 92, 38));
    sp.fillPolygon({{36, 6}, {64, 6}, {50, 24}}, P::Black);
    sp.fillPolygon({{36, 94}, {64, 94}, {50, 76}}, P::Black);
}

void widthLimit(SignPainter &sp)
{
    sp.prohibitionDisc();
    limitText(sp, QStringLiteral("3m"), QRectF(25, 28, 50, 44));
    sp.fillPolygon({{4, 36}, {4, 64}, {21, 50}}, P::Black);
    sp.fillPolygon({{96, 36}, {96, 64}, {79, 50}}, P::Black);
}

void weightLimit(SignPainter &sp)
{
    sp.prohibitionDisc();
    limitText(sp, QStringLiteral("10t"), QRectF(4, 20, 92, 60));
}

void axleLoadLimit(SignPainter &sp)
{
    sp.prohibitionDisc();
    limitText(sp, QStringLiteral("10t"), QRectF(14, 4, 72, 46));
    // One axle seen from behind: twin wheels on each end of the beam.
    QPainterPath wheels;
    for (const qreal x : {6.0, 20.0, 68.0, 82.0})
        wheels.addRoundedRect(QRectF(x, 58, 12, 34), 3, 3);
    sp.fill(wheels, P::Black);
    sp.fillPolygon({{30, 71}, {70, 71}, {70, 79}, {30, 79}}, P::Black);
}

void yieldToOncoming(SignPainter &sp)
{
    sp.prohibitionDisc();
    QPainterPath down;
    down.moveTo(32, 4);
    down.lineTo(32, 74);
    sp.arrow(down, 14, 24, 36, P::Black);
    QPainterPath up;
    up.moveTo(68, 96);
    up.lineTo(68, 28);
    sp.arrow(up, 11, 22, 30, P::Red);
}

void noMotorVehicles(SignPainter &sp)
{
    sp.prohibitionDisc();
    sp.carRear(P::place(6, 10, 0.88), P::Black, P::White);
    sp.prohibitionSlash();
}

void noTrucks(SignPainter &sp)
{
    sp.prohibitionDisc();
    sp.truckSide(P::place(-2, 4, 1.04), P::Black, P::White);
    sp.prohibitionSlash();
}

void noMotorcycles(SignPainter &sp)
{
    sp.prohibitionDisc();
    sp.motorcycle(P::place(-2, 4, 1.04), P::Black, P::White);
    sp.prohibitionSlash();
}

void noBicycles(SignPainter &sp)
{
    sp.prohibitionDisc();
    sp.bicycle(P::place(-2, 0, 1.04), P::Black);
    sp.prohibitionSlash();
}

// A white plate with the speed-limit disc and the word for "zone" under it.
void zoneSpeedLimit(SignPainter &sp)
{
    sp.rectanglePlate(P::White, P::Black);
    const qreal width = sp.wholePlate();
    QPainterPath border;
    border.addRoundedRect(QRectF(1, 1, width - 2, 98), 7, 7);
    sp.stroke(border, 2.4, P::Black);
    QPainter &p = sp.painter();
    const QPointF centre(width / 2, 37);
    p.setBrush(P::Red);
    p.drawEllipse(centre, 31, 31);
    p.setBrush(P::White);
    p.drawEllipse(centre, 25, 25);
    sp.text(QStringLiteral("30"), P::numberFont(), QRectF(centre.x() - 18, 24, 36, 26), P::Black, true);
    sp.text(QStringLiteral("区域"), P::cjkFont(), QRectF(width / 2 - 30, 72, 60, 22), P::Black, false, 2);
}

// ---- more mandatory signs -----------------------------------------------------------

void uTurnAllowed(SignPainter &sp)
{
    sp.mandatoryDisc();
    uTurnArrow(sp, P::White);
}

void oneWayRight(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    const qreal width = sp.wholePlate();
    QPainterPath path;
    path.moveTo(14, 50);
    path.lineTo(width - 46, 50);
    sp.arrow(path, 24, 34, 56, P::White);
}

// Up on the right in white for the traffic facing the sign, down on the left in red for
// the oncoming traffic that gives way.
void priorityOverOncoming(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    QPainterPath up;
    up.moveTo(66, 98);
    up.lineTo(66, 26);
    sp.arrow(up, 15, 24, 38, P::White);
    QPainterPath down;
    down.moveTo(30, 2);
    down.lineTo(30, 72);
    sp.arrow(down, 10, 20, 28, P::Red);
}

// A bus over a downward arrow that points at the lane.
void busLane(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    const qreal width = sp.wholePlate();
    sp.busFront(P::place(width / 2 - 26, 7, 0.52), P::White, P::Blue);
    QPainterPath down;
    down.moveTo(width / 2, 62);
    down.lineTo(width / 2, 74);
    sp.arrow(down, 12, 18, 30, P::White);
}

// Lane arrows over four lanes: left, straight on, straight on, right.
void laneDirections(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    const qreal width = sp.wholePlate();
    const qreal lane = (width - 24) / 4;
    QPainterPath dividers;
    for (int i = 1; i < 4; ++i) {
        dividers.moveTo(12 + lane * i, 14);
        dividers.lineTo(12 + lane * i, 86);
    }
    sp.stroke(dividers, 2.4, P::White);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 12 + lane * (i + 0.5) + (i == 0 ? 3 : i == 3 ? -3 : 0);
        QPainterPath path;
        path.moveTo(x, 88);
        if (i == 1 || i == 2) {
            path.lineTo(x, 34);
            sp.arrow(path, 7, 16, 18, P::White);
            continue;
        }
        const qreal turn = i == 0 ? -1 : 1;
        path.lineTo(x, 56);
        path.cubicTo(x, 46, x, 44, x + turn * 4, 44);
        sp.arrow(path, 7, 11, 19, P::White);
    }
}

// ---- guide signs --------------------------------------------------------------------

// A crossroads ahead with the place each arm leads to.
void junctionDirections(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    const qreal width = sp.wholePlate();
    const qreal cx = width / 2;
    QPainterPath straight;
    straight.moveTo(cx, 96);
    straight.lineTo(cx, 40);
    sp.arrow(straight, 9, 12, 20, P::White);
    QPainterPath left;
    left.moveTo(cx, 62);
    left.lineTo(cx - 22, 62);
    sp.arrow(left, 9, 12, 20, P::White);
    QPainterPath right;
    right.moveTo(cx, 62);
    right.lineTo(cx + 22, 62);
    sp.arrow(right, 9, 12, 20, P::White);
    const QFont font = P::cjkFont();
    sp.text(QStringLiteral("人民路"), font, QRectF(cx - 28, 8, 56, 17), P::White, false, 1.2);
    sp.text(QStringLiteral("西站"), font, QRectF(4, 70, cx - 22, 18), P::White, false, 1.2);
    sp.text(QStringLiteral("东湖"), font, QRectF(cx + 18, 70, cx - 22, 18), P::White, false, 1.2);
}

// The service area 2 km ahead: fuel and food symbols over the name and distance.
void serviceAreaAhead(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    // The fuel pump.
    QPainterPath pump;
    pump.addRoundedRect(QRectF(width / 2 - 40, 12, 20, 36), 2, 2);
    sp.fill(pump, P::White);
    sp.fillPolygon({{width / 2 - 36, 16}, {width / 2 - 24, 16}, {width / 2 - 24, 26}, {width / 2 - 36, 26}}, P::Green);
    sp.limb({{width / 2 - 20, 20}, {width / 2 - 13, 26}, {width / 2 - 13, 42}}, 3, P::White);
    // Knife and fork.
    sp.limb({{width / 2 + 20, 12}, {width / 2 + 20, 48}}, 4, P::White);
    sp.limb({{width / 2 + 15, 12}, {width / 2 + 15, 22}, {width / 2 + 25, 22}, {width / 2 + 25, 12}}, 3, P::White);
    QPainterPath blade;
    blade.moveTo(width / 2 + 34, 48);
    blade.lineTo(width / 2 + 34, 12);
    blade.cubicTo(width / 2 + 42, 16, width / 2 + 42, 28, width / 2 + 36, 32);
    blade.lineTo(width / 2 + 36, 48);
    blade.closeSubpath();
    sp.fill(blade, P::White);
    sp.text(QStringLiteral("服务区"), P::cjkFont(), QRectF(8, 58, width * 0.52, 30), P::White, false, 1.5);
    sp.text(QStringLiteral("2km"), P::numberFont(), QRectF(width * 0.62, 62, width * 0.3, 22), P::White);
}

// ---- supplementary plates -----------------------------------------------------------

// A plate of one colour with a black line inset along its edge; returns its width in
// plate units (the plate is 100 units high).
qreal linedPlate(SignPainter &sp, const QColor &colour, qreal inset, qreal radius)
{
    sp.rectanglePlate(colour, P::Black);
    const qreal width = sp.wholePlate();
    QPainterPath border;
    border.addRoundedRect(QRectF(inset, inset, width - 2 * inset, 100 - 2 * inset), radius, radius);
    sp.stroke(border, 3, P::Black);
    return width;
}

// A white plate with a black border.
qreal supplementaryPlate(SignPainter &sp)
{
    return linedPlate(sp, P::White, 4, 8);
}

void timeRangePlate(SignPainter &sp)
{
    const qreal width = supplementaryPlate(sp);
    sp.text(QStringLiteral("7:00-19:00"), P::numberFont(), QRectF(10, 26, width - 20, 48), P::Black);
}

void vehicleTypePlate(SignPainter &sp)
{
    const qreal width = supplementaryPlate(sp);
    sp.truckSide(QTransform::fromTranslate(width / 2 - 40, 12).scale(0.8, 0.8), P::Black, P::White);
}

void distanceAheadPlate(SignPainter &sp)
{
    const qreal width = supplementaryPlate(sp);
    sp.text(QStringLiteral("向前"), P::cjkFont(), QRectF(16, 28, width * 0.36, 44), P::Black, false, 1.5);
    sp.text(QStringLiteral("200m"), P::numberFont(), QRectF(width * 0.5, 32, width * 0.42, 36), P::Black);
}

// ---- work zones ---------------------------------------------------------------------

// An orange plate with a black border, for work zones.
qreal workZonePlate(SignPainter &sp)
{
    return linedPlate(sp, P::Orange, 3.5, 6);
}

void workAhead(SignPainter &sp)
{
    const qreal width = workZonePlate(sp);
    sp.text(QStringLiteral("前方施工"), P::cjkFont(), QRectF(12, 14, width - 24, 34), P::Black, false, 1.8);
    sp.text(QStringLiteral("300m"), P::numberFont(), QRectF(width * 0.25, 58, width * 0.5, 28), P::Black);
}

// Two lanes ahead become one: the left lane's edge bends in to meet the lane line and an
// arrow shows its traffic moving over to the right lane.
void laneEnds(SignPainter &sp)
{
    const qreal width = workZonePlate(sp);
    const qreal left = 30, right = width - 30, middle = width / 2;
    QPainterPath edges;
    edges.moveTo(left, 94);
    edges.lineTo(left, 60);
    edges.lineTo(middle, 34);
    edges.lineTo(middle, 8);
    edges.moveTo(right, 94);
    edges.lineTo(right, 8);
    sp.stroke(edges, 5, P::Black, Qt::FlatCap, Qt::RoundJoin);
    QPen dashed(P::Black, 3, Qt::CustomDashLine, Qt::FlatCap);
    dashed.setDashPattern({2.5, 2});
    QPainter &p = sp.painter();
    p.setPen(dashed);
    p.drawLine(QPointF(middle, 94), QPointF(middle, 38));
    p.setPen(Qt::NoPen);
    const qreal from = (left + middle) / 2, to = (middle + right) / 2;
    QPainterPath merge;
    merge.moveTo(from, 92);
    merge.lineTo(from, 78);
    merge.cubicTo(from, 60, to, 66, to, 46);
    merge.lineTo(to, 36);
    sp.arrow(merge, 7, 13, 18, P::Black);
}

// Picture sizes: the exam window shows a picture in a 120-pixel-wide space at the top right
// of the question box with 105 pixels of height before the choice rows, so every shape is
// as large as that space allows.
constexpr QSize Triangle(120, 105);
constexpr QSize Disc(104, 104);
constexpr QSize Octagon(104, 104);
constexpr QSize Square(104, 104);
constexpr QSize Wide(120, 84);
constexpr QSize Guide(120, 92);
constexpr QSize Plate(120, 64);
constexpr QSize Tall(86, 104);

const std::array Entries{
    SignEntry{u"jg_shizijiaocha", u"十字交叉路口", crossroads, Triangle},
    SignEntry{u"jg_xiangzuojiwan", u"向左急弯路", sharpLeft, Triangle},
    SignEntry{u"jg_xiangyoujiwan", u"向右急弯路", sharpRight, Triangle},
    SignEntry{u"jg_lianxuwanlu", u"连续弯路", windingRoad, Triangle},
    SignEntry{u"jg_shangdopo", u"上陡坡", steepAscent, Triangle},
    SignEntry{u"jg_xiadopo", u"下陡坡", steepDescent, Triangle},
    SignEntry{u"jg_zhuyixingren", u"注意行人", pedestrians, Triangle},
    SignEntry{u"jg_zhuyiertong", u"注意儿童", children, Triangle},
    SignEntry{u"jg_zhuyixinhaodeng", u"注意信号灯", trafficLights, Triangle},
    SignEntry{u"jg_yihua", u"易滑", slippery, Triangle},
    SignEntry{u"jg_shigong", u"施工", roadworks, Triangle},
    SignEntry{u"jg_wurenkanshoutiedao", u"无人看守铁道道口", railwayCrossing, Triangle},
    SignEntry{u"jg_zhuyiluoshi", u"注意落石", fallingRocks, Triangle},
    SignEntry{u"jg_liangcebianzhai", u"两侧变窄", roadNarrows, Triangle},
    SignEntry{u"jz_jinzhitongxing", u"禁止通行", noVehicles, Disc},
    SignEntry{u"jz_jinzhishiru", u"禁止驶入", noEntry, Disc},
    SignEntry{u"jz_jinzhixiangzuozhuanwan", u"禁止向左转弯", noLeftTurn, Disc},
    SignEntry{u"jz_jinzhixiangyouzhuanwan", u"禁止向右转弯", noRightTurn, Disc},
    SignEntry{u"jz_jinzhidiaotou", u"禁止掉头", noUTurn, Disc},
    SignEntry{u"jz_jinzhichaoche", u"禁止超车", noOvertaking, Disc},
    SignEntry{u"jz_jinzhiminglaba", u"禁止鸣喇叭", noHorn, Disc},
    SignEntry{u"jz_xianzhisudu40", u"限制速度（40公里/小时）", speedLimit40, Disc},
    SignEntry{u"jz_jiechuxiansu40", u"解除限制速度（40公里/小时）", speedLimit40Ends, Disc},
    SignEntry{u"jz_jinzhitingche", u"禁止停车", noParking, Disc},
    SignEntry{u"jz_jinzhichangshijiantingche", u"禁止长时间停车", noLongParking, Disc},
    SignEntry{u"jz_tingcherangxing", u"停车让行", stopAndYield, Octagon},
    SignEntry{u"jz_jiansurangxing", u"减速让行", slowAndYield, Triangle},
    SignEntry{u"zs_zhixing", u"直行", straightOn, Disc},
    SignEntry{u"zs_xiangzuozhuanwan", u"向左转弯", turnLeft, Disc},
    SignEntry{u"zs_kaoyoucexingshi", u"靠右侧道路行驶", keepRight, Disc},
    SignEntry{u"zs_huandaoxingshi", u"环岛行驶", roundabout, Disc},
    SignEntry{u"zs_minglaba", u"鸣喇叭", soundHorn, Disc},
    SignEntry{u"zs_zuidixiansu50", u"最低限速（50公里/小时）", minimumSpeed50, Disc},
    SignEntry{u"zl_tingchechang", u"停车场", parking, Square},
    SignEntry{u"zl_renxinghengdao", u"人行横道", pedestrianCrossing, Square},
    SignEntry{u"zl_gaosugongluqidian", u"高速公路起点", expresswayStart, Wide},
    SignEntry{u"jg_dingzijiaocha", u"T形交叉路口", tJunction, Triangle},
    SignEntry{u"jg_dingzijiaocha_you", u"T形交叉路口（右侧路口）", sideRoadRight, Triangle},
    SignEntry{u"jg_dingzijiaocha_zuo", u"T形交叉路口（左侧路口）", sideRoadLeft, Triangle},
    SignEntry{u"jg_yxingjiaocha", u"Y形交叉路口", yJunction, Triangle},
    SignEntry{u"jg_suidao", u"隧道", tunnel, Triangle},
    SignEntry{u"jg_zhuyihengfeng", u"注意横风", crosswind, Triangle},
    SignEntry{u"jg_zhaiqiao", u"窄桥", narrowBridge, Triangle},
    SignEntry{u"jg_shiguyifa", u"事故易发路段", accidentBlackspot, Triangle},
    SignEntry{u"jg_zhuyifeijidongche", u"注意非机动车", cyclists, Triangle},
    SignEntry{u"jz_xianzhigaodu", u"限制高度（3.5米）", heightLimit, Disc},
    SignEntry{u"jz_xianzhikuandu", u"限制宽度（3米）", widthLimit, Disc},
    SignEntry{u"jz_xianzhizhiliang", u"限制质量（10吨）", weightLimit, Disc},
    SignEntry{u"jz_xianzhizhouzhong", u"限制轴重（10吨）", axleLoadLimit, Disc},
    SignEntry{u"jz_huicherangxing", u"会车让行", yieldToOncoming, Disc},
    SignEntry{u"jz_jinzhijidongche", u"禁止机动车驶入", noMotorVehicles, Disc},
    SignEntry{u"jz_jinzhihuoche", u"禁止载货汽车驶入", noTrucks, Disc},
    SignEntry{u"jz_jinzhimotuoche", u"禁止摩托车驶入", noMotorcycles, Disc},
    SignEntry{u"jz_jinzhifeijidongche", u"禁止非机动车进入", noBicycles, Disc},
    SignEntry{u"jz_quyuxiansu30", u"区域限制速度（30公里/小时）", zoneSpeedLimit, Tall},
    SignEntry{u"zs_yunxudiaotou", u"允许掉头", uTurnAllowed, Disc},
    SignEntry{u"zs_danxinglu", u"单行路（向右）", oneWayRight, Plate},
    SignEntry{u"zs_huichexianxing", u"会车先行", priorityOverOncoming, Square},
    SignEntry{u"zs_gongjiaozhuanyong", u"公交线路专用车道", busLane, Tall},
    SignEntry{u"zs_fenxiangchedao", u"分向行驶车道", laneDirections, Guide},
    SignEntry{u"zl_lukoufangxiang", u"交叉路口预告", junctionDirections, Guide},
    SignEntry{u"zl_fuwuquyugao", u"服务区预告", serviceAreaAhead, Guide},
    SignEntry{u"fz_shijianfanwei", u"辅助标志（表示时间）", timeRangePlate, Plate},
    SignEntry{u"fz_cheliangzhonglei", u"辅助标志（表示车辆种类）", vehicleTypePlate, Plate},
    SignEntry{u"fz_xiangqian200m", u"辅助标志（表示区域或距离）", distanceAheadPlate, Plate},
    SignEntry{u"sg_qianfangshigong", u"前方施工", workAhead, Wide},
    SignEntry{u"sg_chedaoshubianshao", u"车道数变少", laneEnds, Guide},
};

// The road signs above and the guide signs, then the pictures of markings, signal lights,
// police signals and dashboard lamps, in one list.
const std::vector<SignEntry> &allEntries()
{
    static const std::vector<SignEntry> all = [] {
        std::vector<SignEntry> list(Entries.begin(), Entries.end());
        const std::span<const SignEntry> guide = guideSignEntries();
        list.insert(list.end(), guide.begin(), guide.end());
        const std::span<const SignEntry> more = roadPictureEntries();
        list.insert(list.end(), more.begin(), more.end());
        return list;
    }();
    return all;
}

} // namespace

std::span<const SignEntry> SignCatalog::entries()
{
    return allEntries();
}

const SignEntry *SignCatalog::find(QStringView id)
{
    for (const SignEntry &entry : allEntries()) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

QString SignCatalog::fileName(const SignEntry &entry)
{
    return entry.id.toString() + QStringLiteral(".jpg");
}

QStringList SignCatalog::differences(const QStringList &fileNames)
{
    QStringList problems;
    QSet<QString> painted;
    for (const SignEntry &entry : allEntries())
        painted.insert(fileName(entry));
    for (const QString &name : fileNames) {
        if (!painted.contains(name))
            problems << QCoreApplication::translate("SignCatalog", "no sign is painted for %1").arg(name);
    }
    const QSet<QString> listed(fileNames.cbegin(), fileNames.cend());
    for (const SignEntry &entry : allEntries()) {
        if (!listed.contains(fileName(entry)))
            problems << QCoreApplication::translate("SignCatalog", "sign %1 (%2) is painted but not listed")
                            .arg(fileName(entry), entry.name);
    }
    return problems;
}

QImage SignCatalog::render(const SignEntry &entry)
{
    QImage image(entry.size, QImage::Format_RGB32);
    if (image.isNull())
        throw SignError(QCoreApplication::translate("SignCatalog", "sign %1: cannot allocate a %2×%3 picture")
                            .arg(entry.id).arg(entry.size.width()).arg(entry.size.height()));
    try {
        SignPainter painter(&image);
        entry.paint(painter);
    } catch (const SignError &e) {
        throw SignError(QCoreApplication::translate("SignCatalog", "sign %1 (%2): %3")
                            .arg(entry.id, entry.name, e.message()));
    }
    return image;
}
