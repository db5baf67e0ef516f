// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frameartwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// One colour scheme of the caption bar.
struct BarScheme {
    QColor outline;      // the window's outermost line
    QColor edgeLight;    // the line just inside it
    QColor top;          // glass part, top and bottom
    QColor glassBottom;
    QColor lowerTop;     // lower part, top and bottom
    QColor lowerBottom;
    QColor baseLine;     // the dark line the panel hangs from
    int gloss;           // opacity of the glass highlight, 0 to 255
    int ornament;        // opacity of the road stripes at the bar's ends
    QColor menuTop;
    QColor menuBottom;
};

const BarScheme ActiveScheme{
    QColor(0x0c, 0x27, 0x45), QColor(0x8c, 0xc4, 0xf2),
    QColor(0x3a, 0x7c, 0xc8), QColor(0x1f, 0x5a, 0xa6),
    QColor(0x1a, 0x5c, 0x9e), QColor(0x14, 0x7f, 0x93),
    QColor(0x0a, 0x30, 0x40), 120, 34,
    QColor(0xe4, 0xf1, 0xfa), QColor(0xb4, 0xd3, 0xe8),
};

const BarScheme InactiveScheme{
    QColor(0x4f, 0x5a, 0x66), QColor(0xd4, 0xdb, 0xe3),
    QColor(0xa3, 0xb0, 0xbe), QColor(0x8a, 0x99, 0xa9),
    QColor(0x87, 0x96, 0xa6), QColor(0x7b, 0x8d, 0x99),
    QColor(0x4a, 0x55, 0x60), 45, 18,
    QColor(0xe6, 0xe9, 0xec), QColor(0xc9, 0xcf, 0xd5),
};

// The border's columns from the outside in; the same for both states, a slate blue that
// frames the blue bar and the grey one alike.
const QColor BorderOutline(0x23, 0x32, 0x42);
const QColor BorderLight(0xa9, 0xbd, 0xd0);
const QColor BorderOuter(0x74, 0x8d, 0xa5);
const QColor BorderInner(0x56, 0x6e, 0x86);
const QColor BorderShade(0x46, 0x5b, 0x70);
const QColor BorderInnerLine(0x2a, 0x38, 0x47);

constexpr int BarHeight = 50;
constexpr int GlassRows = 23;  // the glass highlight ends here
constexpr int BorderShown = 10;

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The middle of the caption bar, any width: every column is the same, so that the bar joins
// its two ends seamlessly at whatever width the window has.
void paintBar(QPainter &p, int width, const BarScheme &s)
{
    QLinearGradient glass(0, 0, 0, GlassRows);
    glass.setColorAt(0, s.top);
    glass.setColorAt(1, s.glassBottom);
    p.fillRect(0, 0, width, GlassRows, glass);

    QLinearGradient lower(0, GlassRows, 0, BarHeight - 1);
    lower.setColorAt(0, s.lowerTop);
    lower.setColorAt(1, s.lowerBottom);
    p.fillRect(0, GlassRows, width, BarHeight - GlassRows, lower);

    // The glass highlight: bright at the top, fading towards its sharp lower edge.
    QLinearGradient shine(0, 1, 0, GlassRows);
    shine.setColorAt(0, QColor(255, 255, 255, s.gloss));
    shine.setColorAt(0.55, QColor(255, 255, 255, s.gloss / 3));
    shine.setColorAt(1, QColor(255, 255, 255, s.gloss / 6));
    p.fillRect(0, 1, width, GlassRows - 1, shine);

    // A soft light line under the glass edge and a lighter band above the base line give
    // the lower part some depth.
    p.fillRect(0, GlassRows, width, 1, QColor(255, 255, 255, s.gloss / 4));
    p.fillRect(0, BarHeight - 3, width, 1, QColor(255, 255, 255, s.gloss / 5));
    p.fillRect(0, BarHeight - 2, width, 1, mix(s.lowerBottom, s.baseLine, 0.45));

    p.fillRect(0, 0, width, 1, s.outline);
    p.fillRect(0, 1, width, 1, mix(s.edgeLight, s.top, 0.35));
    p.fillRect(0, BarHeight - 1, width, 1, s.baseLine);
}

// Three slanted stripes, like the markings on a road, fading out towards `fadeTo`.
void paintStripes(QPainter &p, int from, int fadeTo, int alpha, bool mirrored)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fade(from, 0, fadeTo, 0);
    fade.setColorAt(0, QColor(255, 255, 255, alpha));
    fade.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    const int dir = mirrored ? -1 : 1;
    for (int i = 0; i < 3; ++i) {
        const double x = from + dir * (6 + i * 15);
        QPainterPath stripe;
        stripe.moveTo(x, BarHeight - 4);
        stripe.lineTo(x + dir * 8, BarHeight - 4);
        stripe.lineTo(x + dir * 20, GlassRows + 2);
        stripe.lineTo(x + dir * 12, GlassRows + 2);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    p.restore();
}

// The window's outer edge where the bar meets it: the outline and a light line inside.
void paintBarEdge(QPainter &p, int x, int inward, const BarScheme &s)
{
    p.fillRect(x, 0, 1, BarHeight, s.outline);
    QLinearGradient light(0, 1, 0, BarHeight - 1);
    light.setColorAt(0, QColor(255, 255, 255, 110));
    light.setColorAt(1, QColor(255, 255, 255, 25));
    p.fillRect(x + inward, 1, 1, BarHeight - 2, light);
}

QPixmap leftEnd(int width, const BarScheme &s, bool emblemGlow)
{
    QImage image = blank(width, BarHeight);
    QPainter p(&image);
    paintBar(p, width, s);
    // A soft halo behind the application icon, which sits at (8, 4), 18 × 20.
    QRadialGradient halo(QPointF(17, 14), emblemGlow ? 17 : 14);
    halo.setColorAt(0, QColor(255, 255, 255, emblemGlow ? 95 : 45));
    halo.setColorAt(0.6, QColor(255, 255, 255, emblemGlow ? 30 : 12));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(0, 1, width, BarHeight - 2, halo);
    paintStripes(p, 8, width - 8, s.ornament, false);
    // Columns near the join with the middle are left exactly as the middle is.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    QImage plain = blank(8, BarHeight);
    {
        QPainter q(&plain);
        paintBar(q, 8, s);
    }
    p.drawImage(width - 8, 0, plain);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(0, BarHeight - 1, width, 1, s.baseLine);
    paintBarEdge(p, 0, 1, s);
    p.end();
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
}

QPixmap rightEnd(const BarScheme &s)
{
    constexpr int Width = 100;
    constexpr int Edge = 96;  // the window's last column; the rest lies beyond it
    QImage image = blank(Width, BarHeight);
    QPainter p(&image);
    paintBar(p, Width, s);
    paintStripes(p, Edge - 2, 8, s.ornament, true);
    p.fillRect(Edge + 1, 0, Width - Edge - 1, BarHeight, s.outline);
    paintBarEdge(p, Edge, -1, s);
    p.end();
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
}

QPixmap middle(const BarScheme &s)
{
    QImage image = blank(800, BarHeight);
    QPainter p(&image);
    paintBar(p, 800, s);
    p.end();
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
}

QPixmap menuBand(int height, const BarScheme &s)
{
    QImage image = blank(800, height);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, s.menuTop);
    g.setColorAt(1, s.menuBottom);
    p.fillRect(image.rect(), g);
    p.fillRect(0, height - 1, 800, 1, mix(s.menuBottom, s.outline, 0.4));
    p.end();
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
}

// The colour of border column `i` counted from the outside. Columns from BorderShown on lie
// under the panel, negative ones beyond the window's edge.
QColor borderColumn(int i)
{
    if (i <= 0)
        return BorderOutline;
    if (i == 1)
        return BorderLight;
    if (i >= BorderShown - 1)
        return BorderInnerLine;
    if (i == BorderShown - 2)
        return BorderShade;
    return mix(BorderOuter, BorderInner, double(i - 2) / (BorderShown - 5));
}

// A border picture: `across` columns (or rows) counted from the outside, drawn along `along`.
QImage borderStrip(int across, int along)
{
    QImage image(across, along, QImage::Format_RGB32);
    for (int i = 0; i < across; ++i) {
        const QRgb c = borderColumn(i).rgb();
        for (int y = 0; y < along; ++y)
            image.setPixel(i, y, c);
    }
    return image;
}

// A bottom corner, `width` wide. The left one has the window's edge at its column 0, the
// right one (`mirrored`) at column 9, the columns after it lying beyond the window. Each
// pixel takes the colour of whichever edge it is nearer to, so the side and the bottom
// border meet along a diagonal, as mitred picture frames do.
QPixmap corner(int width, bool mirrored)
{
    constexpr int Height = 12;
    QImage image(width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int fromSide = mirrored ? BorderShown - 1 - x : x;
            const int fromBottom = Height - 1 - y;
            image.setPixel(x, y, borderColumn(std::min(fromSide, fromBottom)).rgb());
        }
    }
    return QPixmap::fromImage(image);
}

// A system button: a small rounded glass plate with a white glyph.
QPixmap systemButton(const QColor &from, const QColor &to, const QColor &rim, void (*glyph)(QPainter &))
{
    QImage image = blank(17, 19);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(0.5, 0.5, 16, 18);
    QLinearGradient g(0, 0, 0, 19);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.setPen(QPen(rim, 1));
    p.setBrush(g);
    p.drawRoundedRect(plate, 3.5, 3.5);
    // Glass highlight over the upper half.
    QLinearGradient shine(0, 1, 0, 10);
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(1.5, 1.5, 14, 8), 2.5, 2.5);
    // The glyph, with a one-pixel dark shadow so that it reads on the light top.
    p.save();
    p.translate(0.6, 0.8);
    p.setPen(QPen(QColor(0, 0, 0, 90), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    glyph(p);
    p.restore();
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    glyph(p);
    p.end();
    return QPixmap::fromImage(image);
}

void closeGlyph(QPainter &p)
{
    QPen pen = p.pen();
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(QPointF(5, 6), QPointF(12, 13));
    p.drawLine(QPointF(12, 6), QPointF(5, 13));
}

void maxGlyph(QPainter &p)
{
    QPen pen = p.pen();
    pen.setWidthF(1.2);
    p.setPen(pen);
    p.drawRect(QRectF(4.5, 5.5, 8, 8));
    p.fillRect(QRectF(4, 5, 9, 2.2), pen.color());
}

void minGlyph(QPainter &p)
{
    p.fillRect(QRectF(4.5, 12, 8, 2.2), p.pen().color());
}

void normalGlyph(QPainter &p)
{
    QPen pen = p.pen();
    pen.setWidthF(1.1);
    p.setPen(pen);
    // The window behind shows only its top and right edges.
    p.drawPolyline(QPolygonF{QPointF(6.5, 7), QPointF(6.5, 4.5), QPointF(12.5, 4.5), QPointF(12.5, 10.5), QPointF(10, 10.5)});
    p.fillRect(QRectF(6, 4, 7, 1.8), pen.color());
    p.drawRect(QRectF(3.5, 8.5, 6, 6));
    p.fillRect(QRectF(3, 8, 7, 1.8), pen.color());
}

// The program's emblem: a steering wheel on a round blue badge.
QImage emblem(int w, int h)
{
    QImage image = blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double size = std::min(w, h);
    p.translate((w - size) / 2.0, (h - size) / 2.0);
    p.scale(size / 32.0, size / 32.0);
    const QPointF c(16, 16);
    QRadialGradient badge(QPointF(12, 10), 20);
    badge.setColorAt(0, QColor(0xff, 0xe0, 0x8a));
    badge.setColorAt(1, QColor(0xd9, 0x8c, 0x12));
    p.setPen(QPen(QColor(0x5a, 0x35, 0x05), 1.6));
    p.setBrush(badge);
    p.drawEllipse(c, 14.5, 14.5);
    // The wheel: rim, hub and three spokes.
    const QColor wheel(0x1b, 0x2e, 0x4a);
    p.setPen(QPen(wheel, 3.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 10, 10);
    p.setPen(QPen(wheel, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 15), QPointF(25, 15));
    p.drawLine(c, QPointF(16, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(wheel);
    p.drawEllipse(c, 3.6, 3.6);
    p.setBrush(QColor(0xff, 0xe9, 0xa8));
    p.drawEllipse(c, 1.4, 1.4);
    p.end();
    return image;
}

} // namespace

const FrameArtwork &FrameArtwork::instance()
{
    static const FrameArtwork artwork;
    return artwork;
}

FrameArtwork::FrameArtwork()
{
    active = {leftEnd(85, ActiveScheme, true), middle(ActiveScheme), rightEnd(ActiveScheme), menuBand(19, ActiveScheme)};
    inactive = {leftEnd(81, InactiveScheme, false), middle(InactiveScheme), rightEnd(InactiveScheme),
                menuBand(17, InactiveScheme)};

    left = QPixmap::fromImage(borderStrip(12, 600));
    // The right picture's outside is at its column 9; the three columns after it lie beyond
    // the window's edge.
    {
        QImage r(13, 600, QImage::Format_RGB32);
        for (int x = 0; x < 13; ++x) {
            const QRgb c = borderColumn(BorderShown - 1 - x).rgb();
            for (int y = 0; y < 600; ++y)
                r.setPixel(x, y, c);
        }
        right = QPixmap::fromImage(r);
    }
    {
        QImage b(800, 12, QImage::Format_RGB32);
        for (int y = 0; y < 12; ++y) {
            const QRgb c = borderColumn(11 - y).rgb();
            for (int x = 0; x < 800; ++x)
                b.setPixel(x, y, c);
        }
        bottom = QPixmap::fromImage(b);
    }
    leftBottom = corner(10, false);
    rightBottom = corner(13, true);

    const QColor blueRim(0x0c, 0x27, 0x45);
    close = systemButton(QColor(0xf0, 0x8a, 0x74), QColor(0xb8, 0x2a, 0x1c), QColor(0x5a, 0x12, 0x0a), closeGlyph);
    max = systemButton(QColor(0x86, 0xb8, 0xea), QColor(0x22, 0x5c, 0xa8), blueRim, maxGlyph);
    min = systemButton(QColor(0x86, 0xb8, 0xea), QColor(0x22, 0x5c, 0xa8), blueRim, minGlyph);
    normal = systemButton(QColor(0x86, 0xb8, 0xea), QColor(0x22, 0x5c, 0xa8), blueRim, normalGlyph);

    for (const QSize size : {QSize(16, 18), QSize(32, 32), QSize(48, 48), QSize(64, 64)})
        applicationIcon.addPixmap(QPixmap::fromImage(emblem(size.width(), size.height())));
}
