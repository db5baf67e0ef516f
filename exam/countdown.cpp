// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdown.h"

Countdown::Tick Countdown::tick(int &minutes, int &seconds)
{
    if (minutes < 0 || (minutes == 0 && seconds <= 0))
        return Tick::HandIn;
    if (seconds <= 0) {
        --minutes;
        seconds = 60;
    }
    --seconds;
    return Tick::Counted;
}

QString Countdown::figure(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
