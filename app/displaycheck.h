// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Asks, before the application object is made, whether a window can be opened at all: Qt ends
// the process with a message about reinstalling when its platform plugin finds no display.
// It also chooses the platform when the trainee names none: an X server where one is
// reachable (in a Wayland session that is XWayland, where the windows are placed and animated
// as designed), the Wayland compositor where it is the only display.
// The probe's connection to the X server is held until release(), after Qt has connected:
// an X server that loses its last client resets, and Qt's connection made during the reset
// would fail.
class DisplayCheck {
public:
    DisplayCheck(int argc, char **argv);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // Why no window can be opened, or an empty text when a display is there.
    [[nodiscard]] const QString &reason() const { return m_reason; }
    // The platform to ask Qt for ("xcb", "wayland"), or empty when the trainee named one or
    // there is nothing to choose.
    [[nodiscard]] const QByteArray &platform() const { return m_platform; }
    // Lets go of the probe's connection.
    void release();

private:
    void *m_connection = nullptr;
    QString m_reason;
    QByteArray m_platform;
};

// The line printed when no window can be opened: why, in Chinese and English, with the way to
// try the trainer on a virtual X server, naming the program as it was started (command), quoted
// for the shell where it needs to be.
[[nodiscard]] QString noDisplayMessage(const QString &reason, const QString &command);
