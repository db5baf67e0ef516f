#include "signcatalog.h"

#include "signerror.h"
#include "signpainter.h"
#include "roadpictures.h"

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
    const qreal carX = uphill ? 64 : 36;
    const qreal groundY = uphill ? 100 - carX * 0.54 : 46 + carX * 0.54;
    QPainter &p = sp.painter();
    p.save();
    p.translate(carX, groundY);
    p.rotate(uphill ? -angle : angle);
    // The car's wheels stand on the slope, not their yellow rims.
    sp.carSide(QTransform::fromTranslate(-27, -46.5).scale(0.54, 0.54), P::Black, P::Yellow);
    p.restore();
    const QRectF label = uphill ? QRectF(2, 54, 32, 15) : QRectF(66, 54, 32, 15);
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
    sp.prohibitionDisc();
    leftTurnArrow(sp, P::Black, 62, 30, 15);
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

constexpr QSize Triangle(110, 97);
constexpr QSize Disc(100, 100);
constexpr QSize SmallDisc(96, 96);
constexpr QSize Octagon(104, 104);
constexpr QSize Square(88, 88);
constexpr QSize Wide(120, 84);

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
    SignEntry{u"jg_wurenkanshoutiedao", u"无人看守铁道路口", railwayCrossing, Triangle},
    SignEntry{u"jg_zhuyiluoshi", u"注意落石", fallingRocks, Triangle},
    SignEntry{u"jg_liangcebianzhai", u"两侧变窄", roadNarrows, Triangle},
    SignEntry{u"jz_jinzhitongxing", u"禁止通行", noVehicles, Disc},
    SignEntry{u"jz_jinzhishiru", u"禁止驶入", noEntry, Disc},
    SignEntry{u"jz_jinzhixiangzuozhuanwan", u"禁止向左转弯", noLeftTurn, SmallDisc},
    SignEntry{u"jz_jinzhixiangyouzhuanwan", u"禁止向右转弯", noRightTurn, SmallDisc},
    SignEntry{u"jz_jinzhidiaotou", u"禁止掉头", noUTurn, SmallDisc},
    SignEntry{u"jz_jinzhichaoche", u"禁止超车", noOvertaking, Disc},
    SignEntry{u"jz_jinzhiminglaba", u"禁止鸣喇叭", noHorn, SmallDisc},
    SignEntry{u"jz_xianzhisudu40", u"限制速度（40公里/小时）", speedLimit40, Disc},
    SignEntry{u"jz_jiechuxiansu40", u"解除限制速度（40公里/小时）", speedLimit40Ends, Disc},
    SignEntry{u"jz_jinzhitingche", u"禁止停车", noParking, SmallDisc},
    SignEntry{u"jz_jinzhichangshijiantingche", u"禁止长时间停车", noLongParking, SmallDisc},
    SignEntry{u"jz_tingcherangxing", u"停车让行", stopAndYield, Octagon},
    SignEntry{u"jz_jiansurangxing", u"减速让行", slowAndYield, Triangle},
    SignEntry{u"zs_zhixing", u"直行", straightOn, SmallDisc},
    SignEntry{u"zs_xiangzuozhuanwan", u"向左转弯", turnLeft, SmallDisc},
    SignEntry{u"zs_kaoyoucexingshi", u"靠右侧道路行驶", keepRight, SmallDisc},
    SignEntry{u"zs_huandaoxingshi", u"环岛行驶", roundabout, Disc},
    SignEntry{u"zs_minglaba", u"鸣喇叭", soundHorn, SmallDisc},
    SignEntry{u"zs_zuidixiansu50", u"最低限速（50公里/小时）", minimumSpeed50, Disc},
    SignEntry{u"zl_tingchechang", u"停车场", parking, Square},
    SignEntry{u"zl_renxinghengdao", u"人行横道", pedestrianCrossing, Square},
    SignEntry{u"zl_gaosugongluqidian", u"高速公路起点", expresswayStart, Wide},
};

// The road signs above, then the pictures of markings, signal lights, police signals and
// dashboard lamps, in one list.
const std::vector<SignEntry> &allEntries()
{
    static const std::vector<SignEntry> all = [] {
        std::vector<SignEntry> list(Entries.begin(), Entries.end());
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
            problems << QStringLiteral("no sign is painted for %1").arg(name);
    }
    const QSet<QString> listed(fileNames.cbegin(), fileNames.cend());
    for (const SignEntry &entry : allEntries()) {
        if (!listed.contains(fileName(entry)))
            problems << QStringLiteral("sign %1 (%2) is painted but not listed").arg(fileName(entry), entry.name);
    }
    return problems;
}

QImage SignCatalog::render(const SignEntry &entry)
{
    QImage image(entry.size, QImage::Format_RGB32);
    if (image.isNull())
        throw SignError(QStringLiteral("sign %1: cannot allocate a %2×%3 picture")
                            .arg(entry.id).arg(entry.size.width()).arg(entry.size.height()));
    try {
        SignPainter painter(&image);
        entry.paint(painter);
    } catch (const SignError &e) {
        throw SignError(QStringLiteral("sign %1 (%2): %3").arg(entry.id, entry.name, e.message()));
    }
    return image;
}
