// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The readiness estimate: the pass chance of a 10,000-question bank, and how the forecasts
// of simulated trainees fared against their past pass rate.
#include "benchsupport.h"
#include "passchance.h"
#include "readiness.h"
#include "simulatedtrainee.h"

#include <QTimeZone>

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

    // The whole estimate as the page and the hand-in make it: 100,000 answers over the same
    // bank, the per-question chances and three pass chances (the estimate and its interval).
    QList<study::BankQuestion> bank;
    for (int i = 0; i < 10'000; ++i)
        bank.append(study::BankQuestion{i + 1, QByteArray::number(i), {QString::number(i / 5)}});
    std::vector<study::ReadinessAnswer> answers;
    const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1'780'000'000, QTimeZone::utc());
    for (int i = 0; i < 100'000; ++i) {
        const int q = int(rng() % 10'000);
        answers.push_back({q + 1, QByteArray::number(q), unit(rng) < 0.9, t0.addSecs(30 * i)});
    }
    const QDateTime now = t0.addSecs(30 * 100'000);
    const double fullMs = bench::medianMs(7, [&] { sink += study::estimateReadinessFrom(bank, answers, now).chance; });
    std::printf("BENCH readiness_10k_100k median_ms=%.3f\n", fullMs);

    const simulated::Check c = simulated::check(simulated::runTrainees(60, 40, 20261209));
    std::printf("BENCH readiness_brier estimator=%.4f baseline=%.4f calibration_max_gap=%.1f\n",
                c.brier, c.baseline, c.maxGap);
    return 0;
}
