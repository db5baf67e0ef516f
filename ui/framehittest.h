// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

// Where a point of a drawn-frame window lies with respect to its resizing edges. The left
// and top bands are 5 pixels wide (0 to 4), the right and bottom bands 4 (W − 4 to W − 1,
// H − 4 to H − 1); corners win over edges.
enum class FrameHit {
    Default,  // not on an edge: the point belongs to whatever control lies there
    HTTOPLEFT,
    HTTOPRIGHT,
    HTBOTTOMRIGHT,
    HTBOTTOMLEFT,
    HTLEFT,
    HTTOP,
    HTRIGHT,
    HTBOTTOM,
};

namespace FrameHitTest {

// `pos` in window coordinates, `size` the window's size. A window that may not be resized,
// or that is not in the normal state (minimised, maximised, full screen), has no edges.
[[nodiscard]] FrameHit hit(QPoint pos, QSize size, bool canResize, Qt::WindowStates states);

// The edges that a resize from this hit moves; none for FrameHit::Default.
[[nodiscard]] Qt::Edges edges(FrameHit hit);

// The pointer shape shown over this hit; Qt::ArrowCursor for FrameHit::Default.
[[nodiscard]] Qt::CursorShape cursor(FrameHit hit);

} // namespace FrameHitTest
