// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "studyrecord.h"

#include <QList>

#include <optional>
#include <vector>

namespace study {

// A handed-in paper as the check of the forecasts sees it.
struct CheckedPaper {
    std::optional<double> chance;  // the pass chance the estimate gave as it began; none: not shown then
    bool passed = false;
};

// Forecasts in one band of chances [from, to), the last band closed at 1.
struct CalibrationBand {
    double from = 0.0;
    double to = 0.0;
    int papers = 0;
    double meanPredicted = 0.0;  // 0 for a band without papers
    int passed = 0;
};

// How the stored pass chances fared against what happened. The baseline forecasts each
// paper by the trainee's pass rate over every paper handed in before it (with or without a
// stored chance); the first paper, with nothing before it, gets an even 0.5. Papers without
// a stored chance count for the baseline's history only.
struct Calibration {
    QList<CalibrationBand> bands;  // 0–50 %, 50–70 %, 70–90 %, 90–100 %
    int papers = 0;                // papers with a stored chance
    double brier = 0.0;            // of the stored chances; 0 without papers
    double baselineBrier = 0.0;    // of the past pass rate over the same papers

    // The stored chances were strictly closer to the outcomes than the past pass rate.
    [[nodiscard]] bool beatsBaseline() const { return papers > 0 && brier < baselineBrier; }
};

// The pass rate before any paper.
inline constexpr double FirstPaperBaseline = 0.5;

// `papers` oldest first.
[[nodiscard]] Calibration calibrate(const std::vector<CheckedPaper> &papers);

// The record's papers (newest first, as StudyRecord::papers gives them) oldest first.
[[nodiscard]] std::vector<CheckedPaper> checkedPapers(const QList<PaperSummary> &newestFirst);

} // namespace study
