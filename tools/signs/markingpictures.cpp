// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadpicturelists.h"
#include "situationkit.h"

#include "signpainter.h"

#include <QLineF>
#include <QPainterPath>

#include <array>
#include <cmath>

// Road markings seen from above, on a patch of road 120 × 97 pixels. Traffic in the
// trainee's direction goes up the picture; the drawing works in pixels.
namespace {

using P = SignPainter;

const QColor Asphalt(74, 76, 80);
const QColor Paint(246, 246, 246);
const QColor Amber(250, 190, 0);
const QColor Pavement(186, 184, 176);

constexpr QSize Patch(120, 97);

// The road surface, its corners rounded off so that the white of the picture shows there;
// everything painted afterwards stays on the road.
void road(SignPainter &sp)
{
    QPainterPath surface;
    surface.addRoundedRect(QRectF(0.5, 0.5, Patch.width() - 1, Patch.height() - 1), 7, 7);
    sp.fill(surface, Asphalt);
    sp.painter().setClipPath(surface);
}

// Solid and dashed lines are the road-situation kit's.
using situation::dashed;
using situation::line;

void verticalLine(SignPainter &sp, qreal x, const QColor &colour = Paint, qreal width = 2.5)
{
    line(sp, {x, -2}, {x, Patch.height() + 2.0}, width, colour);
}

void verticalDashes(SignPainter &sp, qreal x, const QColor &colour = Paint, qreal width = 2.5)
{
    dashed(sp, {x, -2}, {x, Patch.height() + 2.0}, width, colour, 12, 9);
}

// A straight guide arrow of the given length pointing up, its foot at (x, foot).
void upArrow(SignPainter &sp, qreal x, qreal foot, qreal length, qreal scale = 1)
{
    QPainterPath shaft;
    shaft.moveTo(x, foot);
    shaft.lineTo(x, foot - length + 20 * scale);
    sp.arrow(shaft, 6 * scale, 20 * scale, 19 * scale, Paint);
}

void downArrow(SignPainter &sp, qreal x, qreal foot, qreal length, qreal scale = 1)
{
    QPainterPath shaft;
    shaft.moveTo(x, foot);
    shaft.lineTo(x, foot + length - 20 * scale);
    sp.arrow(shaft, 6 * scale, 20 * scale, 19 * scale, Paint);
}

// A guide arrow that runs up and then bends to the left; mirrored for the right.
void turnArrow(SignPainter &sp, qreal x, qreal foot, qreal scale, bool right)
{
    const qreal s = right ? -1 : 1;
    QPainterPath path;
    path.moveTo(x, foot);
    path.lineTo(x, foot - 44 * scale);
    path.cubicTo(x, foot - 54 * scale, x - s * 4 * scale, foot - 60 * scale, x - s * 14 * scale, foot - 68 * scale);
    sp.arrow(path, 6 * scale, 18 * scale, 19 * scale, Paint);
}

// Text written on the road: stretched into box, as road writing is drawn long.
void roadText(SignPainter &sp, const QString &text, const QRectF &box, const QColor &colour = Paint)
{
    sp.text(text, P::cjkFont(), box, colour, true, std::min(1.2, box.height() / 24));
}

// Two guide lanes with solid white lines; the picture's arrow goes in the middle one.
void guideLane(SignPainter &sp)
{
    road(sp);
    verticalLine(sp, 28);
    verticalLine(sp, 92);
    // The neighbouring lanes show the edge of their own arrows.
    upArrow(sp, 4, 110, 40, 0.8);
    upArrow(sp, 116, 110, 40, 0.8);
}

void straightArrow(SignPainter &sp)
{
    guideLane(sp);
    upArrow(sp, 60, 95, 88);
}

void leftArrow(SignPainter &sp)
{
    guideLane(sp);
    turnArrow(sp, 68, 95, 1.15, false);
}

void rightArrow(SignPainter &sp)
{
    guideLane(sp);
    turnArrow(sp, 52, 95, 1.15, true);
}

void straightOrLeftArrow(SignPainter &sp)
{
    guideLane(sp);
    upArrow(sp, 66, 95, 88);
    QPainterPath branch;
    branch.moveTo(66, 72);
    branch.cubicTo(66, 62, 60, 56, 50, 50);
    sp.arrow(branch, 6, 16, 17, Paint);
}

void uTurnArrow(SignPainter &sp)
{
    guideLane(sp);
    QPainterPath path;
    path.moveTo(74, 95);
    path.lineTo(74, 36);
    path.cubicTo(74, 8, 44, 8, 44, 36);
    path.lineTo(44, 48);
    sp.arrow(path, 6, 18, 18, Paint);
}

// The centre of a two-way road: a double yellow line at the left, the lanes to its right.
void approach(SignPainter &sp)
{
    road(sp);
    line(sp, {12, -2}, {12, 99}, 2.2, Amber);
    line(sp, {17, -2}, {17, 99}, 2.2, Amber);
}

void stopLine(SignPainter &sp)
{
    approach(sp);
    for (qreal x : {52.0, 86.0})
        line(sp, {x, 56}, {x, 99}, 2.5, Paint);
    line(sp, {20, 53}, {122, 53}, 5, Paint);
    // The crossing just beyond the line.
    for (qreal x = 22; x < 122; x += 12)
        sp.fillPolygon({{x, 12}, {x + 7, 12}, {x + 7, 44}, {x, 44}}, Paint);
    upArrow(sp, 36, 96, 32, 0.7);
    upArrow(sp, 69, 96, 32, 0.7);
    turnArrow(sp, 100, 96, 0.5, true);
}

void yieldLine(SignPainter &sp)
{
    approach(sp);
    verticalDashes(sp, 68);
    for (qreal y : {26.0, 33.0})
        dashed(sp, {22, y}, {122, y}, 3, Paint, 8, 5);
    // The long triangle before the line, pointing at the driver.
    QPainterPath triangle;
    triangle.moveTo(31, 46);
    triangle.lineTo(57, 46);
    triangle.lineTo(44, 92);
    triangle.closeSubpath();
    sp.stroke(triangle, 3.2, Paint);
    QPainterPath twin = triangle.translated(50, 0);
    sp.stroke(twin, 3.2, Paint);
}

void stopYieldLine(SignPainter &sp)
{
    approach(sp);
    verticalDashes(sp, 68);
    line(sp, {20, 24}, {122, 24}, 3.5, Paint);
    line(sp, {20, 31}, {122, 31}, 3.5, Paint);
    roadText(sp, QStringLiteral("停"), QRectF(34, 46, 20, 42));
    roadText(sp, QStringLiteral("停"), QRectF(84, 46, 20, 42));
}

void yellowGrid(SignPainter &sp)
{
    road(sp);
    const QRectF box(12, 10, 96, 77);
    QPainterPath frame;
    frame.addRect(box);
    sp.stroke(frame, 3, Amber);
    QPainter &p = sp.painter();
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    QPainterPath grid;
    for (qreal d = -100; d < 120; d += 14) {
        grid.moveTo(box.left() + d, box.top());
        grid.lineTo(box.left() + d + box.height(), box.bottom());
        grid.moveTo(box.left() + d, box.bottom());
        grid.lineTo(box.left() + d + box.height(), box.top());
    }
    sp.stroke(grid, 2, Amber);
    p.restore();
}

void crossingAhead(SignPainter &sp)
{
    road(sp);
    verticalDashes(sp, 24);
    verticalDashes(sp, 96);
    QPainterPath diamond;
    diamond.moveTo(60, 30);
    diamond.lineTo(76, 62);
    diamond.lineTo(60, 94);
    diamond.lineTo(44, 62);
    diamond.closeSubpath();
    sp.stroke(diamond, 3.4, Paint, Qt::FlatCap, Qt::MiterJoin);
    for (qreal x = -2; x < 122; x += 12)
        sp.fillPolygon({{x, -2}, {x + 7, -2}, {x + 7, 12}, {x, 12}}, Paint);
}

// The approach to a junction: stop line at y, lanes below it, the junction above.
constexpr qreal JunctionStop = 64;

void junctionApproach(SignPainter &sp)
{
    const qreal y = JunctionStop;
    road(sp);
    line(sp, {5, y}, {5, 99}, 2.2, Amber);
    line(sp, {10, y}, {10, 99}, 2.2, Amber);
    for (qreal x : {46.0, 82.0})
        line(sp, {x, y + 2}, {x, 99}, 2.5, Paint);
    line(sp, {11, y}, {122, y}, 4, Paint);
    turnArrow(sp, 33, 97, 0.4, false);
    upArrow(sp, 64, 97, 30, 0.6);
    upArrow(sp, 100, 97, 30, 0.6);
}

void leftTurnWaitingZone(SignPainter &sp)
{
    junctionApproach(sp);
    // The zone reaches into the junction along the way a left turn takes.
    QPainterPath leftEdge;
    leftEdge.moveTo(13, JunctionStop - 2);
    leftEdge.quadTo(13, 30, 3, 8);
    QPainterPath rightEdge;
    rightEdge.moveTo(45, JunctionStop - 2);
    rightEdge.quadTo(46, 28, 37, 5);
    for (const QPainterPath *edge : {&leftEdge, &rightEdge}) {
        for (int i = 0; i < 6; ++i)
            line(sp, edge->pointAtPercent(i / 6.0), edge->pointAtPercent((i + 0.55) / 6.0), 2.5, Paint);
    }
    line(sp, {2, 9}, {38, 4}, 3, Paint);
    roadText(sp, QStringLiteral("左弯"), QRectF(16, 20, 22, 13));
    roadText(sp, QStringLiteral("待转区"), QRectF(16, 38, 26, 13));
}

void straightWaitingZone(SignPainter &sp)
{
    junctionApproach(sp);
    // The straight lanes carry on into the junction up to a second stop line.
    for (qreal x : {48.0, 82.0, 120.0})
        dashed(sp, {x, JunctionStop - 2}, {x, 12}, 2.5, Paint, 7, 5);
    line(sp, {48, 10}, {122, 10}, 3, Paint);
    roadText(sp, QStringLiteral("直行"), QRectF(53, 20, 24, 13));
    roadText(sp, QStringLiteral("待行区"), QRectF(52, 38, 27, 13));
    roadText(sp, QStringLiteral("直行"), QRectF(89, 20, 24, 13));
    roadText(sp, QStringLiteral("待行区"), QRectF(88, 38, 27, 13));
}

// A zigzag lane line from the top to the bottom of the picture.
void zigzag(SignPainter &sp, qreal x)
{
    QPainterPath path;
    path.moveTo(x, -4);
    bool out = true;
    for (qreal y = 4; y < 106; y += 8, out = !out)
        path.lineTo(x + (out ? 4 : -4), y);
    sp.stroke(path, 2.2, Paint, Qt::FlatCap, Qt::MiterJoin);
}

void variableLane(SignPainter &sp)
{
    road(sp);
    verticalLine(sp, 6, Amber, 2.2);
    zigzag(sp, 42);
    zigzag(sp, 80);
    verticalLine(sp, 116);
    upArrow(sp, 24, 94, 40, 0.7);
    turnArrow(sp, 98, 94, 0.5, true);
    roadText(sp, QStringLiteral("可变"), QRectF(50, 24, 22, 16));
    roadText(sp, QStringLiteral("车道"), QRectF(50, 54, 22, 16));
}

void tidalLane(SignPainter &sp)
{
    road(sp);
    for (qreal x : {40.0, 46.0, 74.0, 80.0})
        dashed(sp, {x, -2}, {x, 99}, 2.2, Amber, 12, 8);
    verticalDashes(sp, 16);
    verticalDashes(sp, 104);
    downArrow(sp, 26, 6, 36, 0.6);
    upArrow(sp, 94, 90, 36, 0.6);
}

void busLane(SignPainter &sp)
{
    road(sp);
    verticalDashes(sp, 24);
    dashed(sp, {58, -2}, {58, 99}, 4, Amber, 14, 8);
    line(sp, {116, -2}, {116, 99}, 2.5, Paint);
    roadText(sp, QStringLiteral("公交"), QRectF(66, 14, 42, 26), Amber);
    roadText(sp, QStringLiteral("专用"), QRectF(66, 52, 42, 26), Amber);
    upArrow(sp, 40, 92, 40, 0.7);
}

// A road beside a raised pavement, with a yellow line along the kerb.
void kerbSide(SignPainter &sp, bool solid)
{
    road(sp);
    sp.fillPolygon({{94, -2}, {122, -2}, {122, 99}, {94, 99}}, Pavement);
    for (qreal y = 6; y < 99; y += 22)
        line(sp, {94, y}, {122, y}, 1.2, QColor(150, 148, 140));
    verticalDashes(sp, 46);
    if (solid)
        verticalLine(sp, 89, Amber, 4);
    else
        dashed(sp, {89, -2}, {89, 99}, 4, Amber, 12, 8);
    line(sp, {94, -2}, {94, 99}, 2, QColor(120, 118, 112));
    upArrow(sp, 68, 90, 44, 0.7);
    upArrow(sp, 24, 90, 44, 0.7);
}

void noStoppingKerb(SignPainter &sp)
{
    kerbSide(sp, true);
}

void noParkingKerb(SignPainter &sp)
{
    kerbSide(sp, false);
}

void channelisingLines(SignPainter &sp)
{
    road(sp);
    verticalLine(sp, 4, Amber, 2.2);
    verticalLine(sp, 116);
    // A lane opens at the right: the striped wedge keeps traffic off the area between.
    QPainterPath wedge;
    wedge.moveTo(60, 99);
    wedge.lineTo(60, 88);
    wedge.lineTo(38, -2);
    wedge.lineTo(82, -2);
    wedge.lineTo(60, 88);
    QPainterPath area;
    area.moveTo(60, 88);
    area.lineTo(38, -2);
    area.lineTo(82, -2);
    area.closeSubpath();
    QPainter &p = sp.painter();
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    for (qreal y = -30; y < 100; y += 11)
        line(sp, {30, y + 22}, {90, y}, 3, Paint);
    p.restore();
    sp.stroke(wedge, 2.6, Paint, Qt::FlatCap, Qt::MiterJoin);
    upArrow(sp, 22, 94, 40, 0.7);
    upArrow(sp, 98, 94, 40, 0.7);
}

void solidAndDashedCentre(SignPainter &sp)
{
    road(sp);
    line(sp, {56, -2}, {56, 99}, 2.6, Amber);
    dashed(sp, {62, -2}, {62, 99}, 2.6, Amber, 12, 8);
    verticalDashes(sp, 28);
    verticalDashes(sp, 92);
    downArrow(sp, 42, 4, 40, 0.7);
    upArrow(sp, 77, 92, 40, 0.7);
    upArrow(sp, 106, 92, 40, 0.7);
    downArrow(sp, 14, 4, 40, 0.7);
}

const std::array Pictures{
    SignEntry{u"bx_zhixingjiantou", u"导向箭头（直行）", straightArrow, Patch},
    SignEntry{u"bx_zuozhuanjiantou", u"导向箭头（左转）", leftArrow, Patch},
    SignEntry{u"bx_youzhuanjiantou", u"导向箭头（右转）", rightArrow, Patch},
    SignEntry{u"bx_zhixingzuozhuanjiantou", u"导向箭头（直行或左转）", straightOrLeftArrow, Patch},
    SignEntry{u"bx_diaotoujiantou", u"导向箭头（掉头）", uTurnArrow, Patch},
    SignEntry{u"bx_tingzhixian", u"停止线", stopLine, Patch},
    SignEntry{u"bx_jiansurangxingxian", u"减速让行线", yieldLine, Patch},
    SignEntry{u"bx_tingcherangxingxian", u"停车让行线", stopYieldLine, Patch},
    SignEntry{u"bx_wangzhuangxian", u"网状线", yellowGrid, Patch},
    SignEntry{u"bx_renxinghengdaoyugao", u"人行横道预告标示", crossingAhead, Patch},
    SignEntry{u"bx_zuozhuandaizhuanqu", u"左转弯待转区线", leftTurnWaitingZone, Patch},
    SignEntry{u"bx_zhixingdaixingqu", u"直行待行区线", straightWaitingZone, Patch},
    SignEntry{u"bx_kebiandaoxiangchedao", u"可变导向车道线", variableLane, Patch},
    SignEntry{u"bx_chaoxichedao", u"潮汐车道（可变车道线）", tidalLane, Patch},
    SignEntry{u"bx_gongjiaozhuanyong", u"公交专用车道线", busLane, Patch},
    SignEntry{u"bx_jinzhitingchexian", u"禁止停车线（黄色实线）", noStoppingKerb, Patch},
    SignEntry{u"bx_jinzhichangshitingche", u"禁止长时停车线（黄色虚线）", noParkingKerb, Patch},
    SignEntry{u"bx_daoliuxian", u"导流线", channelisingLines, Patch},
    SignEntry{u"bx_xushixian", u"黄色虚实线", solidAndDashedCentre, Patch},
};

} // namespace

std::span<const SignEntry> markingPictures()
{
    return Pictures;
}
