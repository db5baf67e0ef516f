// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The program's icon, painted at any size from one drawing on a 256-unit square: a blue
// tile, an answer sheet with a check mark and a steering wheel. The hand-drawn
// org.example.drvq.svg is the same drawing.
class IconPainter {
public:
    static constexpr int DesignSize = 256;

    // A square ARGB picture of `size` pixels; transparent outside the tile's rounded corners.
    [[nodiscard]] static QImage paint(int size);
};
