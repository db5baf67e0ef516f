// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framehittest.h"

namespace {

constexpr int Band = 5;

} // namespace

FrameHit FrameHitTest::hit(QPoint pos, QSize size, bool canResize, Qt::WindowStates states)
{
    if (!canResize || (states & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return FrameHit::Default;
    const int x = pos.x();
    const int y = pos.y();
    const bool left = x < Band;
    const bool top = y < Band;
    const bool right = x > size.width() - Band;
    const bool bottom = y > size.height() - Band;
    // The order matters where the bands overlap: on a window narrower than ten pixels a point
    // can be both left and right, and the left, then top rules win.
    if (left && top)
        return FrameHit::HTTOPLEFT;
    if (right && top)
        return FrameHit::HTTOPRIGHT;
    if (right && bottom)
        return FrameHit::HTBOTTOMRIGHT;
    if (left && bottom)
        return FrameHit::HTBOTTOMLEFT;
    if (left)
        return FrameHit::HTLEFT;
    if (top)
        return FrameHit::HTTOP;
    if (right)
        return FrameHit::HTRIGHT;
    if (bottom)
        return FrameHit::HTBOTTOM;
    return FrameHit::Default;
}

Qt::Edges FrameHitTest::edges(FrameHit hit)
{
    switch (hit) {
    case FrameHit::HTTOPLEFT: return Qt::TopEdge | Qt::LeftEdge;
    case FrameHit::HTTOPRIGHT: return Qt::TopEdge | Qt::RightEdge;
    case FrameHit::HTBOTTOMRIGHT: return Qt::BottomEdge | Qt::RightEdge;
    case FrameHit::HTBOTTOMLEFT: return Qt::BottomEdge | Qt::LeftEdge;
    case FrameHit::HTLEFT: return Qt::LeftEdge;
    case FrameHit::HTTOP: return Qt::TopEdge;
    case FrameHit::HTRIGHT: return Qt::RightEdge;
    case FrameHit::HTBOTTOM: return Qt::BottomEdge;
    case FrameHit::Default: break;
    }
    return {};
}

Qt::CursorShape FrameHitTest::cursor(FrameHit hit)
{
    switch (hit) {
    case FrameHit::HTTOPLEFT:
    case FrameHit::HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    case FrameHit::HTTOPRIGHT:
    case FrameHit::HTBOTTOMLEFT: return Qt::SizeBDiagCursor;
    case FrameHit::HTLEFT:
    case FrameHit::HTRIGHT: return Qt::SizeHorCursor;
    case FrameHit::HTTOP:
    case FrameHit::HTBOTTOM: return Qt::SizeVerCursor;
    case FrameHit::Default: break;
    }
    return Qt::ArrowCursor;
}
