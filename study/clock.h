// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <functional>

namespace study {

// Where the record and the schedule read the time, so that tests can set it.
using Clock = std::function<QDateTime()>;

[[nodiscard]] inline Clock systemClock()
{
    return [] { return QDateTime::currentDateTimeUtc(); };
}

} // namespace study
