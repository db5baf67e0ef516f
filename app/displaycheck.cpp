// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycheck.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <algorithm>
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

// Whether the compositor's socket named by WAYLAND_DISPLAY is there (a name is looked for in
// XDG_RUNTIME_DIR, as clients do).
bool waylandReachable()
{
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return false;
    const QString socket = name.startsWith(u'/') ? name : qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' + name;
    return QFileInfo(socket).exists();
}

bool waylandPluginInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty();
}

// command as a shell reads it back: in single quotes unless it holds only plain characters.
QString shellQuoted(const QString &command)
{
    static const QString plain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_./-+,:@%=");
    const bool quoted = command.isEmpty() || std::any_of(command.begin(), command.end(), [](QChar c) { return !plain.contains(c); });
    if (!quoted)
        return command;
    QString text = command;
    text.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + text + u'\'';
}

} // namespace

QString noDisplayMessage(const QString &reason, const QString &command)
{
    const QString tryIt = QStringLiteral("xvfb-run ") + shellQuoted(command);
    return QStringLiteral("drvq: 找不到图形显示，无法打开窗口：请在桌面会话中运行，无显示器的机器上可用 "
                          "%1 试用。 / cannot open a window, %2: run it in a desktop session, or on a "
                          "headless machine try: %1\n")
        .arg(tryIt, reason);
}

DisplayCheck::DisplayCheck(int argc, char **argv)
{
    const QByteArray platform = requestedPlatform(argc, argv);
    // Platforms other than X11 (wayland, offscreen, vnc, …) are the trainee's choice, and Qt
    // reports their own failures.
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return;
    const QByteArray display = qgetenv("DISPLAY");
    const bool wayland = platform.isEmpty() && waylandReachable();
    if (display.isEmpty()) {
        if (wayland) {
            m_platform = "wayland";
            if (!waylandPluginInstalled())
                m_reason = QStringLiteral("only a Wayland display is reachable, and Qt's Wayland support "
                                          "(the package qt6-wayland) is not installed");
            return;
        }
        m_reason = QStringLiteral("no display is set (DISPLAY is empty)");
        return;
    }
    if (platform.isEmpty())
        m_platform = "xcb";
#ifdef DRVQ_HAVE_XCB
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    m_connection = connection;
    if (!connection || xcb_connection_has_error(connection)) {
        // An X server that does not answer beside a working compositor: run on the compositor.
        if (wayland && waylandPluginInstalled()) {
            release();
            m_platform = "wayland";
            return;
        }
        m_reason = QStringLiteral("the display %1 does not answer").arg(QString::fromLocal8Bit(display));
    }
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
