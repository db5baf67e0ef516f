// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tapplication.h"

#include "exceptionreporter.h"
#include "winstyle.h"

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    installSongFontSubstitution();
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportException(std::current_exception());
        return false;
    }
}
