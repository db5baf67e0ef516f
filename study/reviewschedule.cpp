// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reviewschedule.h"

namespace study {

ReviewSchedule::Step ReviewSchedule::entered(const QDateTime &now)
{
    return Step{0, 0, now.addDays(IntervalDays[0]), false};
}

ReviewSchedule::Step ReviewSchedule::answered(const Step &current, bool right, const QDateTime &now)
{
    if (!right)
        return entered(now);
    if (current.mastered || now < current.due)
        return current;
    Step next = current;
    next.streak = current.streak + 1;
    next.step = std::min(current.step + 1, int(IntervalDays.size()) - 1);
    next.due = now.addDays(IntervalDays[next.step]);
    if (next.streak >= StepsToMaster) {
        next.mastered = true;
        next.step = int(IntervalDays.size()) - 1;
        next.due = now.addDays(IntervalDays.back());
    }
    return next;
}

} // namespace study
