// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exampaper.h"

#include <array>

// What a handed-in paper is worth: which questions were answered right, their total, and
// whether the total passes.
struct ExamScore {
    std::array<bool, ExamLength + 1> right{};  // [n] for question n; [0] unused
    qint64 total = 0;      // the scores of the questions answered right
    qint64 fullMarks = 0;  // the scores of all questions of the paper

    // 90 % of the full marks or more: 90 of 100 with one point a question. A paper worth
    // nothing cannot be passed.
    [[nodiscard]] bool passed() const;
};

// Exact comparison of answer and key: "a" is not "A", and an empty key matches an
// unanswered question.
[[nodiscard]] bool answeredRight(const _Tk &slot);

// Scores slots 1 .. 100 of a paper.
[[nodiscard]] ExamScore scorePaper(const std::array<_Tk, ExamLength + 1> &paper);

// The pass rule on its own, for any total and full marks.
[[nodiscard]] bool passes(qint64 total, qint64 fullMarks);
