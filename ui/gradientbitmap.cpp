// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gradientbitmap.h"

#include <QPainter>
#include <QRandomGenerator>

#include <cmath>

namespace GradientBitmap {

// Width of the pattern that the dither makes and that is repeated across the bitmap.
constexpr int PatternWidth = 16;

QList<QColor> colorTable(const QColor &from, const QColor &to, int steps)
{
    QList<QColor> table;
    if (steps < 1)
        return table;
    const QColor c1 = from.toRgb();
    const QColor c2 = to.toRgb();
    table.reserve(steps);
    const auto mix = [steps](int a, int b, int i) {
        if (steps == 1)
            return a;
        return a + static_cast<int>(std::lround(double(i) * double(b - a) / double(steps - 1)));
    };
    for (int i = 0; i < steps; ++i)
        table.append(QColor(mix(c1.red(), c2.red(), i), mix(c1.green(), c2.green(), i),
                            mix(c1.blue(), c2.blue(), i)));
    return table;
}

int bandTop(int band, int height, int steps)
{
    // std::lround rounds halves away from zero.
    return static_cast<int>(std::lround(double(band) * double(height) / double(steps)));
}

QImage build(int width, int height, const QColor &from, const QColor &to, int steps, bool dither,
             QRandomGenerator &random)
{
    if (width < 1 || height < 1 || steps < 1)
        return {};

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(from.toRgb());
    const QList<QColor> table = colorTable(from, to, steps);

    for (int i = 0; i < steps; ++i) {
        const int top = bandTop(i, height, steps);
        const int bottom = std::min(bandTop(i + 1, height, steps), height);
        const QRgb rgb = table.at(i).rgb();
        for (int y = top; y < bottom; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            std::fill(line, line + width, rgb);
        }
    }

    if (dither && steps > 1) {
        const int columns = std::min(PatternWidth, width);
        const int reach = height / (steps - 1);
        for (int i = 1; i < steps; ++i) {
            const int top = bandTop(i, height, steps);
            const QRgb above = table.at(i - 1).rgb();
            for (int x = 0; x < columns; ++x) {
                for (int k = 0; k <= reach; ++k) {
                    const int y = top + (k > 0 ? int(random.bounded(k)) : 0);
                    if (y < height)
                        image.setPixel(x, y, above);
                }
            }
        }
        // Repeat the dithered first 16 columns across the width.
        for (int y = 0; y < height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = PatternWidth; x < width; ++x)
                line[x] = line[x % PatternWidth];
        }
    }
    return image;
}

} // namespace GradientBitmap
