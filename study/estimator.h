// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readiness.h"

#include <vector>

namespace study {

// What the estimator knows of the trainee at a moment: each bank question's chance of being
// answered right now, and how uncertain the shared level of those chances is.
struct QuestionChances {
    std::vector<double> chance;   // in the bank's order
    std::vector<int> answers;     // the trainee's answers to each question (current texts)
    double sharedSd = 0.0;        // the sd of a shift common to all questions, in logits
    int totalAnswers = 0;         // every answer to a question of the bank as it is now
    int distinctAnswered = 0;
};

// Answers must be oldest first (the record's order); answers to a question whose texts have
// changed since (another digest) count for the trainee's overall level only.
[[nodiscard]] QuestionChances estimateChances(const QList<BankQuestion> &bank,
                                              const std::vector<ReadinessAnswer> &answers,
                                              const QDateTime &now);

} // namespace study
