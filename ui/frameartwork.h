// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the drawn window frame, painted by code at the sizes the frame's layout
// expects. They are made once, at first use, and shared by every framed window.
//
// The caption bar comes in two sets: the active one, a deep blue glass bar turning teal
// towards the bottom, and the inactive one, the same shapes in a quiet grey-blue. The
// borders and the system buttons are the same in both states, so they are drawn to sit
// well under either bar.
class FrameArtwork {
public:
    struct CaptionSet {
        QPixmap leftTop;   // 85 × 50 active, 81 × 50 inactive
        QPixmap top;       // 800 × 50
        QPixmap rightTop;  // 100 × 50
        QPixmap menuBar;   // 800 × 19 active, 800 × 17 inactive
    };

    // Needs a QGuiApplication.
    [[nodiscard]] static const FrameArtwork &instance();

    CaptionSet active;
    CaptionSet inactive;
    QPixmap left;         // 12 × 600; the panel covers the two inner columns
    QPixmap right;        // 13 × 600; the three outer columns lie beyond the window's edge
    QPixmap bottom;       // 800 × 12; the panel covers the two top rows
    QPixmap leftBottom;   // 10 × 12
    QPixmap rightBottom;  // 13 × 12
    QPixmap close;        // the system buttons, 17 × 19 each
    QPixmap max;
    QPixmap min;
    QPixmap normal;
    // The program's emblem, for windows when the application has no icon of its own. Its
    // 16 × 18 form fits the caption bar's icon place with the frame's 2-pixel margin.
    QIcon applicationIcon;

private:
    FrameArtwork();
};
