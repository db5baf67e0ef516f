// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFlags>

// How a window is framed as designed, before the drawn frame replaces the system frame.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon { biSystemMenu = 0x1, biMinimize = 0x2, biMaximize = 0x4, biHelp = 0x8 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_DECLARE_OPERATORS_FOR_FLAGS(TBorderIcons)

// Which parts of the drawn caption bar a window shows.
struct BorderIconFlags {
    bool showClose = false;
    bool showMax = false;  // the maximise/restore pair
    bool showMin = false;
    bool showIcon = false;  // the application icon, which closes the window on a double click

    friend bool operator==(const BorderIconFlags &, const BorderIconFlags &) = default;
};

namespace BorderIcons {

// The border style decides what a window could show; the border icons then take away:
// without the system menu nothing shows, without minimise or maximise that button.
[[nodiscard]] BorderIconFlags flags(TFormBorderStyle style, TBorderIcons icons);

// Whether a window of this style may be resized from its edges.
[[nodiscard]] bool isSizeable(TFormBorderStyle style);

} // namespace BorderIcons
