// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <initializer_list>

// Paints one road sign onto a white picture. A frame method paints the sign's plate
// (background, border) and maps the symbol box, 100 × 100 units with y growing downwards,
// onto the part of the plate that holds the symbol; the drawing methods then work in
// those units. Figures used by several signs (arrows, people, cars) are drawn here too,
// each in its own 100 × 100 units placed by a transform into the symbol box.
class SignPainter {
public:
    // The road-sign palette, as sRGB.
    static const QColor Red;
    static const QColor Yellow;
    static const QColor Blue;
    static const QColor Green;
    static const QColor Black;
    static const QColor White;
    static const QColor Grey;
    // Work-zone signs are orange.
    static const QColor Orange;

    explicit SignPainter(QImage *image);
    SignPainter(const SignPainter &) = delete;
    SignPainter &operator=(const SignPainter &) = delete;

    [[nodiscard]] QPainter &painter() { return m_painter; }

    // Plates.
    void warningTriangle();
    void prohibitionDisc(const QColor &background = White);
    void prohibitionSlash();
    void prohibitionCross();
    void redDisc();
    void derestrictionDisc();
    void mandatoryDisc();
    // A rounded rectangle with an inner border line; the symbol box is a centred square.
    void rectanglePlate(const QColor &background, const QColor &border = White);
    // Maps plate units onto the whole picture: 100 units are the picture's height, x runs
    // from 0 to the returned width. For plates that hold text and several symbols.
    qreal wholePlate();
    void stopOctagon();
    void yieldTriangle();

    // Drawing in symbol units.
    void fill(const QPainterPath &path, const QColor &colour);
    void fillPolygon(const QPolygonF &polygon, const QColor &colour);
    void stroke(const QPainterPath &centreLine, qreal width, const QColor &colour,
                Qt::PenCapStyle cap = Qt::FlatCap, Qt::PenJoinStyle join = Qt::MiterJoin);
    // A shaft along centreLine and a head beyond its end, pointing along its last tangent.
    void arrow(const QPainterPath &centreLine, qreal width, qreal headLength, qreal headWidth,
               const QColor &colour);
    // A round-capped line through points, for limbs and handles.
    void limb(std::initializer_list<QPointF> points, qreal width, const QColor &colour);
    // Text scaled into box; with stretch the glyphs fill the box in both directions.
    // embolden thickens thin faces by stroking the outline with that width.
    void text(const QString &text, const QFont &font, const QRectF &box, const QColor &colour,
              bool stretch = false, qreal embolden = 0);

    // Figures; place maps the figure's own 100 × 100 units into symbol units.
    void walker(const QTransform &place, const QColor &colour);
    void child(const QTransform &place, const QColor &colour);
    void carRear(const QTransform &place, const QColor &colour, const QColor &windows);
    void carSide(const QTransform &place, const QColor &colour, const QColor &windows);
    void horn(const QTransform &place, const QColor &colour);
    void bicycle(const QTransform &place, const QColor &colour);
    void motorcycle(const QTransform &place, const QColor &colour, const QColor &background);
    void truckSide(const QTransform &place, const QColor &colour, const QColor &windows);
    void busFront(const QTransform &place, const QColor &colour, const QColor &windows);

    // "AR PL UMing CN" (a Ming face that has every character the signs use) and a bold
    // sans for numbers. cjkFont throws SignError when the face is not installed, so a
    // sign never comes out with a substitute glyph.
    [[nodiscard]] static QFont cjkFont();
    [[nodiscard]] static QFont numberFont();

    // A polygon with its corners rounded off by radius.
    [[nodiscard]] static QPainterPath roundedPolygon(const QPolygonF &corners, qreal radius);
    // Placement helper: figure units → symbol units, scaled by scale about the figure's top-left.
    [[nodiscard]] static QTransform place(qreal x, qreal y, qreal scale, bool mirrored = false);

private:
    void setSymbolBox(const QRectF &pixels);
    void resetToPixels();
    [[nodiscard]] QRectF discBounds() const;

    QPainter m_painter;
    QSizeF m_size;
    QPointF m_centre;
    qreal m_innerRadius = 0;
};
