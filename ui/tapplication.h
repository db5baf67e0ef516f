// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The application object. An exception that escapes an event handler does not end the
// program: its message is shown (see exceptionreporter.h) and the next event goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
