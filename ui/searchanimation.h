// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QSize>

class QPainter;

// The looping clips of the wait message, drawn by code: a magnifying glass sweeping over a
// folder, a document or a computer, a sheet flying from folder to folder, and a sheet
// dropping into a waste bin. Clip numbers are those of the platform's common animations;
// 0 is no clip.
class SearchAnimation {
public:
    enum Clip {
        aviNone = 0,
        aviFindFolder = 1,
        aviFindFile = 2,
        aviFindComputer = 3,
        aviCopyFiles = 4,
        aviCopyFile = 5,
        aviRecycleFile = 6,
        aviEmptyRecycle = 7,
        aviDeleteFile = 8,
    };

    static constexpr int FrameCount = 16;
    static constexpr int FrameMs = 80;

    [[nodiscard]] static bool isClip(int clip) { return clip >= aviFindFolder && clip <= aviDeleteFile; }
    [[nodiscard]] static QSize frameSize(int clip);

    // Paints frame `frame` (0 .. FrameCount - 1) of `clip` over the whole frame size.
    // Safe on any thread: it draws no text.
    static void paintFrame(QPainter &painter, int clip, int frame, const QColor &background);
};
