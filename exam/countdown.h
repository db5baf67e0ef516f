// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The exam's countdown, one tick a second from 45:00. The clock never shows a negative time:
// the tick after the one that shows 00:00 hands the paper in instead of counting on.
namespace Countdown {

inline constexpr int ExamMinutes = 45;

enum class Tick { Counted, HandIn };

// One tick: a second less (59 after 0, taking a minute), or HandIn with the time unchanged
// when it was 00:00 or below.
[[nodiscard]] Tick tick(int &minutes, int &seconds);

// A clock figure as shown: at least two digits, "05".
[[nodiscard]] QString figure(int value);

} // namespace Countdown
