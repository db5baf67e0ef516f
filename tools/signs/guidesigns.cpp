// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "guidesigns.h"

#include "signpainter.h"

#include <QPainterPath>

#include <array>

// Every guide sign is laid out on the whole plate (100 units high) so that its text can use
// the full width. Ordinary roads' guide signs are blue, the expressway's green; route
// numbers are red for national and yellow for provincial roads.
namespace {

using P = SignPainter;

constexpr QSize Guide(120, 92);
constexpr QSize Plate(120, 64);

void straightArrow(SignPainter &sp, QPointF from, QPointF to, qreal width = 9)
{
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    sp.arrow(path, width, width * 1.4, width * 2.2, P::White);
}

// The expressway mark in box: a road running into the distance under an overpass.
void expresswayMark(SignPainter &sp, const QRectF &box, const QColor &plate)
{
    const qreal l = box.left(), t = box.top(), w = box.width(), h = box.height();
    sp.fillPolygon({{l, t + h}, {l + w, t + h}, {l + w * 0.6, t + h * 0.12}, {l + w * 0.4, t + h * 0.12}}, P::White);
    sp.fillPolygon({{l, t + h * 0.26}, {l + w, t + h * 0.26}, {l + w, t + h * 0.46}, {l, t + h * 0.46}}, plate);
    sp.fillPolygon({{l, t + h * 0.31}, {l + w, t + h * 0.31}, {l + w, t + h * 0.41}, {l, t + h * 0.41}}, P::White);
}

void words(SignPainter &sp, const QString &text, const QRectF &box, const QColor &colour = P::White)
{
    sp.text(text, P::cjkFont(), box, colour, false, 1.4);
}

void figures(SignPainter &sp, const QString &text, const QRectF &box, const QColor &colour = P::White)
{
    sp.text(text, P::numberFont(), box, colour);
}

// ---- ordinary roads -----------------------------------------------------------------

void placeName(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    const qreal width = sp.wholePlate();
    words(sp, QStringLiteral("平安镇"), QRectF(16, 16, width - 32, 68));
}

void roadName(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    const qreal width = sp.wholePlate();
    words(sp, QStringLiteral("建设路"), QRectF(16, 10, width - 32, 52));
    figures(sp, QStringLiteral("JIANSHE RD"), QRectF(24, 66, width - 48, 22));
}

// A T-junction ahead: the road ends at a cross road that leads left and right.
void tJunctionDirections(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    const qreal width = sp.wholePlate();
    const qreal cx = width / 2;
    QPainterPath stem;
    stem.moveTo(cx, 96);
    stem.lineTo(cx, 40);
    sp.stroke(stem, 9, P::White);
    straightArrow(sp, {cx + 4.5, 44}, {cx - 34, 44});
    straightArrow(sp, {cx - 4.5, 44}, {cx + 34, 44});
    words(sp, QStringLiteral("北环路"), QRectF(cx - 28, 8, 56, 18));
    words(sp, QStringLiteral("机场"), QRectF(8, 62, cx - 22, 20));
    words(sp, QStringLiteral("码头"), QRectF(cx + 14, 62, cx - 22, 20));
}

// A roundabout ahead with its three exits.
void roundaboutDirections(SignPainter &sp)
{
    sp.rectanglePlate(P::Blue);
    const qreal width = sp.wholePlate();
    const qreal cx = width / 2, cy = 54, r = 17;
    QPainterPath ring;
    ring.addEllipse(QPointF(cx, cy), r, r);
    sp.stroke(ring, 7, P::White);
    QPainterPath entry;
    entry.moveTo(cx, 96);
    entry.lineTo(cx, cy + r);
    sp.stroke(entry, 8, P::White);
    straightArrow(sp, {cx - r, cy}, {cx - r - 22, cy}, 8);
    straightArrow(sp, {cx + r, cy}, {cx + r + 22, cy}, 8);
    straightArrow(sp, {cx, cy - r}, {cx, 8}, 8);
    words(sp, QStringLiteral("南湖"), QRectF(6, 70, cx - 26, 20));
    words(sp, QStringLiteral("北站"), QRectF(cx + 20, 70, cx - 26, 20));
    words(sp, QStringLiteral("市区"), QRectF(cx + 12, 8, cx - 22, 20));
}

// Places ahead on this road and how far each is.
void placeDistances(SignPainter &sp, const QColor &plate, const std::array<QString, 6> &rows)
{
    sp.rectanglePlate(plate);
    const qreal width = sp.wholePlate();
    for (int i = 0; i < 3; ++i) {
        const qreal y = 9 + i * 28;
        words(sp, rows[i * 2], QRectF(12, y, width * 0.38, 24));
        figures(sp, rows[i * 2 + 1], QRectF(width * 0.52, y + 2, width * 0.38, 20));
    }
}

void distancesAhead(SignPainter &sp)
{
    placeDistances(sp, P::Blue, {QStringLiteral("东湖"), QStringLiteral("5km"), QStringLiteral("西站"),
                                 QStringLiteral("12km"), QStringLiteral("新港"), QStringLiteral("36km")});
}

void routeNumber(SignPainter &sp, const QColor &plate, const QColor &ink, const QString &number)
{
    sp.rectanglePlate(plate, ink);
    const qreal width = sp.wholePlate();
    sp.text(number, P::numberFont(), QRectF(18, 16, width - 36, 68), ink, true);
}

void nationalRoad(SignPainter &sp)
{
    routeNumber(sp, P::Red, P::White, QStringLiteral("G105"));
}

void provincialRoad(SignPainter &sp)
{
    routeNumber(sp, P::Yellow, P::Black, QStringLiteral("S203"));
}

// ---- expressways --------------------------------------------------------------------

void entryAhead(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    expresswayMark(sp, QRectF(12, 10, 36, 36), P::Green);
    figures(sp, QStringLiteral("G4"), QRectF(58, 10, width - 70, 36));
    words(sp, QStringLiteral("入口"), QRectF(12, 56, width * 0.4, 32));
    figures(sp, QStringLiteral("500m"), QRectF(width * 0.52, 60, width * 0.4, 26));
}

// At the entry itself: the arrow leans left onto the slip road.
void entry(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    expresswayMark(sp, QRectF(12, 10, 32, 32), P::Green);
    words(sp, QStringLiteral("入口"), QRectF(52, 8, width - 64, 36));
    straightArrow(sp, {width / 2 + 22, 94}, {width / 2 - 22, 54}, 10);
}

void exitAhead(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    words(sp, QStringLiteral("东湖  新港"), QRectF(12, 8, width - 24, 30));
    words(sp, QStringLiteral("出口"), QRectF(12, 52, width * 0.4, 32));
    figures(sp, QStringLiteral("2km"), QRectF(width * 0.52, 56, width * 0.4, 26));
}

void nextExit(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    words(sp, QStringLiteral("下一出口"), QRectF(12, 12, width - 24, 36));
    figures(sp, QStringLiteral("12km"), QRectF(width * 0.25, 58, width * 0.5, 28));
}

// At the exit itself: the arrow leans right onto the slip road.
void exitHere(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    words(sp, QStringLiteral("出口"), QRectF(12, 8, width * 0.5, 36));
    words(sp, QStringLiteral("东湖"), QRectF(12, 60, width * 0.34, 26));
    straightArrow(sp, {width / 2 - 6, 94}, {width / 2 + 36, 50}, 10);
}

// The expressway mark over the word for its end and the distance to it.
void expresswayEnd(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    expresswayMark(sp, QRectF(width / 2 - 26, 6, 52, 52), P::Green);
    words(sp, QStringLiteral("终点"), QRectF(12, 64, width * 0.4, 28));
    figures(sp, QStringLiteral("1km"), QRectF(width * 0.52, 66, width * 0.4, 24));
}

void parkingArea(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    figures(sp, QStringLiteral("P"), QRectF(12, 10, 36, 46));
    words(sp, QStringLiteral("停车区"), QRectF(54, 14, width - 66, 36));
    figures(sp, QStringLiteral("1km"), QRectF(width * 0.4, 62, width * 0.46, 26));
}

void tollStationAhead(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    words(sp, QStringLiteral("收费站"), QRectF(12, 10, width - 24, 40));
    figures(sp, QStringLiteral("1km"), QRectF(width * 0.3, 60, width * 0.4, 26));
}

// A lane sign over a toll lane: its use, with an arrow down at the lane.
void tollLane(SignPainter &sp, const QString &top, const QString &bottom, bool latin)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    const QRectF topBox(12, 10, width * 0.6, 40);
    if (latin)
        figures(sp, top, topBox);
    else
        words(sp, top, topBox);
    straightArrow(sp, {width * 0.82, 10}, {width * 0.82, 52}, 9);
    words(sp, bottom, QRectF(12, 60, width - 24, 30));
}

void etcLane(SignPainter &sp)
{
    tollLane(sp, QStringLiteral("ETC"), QStringLiteral("专用车道"), true);
}

void staffedLane(SignPainter &sp)
{
    tollLane(sp, QStringLiteral("人工"), QStringLiteral("收费车道"), false);
}

void emergencyBay(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    sp.carSide(P::place(width / 2 - 30, 0, 0.6), P::White, P::Green);
    words(sp, QStringLiteral("紧急停车带"), QRectF(10, 62, width - 20, 28));
}

void expresswayDistances(SignPainter &sp)
{
    placeDistances(sp, P::Green, {QStringLiteral("临江"), QStringLiteral("48km"), QStringLiteral("青山"),
                                  QStringLiteral("96km"), QStringLiteral("海城"), QStringLiteral("210km")});
}

void distanceCheck(SignPainter &sp)
{
    sp.rectanglePlate(P::Green);
    const qreal width = sp.wholePlate();
    words(sp, QStringLiteral("车距确认"), QRectF(12, 12, width - 24, 36));
    figures(sp, QStringLiteral("100m"), QRectF(width * 0.25, 58, width * 0.5, 28));
}

const std::array Entries{
    SignEntry{u"zl_diming", u"地名", placeName, Plate},
    SignEntry{u"zl_luming", u"路名", roadName, Plate},
    SignEntry{u"zl_dingzilukouyugao", u"T形交叉路口预告", tJunctionDirections, Guide},
    SignEntry{u"zl_huandaoyugao", u"环形交叉路口预告", roundaboutDirections, Guide},
    SignEntry{u"zl_didianjuli", u"地点距离", distancesAhead, Guide},
    SignEntry{u"zl_bh_guodao", u"国道编号", nationalRoad, Plate},
    SignEntry{u"zl_bh_shengdao", u"省道编号", provincialRoad, Plate},
    SignEntry{u"zl_gs_rukouyugao", u"高速公路入口预告", entryAhead, Guide},
    SignEntry{u"zl_gs_rukou", u"高速公路入口", entry, Guide},
    SignEntry{u"zl_gs_chukouyugao", u"高速公路出口预告", exitAhead, Guide},
    SignEntry{u"zl_gs_xiayichukou", u"下一出口", nextExit, Guide},
    SignEntry{u"zl_gs_chukou", u"高速公路出口", exitHere, Guide},
    SignEntry{u"zl_gs_zhongdian", u"高速公路终点预告", expresswayEnd, Guide},
    SignEntry{u"zl_gs_tingchequ", u"停车区预告", parkingArea, Guide},
    SignEntry{u"zl_gs_shoufeizhan", u"收费站预告", tollStationAhead, Guide},
    SignEntry{u"zl_gs_etcchedao", u"ETC专用车道", etcLane, Guide},
    SignEntry{u"zl_gs_rengongchedao", u"人工收费车道", staffedLane, Guide},
    SignEntry{u"zl_gs_jinjitingchedai", u"紧急停车带", emergencyBay, Guide},
    SignEntry{u"zl_gs_didianjuli", u"地点距离（高速公路）", expresswayDistances, Guide},
    SignEntry{u"zl_gs_chejuqueren", u"车距确认", distanceCheck, Guide},
};

} // namespace

std::span<const SignEntry> guideSignEntries()
{
    return Entries;
}
