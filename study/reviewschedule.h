// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <array>

namespace study {

// The wrong-question book's schedule. A question answered wrong enters at the first step
// and comes due a day later; each right answer once it is due moves it one step on (due
// again after 3, 7, then 15 days), and a wrong answer at any time puts it back to the first
// step. Right answers at three successive steps make it mastered: it leaves the due list
// and waits, 15 days on, in the list of mastered questions.
class ReviewSchedule {
public:
    static constexpr std::array<int, 4> IntervalDays{1, 3, 7, 15};
    static constexpr int StepsToMaster = 3;

    struct Step {
        int step = 0;        // 0 .. 3, the interval the question waits now
        int streak = 0;      // right answers at successive steps
        QDateTime due;
        bool mastered = false;

        friend bool operator==(const Step &, const Step &) = default;
    };

    // A question that enters the book (answered wrong) at `now`.
    [[nodiscard]] static Step entered(const QDateTime &now);

    // The question answered at `now`. A right answer before the question is due changes
    // nothing: recalling what was seen an hour ago says little about next week.
    [[nodiscard]] static Step answered(const Step &current, bool right, const QDateTime &now);

    [[nodiscard]] static bool isDue(const Step &step, const QDateTime &now)
    {
        return !step.mastered && step.due <= now;
    }
};

} // namespace study
