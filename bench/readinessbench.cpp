// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The readiness estimate: the pass chance of a 10,000-question bank, and how the forecasts
// of simulated trainees fared against their past pass rate.
#include "benchsupport.h"
#include "passchance.h"
#include "readiness.h"
#include "simulatedtrainee.h"

#include <cstdio>
#include <random>

int main()
{
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> chances(10'000);
    for (double &v : chances)
        v = 0.75 + 0.25 * unit(rng);
    double sink = 0.0;
    const double ms = bench::medianMs(21, [&] { sink += study::passChance(chances, 100, 90); });
    std::printf("BENCH pass_chance_10k median_ms=%.3f chance=%.3f\n", ms, sink / 21.0);

    const simulated::Check c = simulated::check(simulated::runTrainees(60, 40, 20261209));
    std::printf("BENCH readiness_brier estimator=%.4f baseline=%.4f calibration_max_gap=%.1f\n",
                c.brier, c.baseline, c.maxGap);
    return 0;
}
