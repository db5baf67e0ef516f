// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Asks, before the application object is made, whether a window can be opened at all: Qt ends
// the process with a message about reinstalling when its platform plugin finds no display.
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
    // Lets go of the probe's connection.
    void release();

private:
    void *m_connection = nullptr;
    QString m_reason;
};
