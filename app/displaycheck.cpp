// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycheck.h"

#include <QByteArray>

#include <cstring>

#ifdef DRVQ_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

// The platform named on the command line (-platform NAME) or in QT_QPA_PLATFORM.
QByteArray requestedPlatform(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return QByteArray(argv[i + 1]);
    }
    return qgetenv("QT_QPA_PLATFORM");
}

} // namespace

DisplayCheck::DisplayCheck(int argc, char **argv)
{
    const QByteArray platform = requestedPlatform(argc, argv);
    // Platforms other than the desktop ones (offscreen, vnc, …) need no display server; a
    // Wayland session is left to Qt, which falls back to X11 where it can.
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return;
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        m_reason = QStringLiteral("no display is set (DISPLAY is empty)");
        return;
    }
#ifdef DRVQ_HAVE_XCB
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    m_connection = connection;
    if (!connection || xcb_connection_has_error(connection))
        m_reason = QStringLiteral("the display %1 does not answer").arg(QString::fromLocal8Bit(display));
#endif
}

DisplayCheck::~DisplayCheck()
{
    release();
}

void DisplayCheck::release()
{
#ifdef DRVQ_HAVE_XCB
    if (m_connection)
        xcb_disconnect(static_cast<xcb_connection_t *>(m_connection));
#endif
    m_connection = nullptr;
}
