// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signpainter.h"

#include "signerror.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLineF>
#include <QPainterPathStroker>

#include <cmath>

const QColor SignPainter::Red(214, 24, 32);
const QColor SignPainter::Yellow(255, 204, 0);
const QColor SignPainter::Blue(0, 78, 162);
const QColor SignPainter::Green(0, 122, 68);
const QColor SignPainter::Black(18, 18, 18);
const QColor SignPainter::White(255, 255, 255);
const QColor SignPainter::Grey(110, 110, 110);
const QColor SignPainter::Orange(246, 128, 30);

namespace {

constexpr qreal Sqrt3 = 1.7320508075688772;

// Scales a polygon and its corner radius about a centre; for a regular polygon scaled
// about its centre this moves every edge inwards by the same distance.
QPolygonF scaled(const QPolygonF &polygon, const QPointF &centre, qreal factor)
{
    QPolygonF out;
    for (const QPointF &p : polygon)
        out << centre + (p - centre) * factor;
    return out;
}

QPolygonF regularPolygon(const QPointF &centre, qreal radius, int corners, qreal firstAngleDeg)
{
    QPolygonF out;
    for (int i = 0; i < corners; ++i) {
        const qreal a = (firstAngleDeg + 360.0 * i / corners) * M_PI / 180.0;
        out << centre + QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    return out;
}

} // namespace

SignPainter::SignPainter(QImage *image)
    : m_size(image->size())
    , m_centre(image->width() / 2.0, image->height() / 2.0)
{
    image->fill(Qt::white);
    m_painter.begin(image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(Qt::NoPen);
}

void SignPainter::setSymbolBox(const QRectF &pixels)
{
    QTransform t;
    t.translate(pixels.left(), pixels.top());
    t.scale(pixels.width() / 100.0, pixels.height() / 100.0);
    m_painter.setTransform(t);
}

void SignPainter::resetToPixels()
{
    m_painter.resetTransform();
    m_painter.setClipping(false);
}

QRectF SignPainter::discBounds() const
{
    const qreal radius = std::min(m_size.width(), m_size.height()) / 2.0 - 1.0;
    return {m_centre.x() - radius, m_centre.y() - radius, 2 * radius, 2 * radius};
}

QPainterPath SignPainter::roundedPolygon(const QPolygonF &corners, qreal radius)
{
    QPainterPath path;
    const qsizetype n = corners.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF prev = corners[(i + n - 1) % n];
        const QPointF corner = corners[i];
        const QPointF next = corners[(i + 1) % n];
        QLineF in(corner, prev);
        QLineF out(corner, next);
        const qreal r = std::min({radius, in.length() / 2, out.length() / 2});
        in.setLength(r);
        out.setLength(r);
        if (i == 0)
            path.moveTo(in.p2());
        else
            path.lineTo(in.p2());
        path.quadTo(corner, out.p2());
    }
    path.closeSubpath();
    return path;
}

QTransform SignPainter::place(qreal x, qreal y, qreal scale, bool mirrored)
{
    QTransform t;
    t.translate(x, y);
    if (mirrored) {
        t.translate(100 * scale, 0);
        t.scale(-scale, scale);
    } else {
        t.scale(scale, scale);
    }
    return t;
}

QFont SignPainter::cjkFont()
{
    static const QString family = QStringLiteral("AR PL UMing CN");
    if (!QFontDatabase::families().contains(family))
        throw SignError(QCoreApplication::translate("SignPainter", "the font \"%1\" is not installed (package "
                                                                   "fonts-arphic-uming)")
                            .arg(family));
    QFont font(family);
    font.setPixelSize(200);
    return font;
}

QFont SignPainter::numberFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(200);
    return font;
}

// ---- plates -------------------------------------------------------------------------

void SignPainter::warningTriangle()
{
    resetToPixels();
    const qreal side = m_size.width() - 2;
    const qreal height = side * Sqrt3 / 2;
    const qreal top = (m_size.height() - height) / 2;
    const QPolygonF outer{{m_size.width() / 2, top}, {m_size.width() - 1, top + height}, {1, top + height}};
    const QPointF incentre(m_size.width() / 2, top + height * 2 / 3);
    const qreal inradius = height / 3;
    const qreal corner = side * 0.06;
    const auto layer = [&](qreal inset, const QColor &colour) {
        const qreal f = (inradius - inset) / inradius;
        fill(roundedPolygon(scaled(outer, incentre, f), corner * f), colour);
    };
    layer(0, Yellow);
    layer(side * 0.018, Black);
    layer(side * 0.075, Yellow);
    // The symbol sits on the inner base: the triangle is widest there.
    const qreal innerBase = incentre.y() + inradius - side * 0.075;
    const qreal box = side * 0.46;
    setSymbolBox({incentre.x() - box / 2, innerBase - side * 0.012 - box, box, box});
}

void SignPainter::prohibitionDisc(const QColor &background)
{
    resetToPixels();
    const QRectF outer = discBounds();
    const qreal ring = outer.width() * 0.1;
    m_innerRadius = outer.width() / 2 - ring;
    m_painter.setBrush(Red);
    m_painter.drawEllipse(outer);
    m_painter.setBrush(background);
    m_painter.drawEllipse(m_centre, m_innerRadius, m_innerRadius);
    const qreal box = m_innerRadius * 1.5;
    setSymbolBox({m_centre.x() - box / 2, m_centre.y() - box / 2, box, box});
}

void SignPainter::prohibitionSlash()
{
    m_painter.save();
    resetToPixels();
    QPainterPath inner;
    inner.addEllipse(m_centre, m_innerRadius + 0.5, m_innerRadius + 0.5);
    m_painter.setClipPath(inner);
    const qreal d = m_innerRadius;
    const QPointF along(d * M_SQRT1_2 + 2, d * M_SQRT1_2 + 2);
    QPainterPath line;
    line.moveTo(m_centre - along);
    line.lineTo(m_centre + along);
    stroke(line, discBounds().width() * 0.085, Red);
    m_painter.restore();
}

void SignPainter::prohibitionCross()
{
    m_painter.save();
    resetToPixels();
    QPainterPath inner;
    inner.addEllipse(m_centre, m_innerRadius + 0.5, m_innerRadius + 0.5);
    m_painter.setClipPath(inner);
    const qreal d = m_innerRadius * M_SQRT1_2 + 2;
    QPainterPath cross;
    cross.moveTo(m_centre + QPointF(-d, -d));
    cross.lineTo(m_centre + QPointF(d, d));
    cross.moveTo(m_centre + QPointF(d, -d));
    cross.lineTo(m_centre + QPointF(-d, d));
    stroke(cross, discBounds().width() * 0.085, Red);
    m_painter.restore();
}

void SignPainter::redDisc()
{
    resetToPixels();
    const QRectF outer = discBounds();
    m_innerRadius = outer.width() / 2;
    m_painter.setBrush(Red);
    m_painter.drawEllipse(outer);
    setSymbolBox(outer);
}

void SignPainter::derestrictionDisc()
{
    resetToPixels();
    const QRectF outer = discBounds();
    const qreal ring = outer.width() * 0.035;
    m_innerRadius = outer.width() / 2 - ring;
    m_painter.setBrush(Black);
    m_painter.drawEllipse(outer);
    m_painter.setBrush(White);
    m_painter.drawEllipse(m_centre, m_innerRadius, m_innerRadius);
    const qreal box = (outer.width() / 2 - outer.width() * 0.1) * 1.5;
    setSymbolBox({m_centre.x() - box / 2, m_centre.y() - box / 2, box, box});
}

void SignPainter::mandatoryDisc()
{
    resetToPixels();
    const QRectF outer = discBounds();
    m_innerRadius = outer.width() / 2;
    m_painter.setBrush(Blue);
    m_painter.drawEllipse(outer);
    const qreal box = outer.width() * 0.66;
    setSymbolBox({m_centre.x() - box / 2, m_centre.y() - box / 2, box, box});
}

void SignPainter::rectanglePlate(const QColor &background, const QColor &border)
{
    resetToPixels();
    const QRectF outer(1, 1, m_size.width() - 2, m_size.height() - 2);
    const qreal radius = std::min(outer.width(), outer.height()) * 0.08;
    m_painter.setBrush(background);
    m_painter.drawRoundedRect(outer, radius, radius);
    const qreal inset = std::min(outer.width(), outer.height()) * 0.045;
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(border, inset * 0.5));
    m_painter.drawRoundedRect(outer.adjusted(inset, inset, -inset, -inset), radius - inset / 2, radius - inset / 2);
    m_painter.setPen(Qt::NoPen);
    const qreal box = std::min(outer.width(), outer.height()) * 0.76;
    setSymbolBox({m_centre.x() - box / 2, m_centre.y() - box / 2, box, box});
}

qreal SignPainter::wholePlate()
{
    resetToPixels();
    const qreal scale = m_size.height() / 100.0;
    m_painter.scale(scale, scale);
    return m_size.width() / scale;
}

void SignPainter::stopOctagon()
{
    resetToPixels();
    const qreal radius = (std::min(m_size.width(), m_size.height()) / 2.0 - 1) / std::cos(M_PI / 8);
    const QPolygonF outer = regularPolygon(m_centre, radius, 8, 22.5);
    fill(roundedPolygon(outer, radius * 0.05), Red);
    const QPolygonF rim = scaled(outer, m_centre, 0.92);
    m_painter.setPen(QPen(White, radius * 0.035));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(roundedPolygon(rim, radius * 0.04));
    m_painter.setPen(Qt::NoPen);
    const qreal box = radius * 1.2;
    setSymbolBox({m_centre.x() - box / 2, m_centre.y() - box / 2, box, box});
}

void SignPainter::yieldTriangle()
{
    resetToPixels();
    const qreal side = m_size.width() - 2;
    const qreal height = side * Sqrt3 / 2;
    const qreal top = (m_size.height() - height) / 2;
    const QPolygonF outer{{1, top}, {m_size.width() - 1, top}, {m_size.width() / 2, top + height}};
    const QPointF incentre(m_size.width() / 2, top + height / 3);
    const qreal inradius = height / 3;
    const qreal corner = side * 0.06;
    const auto layer = [&](qreal inset, const QColor &colour) {
        const qreal f = (inradius - inset) / inradius;
        fill(roundedPolygon(scaled(outer, incentre, f), corner * f), colour);
    };
    layer(0, Red);
    layer(side * 0.11, White);
    const qreal box = side * 0.35;
    setSymbolBox({incentre.x() - box / 2, incentre.y() - box / 2, box, box});
}

// ---- drawing ------------------------------------------------------------------------

void SignPainter::fill(const QPainterPath &path, const QColor &colour)
{
    m_painter.fillPath(path, colour);
}

void SignPainter::fillPolygon(const QPolygonF &polygon, const QColor &colour)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    fill(path, colour);
}

void SignPainter::stroke(const QPainterPath &centreLine, qreal width, const QColor &colour,
                         Qt::PenCapStyle cap, Qt::PenJoinStyle join)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    fill(stroker.createStroke(centreLine), colour);
}

void SignPainter::arrow(const QPainterPath &centreLine, qreal width, qreal headLength, qreal headWidth,
                        const QColor &colour)
{
    const QPointF base = centreLine.currentPosition();
    const qreal angle = centreLine.angleAtPercent(1) * M_PI / 180.0;
    const QPointF dir(std::cos(angle), -std::sin(angle));
    const QPointF normal(-dir.y(), dir.x());
    // The shaft runs a little into the head so that no seam shows between them.
    QPainterPath shaft = centreLine;
    shaft.lineTo(base + dir * (headLength * 0.3));
    stroke(shaft, width, colour);
    fillPolygon({base + normal * (headWidth / 2), base + dir * headLength, base - normal * (headWidth / 2)}, colour);
}

void SignPainter::text(const QString &text, const QFont &font, const QRectF &box, const QColor &colour,
                       bool stretch, qreal embolden)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return;
    qreal sx = box.width() / bounds.width();
    qreal sy = box.height() / bounds.height();
    if (!stretch)
        sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath placed = t.map(path);
    fill(placed, colour);
    if (embolden > 0)
        stroke(placed, embolden, colour, Qt::RoundCap, Qt::RoundJoin);
}

void SignPainter::limb(std::initializer_list<QPointF> points, qreal width, const QColor &colour)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.moveTo(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it)
        path.lineTo(*it);
    stroke(path, width, colour, Qt::RoundCap, Qt::RoundJoin);
}

// ---- figures ------------------------------------------------------------------------

void SignPainter::walker(const QTransform &where, const QColor &colour)
{
    m_painter.save();
    m_painter.setTransform(where, true);
    m_painter.setBrush(colour);
    m_painter.drawEllipse(QPointF(56, 10), 9, 9);
    limb({{53, 24}, {48, 54}}, 14, colour);
    limb({{52, 27}, {63, 40}, {72, 50}}, 7.5, colour);
    limb({{50, 27}, {38, 40}, {31, 52}}, 7.5, colour);
    limb({{48, 54}, {59, 71}, {64, 92}, {72, 93}}, 9.5, colour);
    limb({{47, 54}, {40, 73}, {27, 89}}, 9.5, colour);
    m_painter.restore();
}

void SignPainter::child(const QTransform &where, const QColor &colour)
{
    m_painter.save();
    m_painter.setTransform(where, true);
    m_painter.setBrush(colour);
    m_painter.drawEllipse(QPointF(55, 14), 12, 12);
    limb({{52, 32}, {49, 58}}, 17, colour);
    limb({{53, 34}, {64, 46}, {70, 56}}, 8.5, colour);
    limb({{50, 34}, {39, 46}, {34, 56}}, 8.5, colour);
    limb({{49, 58}, {59, 74}, {62, 92}, {70, 93}}, 10.5, colour);
    limb({{48, 58}, {40, 76}, {29, 90}}, 10.5, colour);
    m_painter.restore();
}

void SignPainter::carRear(const QTransform &where, const QColor &colour, const QColor &windows)
{
    m_painter.save();
    m_painter.setTransform(where, true);
    fill(roundedPolygon(QPolygonF{{26, 18}, {74, 18}, {86, 44}, {14, 44}}, 5), colour);
    QPainterPath body;
    body.addRoundedRect(QRectF(4, 40, 92, 40), 8, 8);
    fill(body, colour);
    fill(roundedPolygon(QPolygonF{{31, 25}, {69, 25}, {77, 42}, {23, 42}}, 3), windows);
    fillPolygon({{11, 52}, {26, 52}, {26, 61}, {11, 61}}, windows);
    fillPolygon({{74, 52}, {89, 52}, {89, 61}, {74, 61}}, windows);
    QPainterPath wheels;
    wheels.addRoundedRect(QRectF(8, 76, 18, 18), 3, 3);
    wheels.addRoundedRect(QRectF(74, 76, 18, 18), 3, 3);
    fill(wheels, colour);
    m_painter.restore();
}

void SignPainter::carSide(const QTransform &where, const QColor &colour, const QColor &windows)
{
    m_painter.save();
    m_painter.setTransform(where, true);
    fill(roundedPolygon(QPolygonF{{20, 48}, {32, 24}, {68, 24}, {82, 48}}, 5), colour);
    QPainterPath body;
    body.addRoundedRect(QRectF(2, 44, 96, 28), 9, 9);
    fill(body, colour);
    fillPolygon({{28, 45}, {36, 29}, {48, 29}, {48, 45}}, windows);
    fillPolygon({{53, 45}, {53, 29}, {65, 29}, {74, 45}}, windows);
    m_painter.setBrush(windows);
    m_painter.drawEllipse(QPointF(24, 74), 14, 14);
    m_painter.drawEllipse(QPointF(76, 74), 14, 14);
    m_painter.setBrush(colour);
    m_painter.drawEllipse(QPointF(24, 74), 11, 11);
    m_painter.drawEllipse(QPointF(76, 74), 11, 11);
    m_painter.restore();
}

void SignPainter::horn(const QTransform &where, const QColor &colour)
{
    m_painter.save();
    m_painter.setTransform(where, true);
    QPainterPath path;
    path.addRoundedRect(QRectF(4, 41, 12, 18), 3, 3);
    path.addRect(QRectF(14, 45, 26, 10));
    fill(path, colour);
    QPainterPath bell;
    bell.moveTo(36, 44);
    bell.cubicTo(54, 44, 68, 36, 80, 20);
    bell.lineTo(80, 80);
    bell.cubicTo(68, 64, 54, 56, 36, 56);
    bell.closeSubpath();
    fill(bell, colour);
    QPainterPath rim;
    rim.addRoundedRect(QRectF(77, 17, 9, 66), 4, 4);
    fill(rim, colour);
    m_painter.restore();
}

void SignPainter::bicycle(const QTransform &where, const QColor &colour)
{
    m_painter.save();
    m_painter.setTransform(where, true);
    QPainterPath wheels;
    wheels.addEllipse(QPointF(21, 68), 17, 17);
    wheels.addEllipse(QPointF(79, 68), 17, 17);
    stroke(wheels, 5.5, colour);
    limb({{21, 68}, {42, 40}, {52, 68}, {21, 68}}, 5.5, colour);
    limb({{42, 40}, {72, 40}, {52, 68}}, 5.5, colour);
    limb({{79, 68}, {70, 30}, {62, 28}}, 5.5, colour);
    limb({{38, 32}, {50, 32}}, 6, colour);
    limb({{42, 40}, {44, 32}}, 5, colour);
    m_painter.restore();
}

void SignPainter::motorcycle(const QTransform &where, const QColor &colour, const QColor &background)
{
    m_painter.save();
    m_painter.setTransform(where, true);
    m_painter.setBrush(colour);
    m_painter.drawEllipse(QPointF(19, 70), 17, 17);
    m_painter.drawEllipse(QPointF(81, 70), 17, 17);
    m_painter.setBrush(background);
    m_painter.drawEllipse(QPointF(19, 70), 8, 8);
    m_painter.drawEllipse(QPointF(81, 70), 8, 8);
    // Engine and tank, then the seat.
    fill(roundedPolygon(QPolygonF{{30, 66}, {34, 48}, {66, 42}, {74, 52}, {62, 68}}, 4), colour);
    fill(roundedPolygon(QPolygonF{{12, 50}, {20, 42}, {46, 42}, {46, 50}}, 3), colour);
    limb({{19, 70}, {36, 58}}, 6, colour);
    limb({{81, 70}, {70, 34}}, 6, colour);
    limb({{64, 30}, {76, 32}}, 6, colour);
    m_painter.restore();
}

void SignPainter::truckSide(const QTransform &where, const QColor &colour, const QColor &windows)
{
    m_painter.save();
    m_painter.setTransform(where, true);
    // Overlapping parts make one body: wind, do not alternate.
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addRoundedRect(QRectF(2, 22, 64, 46), 2, 2);       // cargo box
    body.addRect(QRectF(2, 64, 96, 8));                      // chassis
    fill(roundedPolygon(QPolygonF{{70, 34}, {88, 34}, {98, 52}, {98, 70}, {70, 70}}, 3), colour);
    fill(body, colour);
    fillPolygon({{75, 39}, {86, 39}, {93, 52}, {75, 52}}, windows);
    for (const qreal x : {18.0, 40.0, 84.0}) {
        m_painter.setBrush(windows);
        m_painter.drawEllipse(QPointF(x, 78), 12, 12);
        m_painter.setBrush(colour);
        m_painter.drawEllipse(QPointF(x, 78), 9.5, 9.5);
    }
    m_painter.restore();
}

void SignPainter::busFront(const QTransform &where, const QColor &colour, const QColor &windows)
{
    m_painter.save();
    m_painter.setTransform(where, true);
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addRoundedRect(QRectF(14, 4, 72, 82), 9, 9);
    body.addRoundedRect(QRectF(18, 82, 16, 14), 3, 3);
    body.addRoundedRect(QRectF(66, 82, 16, 14), 3, 3);
    body.addRect(QRectF(8, 22, 6, 3));
    body.addRect(QRectF(86, 22, 6, 3));
    body.addRect(QRectF(6, 24, 4, 14));
    body.addRect(QRectF(90, 24, 4, 14));
    fill(body, colour);
    fillPolygon({{26, 8}, {74, 8}, {74, 15}, {26, 15}}, windows);    // route board
    fillPolygon({{20, 20}, {80, 20}, {80, 52}, {20, 52}}, windows);  // windscreen
    m_painter.setBrush(windows);
    m_painter.drawEllipse(QPointF(26, 70), 5, 5);
    m_painter.drawEllipse(QPointF(74, 70), 5, 5);
    fillPolygon({{38, 66}, {62, 66}, {62, 74}, {38, 74}}, windows);
    m_painter.restore();
}
