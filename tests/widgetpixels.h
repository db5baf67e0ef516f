// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pixel checks on rendered widgets, shared by the widget tests.
#include <QImage>
#include <QPoint>
#include <QSet>
#include <QWidget>

inline QImage render(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of one colour, as a set of points.
inline QSet<QPoint> pixelsOf(const QImage &image, const QColor &color)
{
    QSet<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color.rgb())
                points.insert(QPoint(x, y));
    return points;
}

inline QSet<QPoint> shifted(const QSet<QPoint> &points, int dx, int dy)
{
    QSet<QPoint> moved;
    for (const QPoint &p : points)
        moved.insert(p + QPoint(dx, dy));
    return moved;
}
