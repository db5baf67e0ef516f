// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelayout.h"

namespace {

constexpr int ButtonTop = 6;
constexpr int ButtonMargin = 5;  // between the right-most button and the window's edge
constexpr int LeftBorderTop = 40;
constexpr int RightBorderTop = 48;
constexpr int LeftBorderPicture = 12;
constexpr int RightBorderPicture = 13;
constexpr int BottomHeight = 12;
constexpr int LeftCornerWidth = 10;
constexpr int RightEndShown = 97;  // of the right end's 100 columns
constexpr int CaptionTop = 8;
constexpr int CaptionTextHeight = 12;

// Designed places of the system buttons, kept by those that a window does not use.
constexpr int DesignedCloseLeft = 475;
constexpr int DesignedMaxLeft = 424;
constexpr int DesignedNormalLeft = 448;
constexpr int DesignedMinLeft = 404;

QRect button(int left)
{
    return QRect(QPoint(left, ButtonTop), FrameLayout::ButtonSize);
}

} // namespace

FrameLayout FrameLayout::compute(const Input &input)
{
    const int w = input.size.width();
    const int h = input.size.height();
    FrameLayout l;
    l.labelCaption = QRect(0, CaptionTop, w, CaptionTextHeight);
    l.imageTop = QRect(0, 0, w, CaptionHeight);
    // The bottom starts under the left corner's last two columns, as wide as the window.
    l.imageBottom = QRect(LeftCornerWidth - 2, h - BottomHeight, w, BottomHeight);
    l.imageLeft = QRect(0, LeftBorderTop, LeftBorderPicture, h);
    l.imageRight = QRect(w - BorderWidth, RightBorderTop, RightBorderPicture, h);
    l.imageLeftBottom = QRect(0, h - BottomHeight, LeftCornerWidth, BottomHeight);
    l.imageRightBottom = QRect(w - BorderWidth, h - BottomHeight, RightBorderPicture, BottomHeight);
    l.imageRightTop = QRect(QPoint(w - RightEndShown, 0), input.rightTopSize);
    l.imageLeftTop = QRect(QPoint(0, 0), input.leftTopSize);
    l.panelBkGnd = QRect(BorderWidth, CaptionHeight, w - 2 * BorderWidth, h - CaptionHeight - BorderWidth);

    l.imageClose = button(DesignedCloseLeft);
    l.imageMax = button(DesignedMaxLeft);
    l.imageNormal = button(DesignedNormalLeft);
    l.imageMin = button(DesignedMinLeft);
    int slot = 1;
    const auto slotLeft = [&] { return w - ButtonMargin - ButtonSize.width() * slot; };
    if (input.icons.showClose) {
        l.imageClose = button(slotLeft());
        ++slot;
    }
    if (input.icons.showMax) {
        l.imageMax = button(slotLeft());
        l.imageNormal = button(slotLeft());
        ++slot;
    }
    if (input.icons.showMin)
        l.imageMin = button(slotLeft());

    l.menuBarWidth = l.imageRightTop.left() - input.menuBarLeft;
    l.showMaxButton = input.icons.showMax && !input.maximized;
    l.showNormalButton = input.icons.showMax && input.maximized;
    return l;
}

FrameLayout::Limited FrameLayout::limit(QSize proposed)
{
    Limited limited;
    limited.stretchHorizontal = proposed.width() >= StretchWidth;
    limited.stretchVertical = proposed.height() >= StretchHeight;
    limited.size = proposed.expandedTo(MinimumSize);
    return limited;
}
