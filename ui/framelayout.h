// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bordericons.h"

#include <QRect>
#include <QSize>

// Where every part of the drawn frame goes in a window of a given size. The caption bar is
// 50 pixels high; the borders show 10 pixels on the left, right and bottom, the background
// panel filling what is left. Some border pictures are wider than what shows of them: the
// panel or the window's edge covers the rest.
struct FrameLayout {
    static constexpr int CaptionHeight = 50;
    static constexpr int BorderWidth = 10;
    static constexpr QSize ButtonSize{17, 19};
    static constexpr QSize MinimumSize{300, 200};
    // From these sizes on the border pictures are stretched instead of drawn at natural size.
    static constexpr int StretchWidth = 800;
    static constexpr int StretchHeight = 600;

    struct Input {
        QSize size;  // the window's (it has no system frame)
        BorderIconFlags icons;
        bool maximized = false;
        QSize leftTopSize{85, 50};    // the caption bar's ends size themselves to their pictures
        QSize rightTopSize{100, 50};
        int menuBarLeft = 9;
    };

    QRect labelCaption;
    QRect imageTop;
    QRect imageBottom;
    QRect imageLeft;
    QRect imageRight;
    QRect imageLeftBottom;
    QRect imageRightBottom;
    QRect imageRightTop;
    QRect imageLeftTop;
    QRect panelBkGnd;
    // The system buttons fill slots from the right: close, then maximise/restore, then
    // minimise. A button that is not in use keeps its designed place.
    QRect imageClose;
    QRect imageMax;
    QRect imageNormal;
    QRect imageMin;
    int menuBarWidth = 0;
    // Only one of the maximise/restore pair shows, and only when the pair is in use.
    bool showMaxButton = false;
    bool showNormalButton = false;

    [[nodiscard]] static FrameLayout compute(const Input &input);

    // A size that the window may take: the proposed one, raised to the minimum. The top and
    // bottom pictures stretch when the proposed width reaches StretchWidth, the side pictures
    // when the proposed height reaches StretchHeight.
    struct Limited {
        QSize size;
        bool stretchHorizontal = false;
        bool stretchVertical = false;
    };
    [[nodiscard]] static Limited limit(QSize proposed);
};
