// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconpainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <stdexcept>

namespace {

// The sheet's text lines are left out where they would only blur into grey.
constexpr int SmallestSizeWithLines = 32;

void paintTile(QPainter &p)
{
    QLinearGradient blue(0, 0, 0, IconPainter::DesignSize);
    blue.setColorAt(0, QColor(0x2f, 0x80, 0xed));
    blue.setColorAt(1, QColor(0x14, 0x4f, 0xb0));
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
}

void paintSheet(QPainter &p, bool withLines)
{
    p.setPen(QPen(QColor(0x0d, 0x3b, 0x85), 4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(36, 24, 128, 168), 10, 10);
    if (withLines) {
        p.setPen(QPen(QColor(0x9a, 0xa7, 0xb8), 10, Qt::SolidLine, Qt::RoundCap));
        for (int y : {54, 78})
            p.drawLine(QPointF(60, y), QPointF(140, y));
        p.drawLine(QPointF(60, 102), QPointF(112, 102));
    }
    p.setPen(QPen(QColor(0x1f, 0xa8, 0x4b), 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(62, 136), QPointF(86, 160), QPointF(134, 112)}));
}

void paintWheel(QPainter &p)
{
    const QPointF centre(186, 186);
    // A white ring first so that the wheel stands out where it covers the sheet.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 58, 58);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x26, 0x2b, 0x33), 16));
    p.drawEllipse(centre, 45, 45);
    p.setPen(QPen(QColor(0x26, 0x2b, 0x33), 13, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(-41, -6));
    p.drawLine(centre, centre + QPointF(41, -6));
    p.drawLine(centre, centre + QPointF(0, 41));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe5, 0x39, 0x35));
    p.drawEllipse(centre, 14, 14);
}

} // namespace

QImage IconPainter::paint(int size)
{
    if (size < 1 || size > 4096)
        throw std::invalid_argument("icon size out of range: " + std::to_string(size));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size) / DesignSize, qreal(size) / DesignSize);
    paintTile(p);
    paintSheet(p, size >= SmallestSizeWithLines);
    paintWheel(p);
    p.end();
    return image;
}
