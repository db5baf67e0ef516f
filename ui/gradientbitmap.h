// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QList>

class QRandomGenerator;

// A vertical colour gradient as a bitmap: the button faces and rings are made of these.
// The height is cut into n bands of one colour each; with dither on, a few pixels of each
// band's colour are scattered into the top of the band below it, which hides the steps.
namespace GradientBitmap {

// Entry i of n runs from `from` (i = 0) to `to` (i = n - 1), each component rounded to the
// nearest integer.
[[nodiscard]] QList<QColor> colorTable(const QColor &from, const QColor &to, int steps);

// First row of band i of n in a bitmap h rows high: i * h / n rounded, halves away from zero.
// Band i covers rows bandTop(i) up to, not including, bandTop(i + 1); it may be empty.
[[nodiscard]] int bandTop(int band, int height, int steps);

// A width × height bitmap of `steps` bands from `from` at the top to `to` at the bottom.
// The dither pattern is made for columns 0 to 15 and repeated across the width. A width or
// height below 1 gives a null image.
[[nodiscard]] QImage build(int width, int height, const QColor &from, const QColor &to, int steps,
                           bool dither, QRandomGenerator &random);

} // namespace GradientBitmap
