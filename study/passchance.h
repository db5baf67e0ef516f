// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace study {

// The score of a paper of `paperLength` distinct questions drawn uniformly from the bank,
// each answered right with its chance in `chances`: the exact distribution over every
// possible paper, not a binomial (the draw is without replacement and the chances differ).
//
// The programme goes through the questions once and keeps, for each number of questions
// chosen so far and each number of those answered wrong, the probability of having got
// there: question i is chosen with probability (questions still wanted)/(questions left),
// which is what a uniform draw of distinct questions amounts to. Every value is a
// probability, so nothing overflows or needs rescaling.

// P(wrong = w) for w = 0 .. maxWrong; the rest of the mass (more wrong than that) is left
// out. maxWrong < 0 means every count up to the paper's length.
[[nodiscard]] std::vector<double> wrongCountDistribution(const std::vector<double> &chances,
                                                         int paperLength, int maxWrong = -1);

// The chance that at least `passMark` of the paper's questions are right. A bank smaller
// than a paper yields a paper of the whole bank.
[[nodiscard]] double passChance(const std::vector<double> &chances, int paperLength, int passMark);

// The pass mark of a paper: the share of its questions, rounded up (90 of 100).
[[nodiscard]] int passMarkFor(int paperLength, double passShare);

} // namespace study
