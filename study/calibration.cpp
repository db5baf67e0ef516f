// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calibration.h"

#include <algorithm>
#include <array>

namespace study {

namespace {

constexpr std::array<double, 5> BandEdges{0.0, 0.5, 0.7, 0.9, 1.0};

int bandOf(double chance)
{
    for (int b = 1; b < int(BandEdges.size()) - 1; ++b)
        if (chance < BandEdges[std::size_t(b)])
            return b - 1;
    return int(BandEdges.size()) - 2;
}

} // namespace

Calibration calibrate(const std::vector<CheckedPaper> &papers)
{
    Calibration c;
    for (std::size_t b = 0; b + 1 < BandEdges.size(); ++b)
        c.bands.append(CalibrationBand{BandEdges[b], BandEdges[b + 1], 0, 0.0, 0});
    int before = 0;
    int passedBefore = 0;
    for (const CheckedPaper &paper : papers) {
        const double outcome = paper.passed ? 1.0 : 0.0;
        if (paper.chance) {
            // A stored value outside [0, 1] would be a damaged record; it is held to the range.
            const double p = std::clamp(*paper.chance, 0.0, 1.0);
            const double baseline = before == 0 ? FirstPaperBaseline : double(passedBefore) / before;
            c.brier += (p - outcome) * (p - outcome);
            c.baselineBrier += (baseline - outcome) * (baseline - outcome);
            ++c.papers;
            CalibrationBand &band = c.bands[bandOf(p)];
            ++band.papers;
            band.meanPredicted += p;
            band.passed += paper.passed ? 1 : 0;
        }
        ++before;
        passedBefore += paper.passed ? 1 : 0;
    }
    if (c.papers > 0) {
        c.brier /= c.papers;
        c.baselineBrier /= c.papers;
    }
    for (CalibrationBand &band : c.bands)
        if (band.papers > 0)
            band.meanPredicted /= band.papers;
    return c;
}

std::vector<CheckedPaper> checkedPapers(const QList<PaperSummary> &newestFirst)
{
    QList<PaperSummary> ordered = newestFirst;
    // Papers begun at the same moment keep the order they were written in.
    std::stable_sort(ordered.begin(), ordered.end(), [](const PaperSummary &a, const PaperSummary &b) {
        return a.startedAt != b.startedAt ? a.startedAt < b.startedAt : a.id < b.id;
    });
    std::vector<CheckedPaper> papers;
    papers.reserve(std::size_t(ordered.size()));
    for (const PaperSummary &p : ordered)
        papers.push_back(CheckedPaper{p.passChanceAtStart, p.passed});
    return papers;
}

} // namespace study
