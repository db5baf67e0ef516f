// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11animationplayer.h"

#include <QGuiApplication>

#ifdef DRVQ_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <chrono>
#include <system_error>
#include <cstdlib>

struct X11AnimationPlayer::Connection {
#ifdef DRVQ_HAVE_XCB
    xcb_connection_t *xcb = nullptr;
    xcb_gcontext_t gc = 0;
    quint8 depth = 0;
    ~Connection()
    {
        if (xcb)
            xcb_disconnect(xcb);
    }
#endif
};

#ifdef DRVQ_HAVE_XCB
// Frames are QImage::Format_RGB32 rows: 32 bits a pixel, blue in the lowest byte. The window
// must be a 24-bit true-colour window whose server stores pixels the same way. Keeps the
// window's depth in the connection.
bool X11AnimationPlayer::takesRgb32Frames(Connection &connection, quintptr window)
{
    const xcb_setup_t *setup = xcb_get_setup(connection.xcb);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(connection.xcb, xcb_get_geometry(connection.xcb, xcb_window_t(window)), nullptr);
    if (!geometry)
        return false;
    connection.depth = geometry->depth;
    std::free(geometry);
    bool thirtyTwoBits = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format)) {
        if (format.data->depth == connection.depth && format.data->bits_per_pixel == 32)
            thirtyTwoBits = true;
    }
    return connection.depth == 24 && thirtyTwoBits;
}
#endif

X11AnimationPlayer::~X11AnimationPlayer()
{
    stop();
}

bool X11AnimationPlayer::available()
{
#ifdef DRVQ_HAVE_XCB
    return QGuiApplication::platformName() == QLatin1String("xcb");
#else
    return false;
#endif
}

bool X11AnimationPlayer::start(quintptr window, QSize size, int frameCount, int frameMs, FramePainter painter)
{
    stop();
#ifdef DRVQ_HAVE_XCB
    if (!available() || window == 0 || size.isEmpty())
        return false;
    auto connection = std::make_unique<Connection>();
    // The same display the GUI uses: the platform plugin connects to $DISPLAY as well.
    connection->xcb = xcb_connect(nullptr, nullptr);
    if (!connection->xcb || xcb_connection_has_error(connection->xcb))
        return false;

    if (!takesRgb32Frames(*connection, window))
        return false;

    connection->gc = xcb_generate_id(connection->xcb);
    xcb_create_gc(connection->xcb, connection->gc, xcb_window_t(window), 0, nullptr);
    xcb_flush(connection->xcb);

    m_stop = false;
    m_framesDrawn = 0;
    m_painterFailed = false;
    try {
        // The thread owns the connection; if the thread cannot start, the connection goes
        // with the unstarted callable and the caller plays the frames itself.
        m_thread = std::thread([this, c = std::move(connection), window, size, frameCount, frameMs,
                                painter = std::move(painter)]() mutable {
            run(std::move(c), window, size, frameCount, frameMs, painter);
        });
    } catch (const std::system_error &) {
        return false;
    }
    return true;
#else
    Q_UNUSED(window)
    Q_UNUSED(size)
    Q_UNUSED(frameCount)
    Q_UNUSED(frameMs)
    Q_UNUSED(painter)
    return false;
#endif
}

void X11AnimationPlayer::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void X11AnimationPlayer::run(std::unique_ptr<Connection> connection, quintptr window, QSize size, int frameCount,
                             int frameMs, const FramePainter &painter)
{
#ifdef DRVQ_HAVE_XCB
    QImage image(size, QImage::Format_RGB32);
    int frame = 0;
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        lock.unlock();
        // A painter that fails leaves the last frame standing; it must not end the program,
        // as an exception leaving a thread would.
        try {
            painter(image, frame);
        } catch (...) {
            m_painterFailed = true;
            lock.lock();
            break;
        }
        // Errors (the window gone, say) come back as events on this connection only; they
        // are dropped, and the GUI's own connection never sees them.
        xcb_put_image(connection->xcb, XCB_IMAGE_FORMAT_Z_PIXMAP, xcb_window_t(window), connection->gc,
                      quint16(size.width()), quint16(size.height()), 0, 0, 0, connection->depth,
                      quint32(image.sizeInBytes()), image.constBits());
        xcb_flush(connection->xcb);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection->xcb))
            std::free(event);
        ++m_framesDrawn;
        frame = (frame + 1) % frameCount;
        lock.lock();
        m_wake.wait_for(lock, std::chrono::milliseconds(frameMs), [this] { return m_stop; });
    }
    lock.unlock();
    xcb_free_gc(connection->xcb, connection->gc);
    xcb_flush(connection->xcb);
#else
    Q_UNUSED(connection)
    Q_UNUSED(window)
    Q_UNUSED(size)
    Q_UNUSED(frameCount)
    Q_UNUSED(frameMs)
    Q_UNUSED(painter)
#endif
}
