// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "x11animationplayer.h"

#include <QColor>
#include <QWidget>

class QTimer;

// A looping clip of SearchAnimation. Under X11 it plays on a thread of its own straight into
// its native window, so it keeps moving while the GUI thread is busy; elsewhere (the
// offscreen platform of the tests, Wayland) a GUI-thread timer steps it.
class TAnimate : public QWidget {
    Q_OBJECT
public:
    explicit TAnimate(QWidget *parent = nullptr);
    ~TAnimate() override;

    // A new clip stops the control and resizes it to the clip's frame size; the same clip
    // again changes nothing. Throws std::runtime_error("Cannot open AVI") for a number that
    // is no clip.
    void setCommonAVI(int clip);
    [[nodiscard]] int CommonAVI() const { return m_clip; }

    void setActive(bool active);
    [[nodiscard]] bool Active() const { return m_active; }

    // Frames shown since the control was last made active.
    [[nodiscard]] qint64 framesPlayed() const;
    [[nodiscard]] bool playsOnOwnThread() const { return m_player.running(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    [[nodiscard]] QPaintEngine *paintEngine() const override;

private:
    void advance();

    X11AnimationPlayer m_player;
    QTimer *const m_timer;
    bool m_native;  // drawn by the player, not by paintEvent
    int m_clip = 0;
    int m_frame = 0;
    qint64 m_timerFrames = 0;
    bool m_active = false;
};
