// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Plays frames into a native X11 window from a thread of its own, over a connection to the
// X server of its own, so that the pictures keep moving while the GUI thread is busy. The
// thread shares nothing with the GUI but the frame painter it was started with and the stop
// flag.
class X11AnimationPlayer {
public:
    using FramePainter = std::function<void(QImage &image, int frame)>;

    X11AnimationPlayer() = default;
    ~X11AnimationPlayer();
    X11AnimationPlayer(const X11AnimationPlayer &) = delete;
    X11AnimationPlayer &operator=(const X11AnimationPlayer &) = delete;

    // Whether this build can draw from a thread and the GUI runs on X11.
    [[nodiscard]] static bool available();

    // Starts the thread. False when the window cannot take 24-bit true-colour frames over a
    // second connection; the caller then plays the frames itself.
    bool start(quintptr window, QSize size, int frameCount, int frameMs, FramePainter painter);
    void stop();  // waits until the thread has drawn its last frame
    [[nodiscard]] bool running() const { return m_thread.joinable(); }
    [[nodiscard]] qint64 framesDrawn() const { return m_framesDrawn.load(); }
    // Whether the painter threw; the thread then stopped drawing and ended.
    [[nodiscard]] bool painterFailed() const { return m_painterFailed.load(); }

private:
    struct Connection;
    // Whether the window can take the frames as they are painted; needs an X11 build.
    static bool takesRgb32Frames(Connection &connection, quintptr window);
    void run(std::unique_ptr<Connection> connection, quintptr window, QSize size, int frameCount, int frameMs,
             const FramePainter &painter);

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::atomic<qint64> m_framesDrawn{0};
    std::atomic<bool> m_painterFailed{false};
};
