// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Simulated trainees for checking the readiness estimate against outcomes: each has a hidden
// true chance per question (ability + knowledge point + question, rising with practice,
// fading with time), practises at random every day and sits one mock paper a day, drawn as
// the exam draws it. The forecast for each paper is made from the answers before it.

#include "readiness.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace simulated {

struct Forecast {
    double chance;     // the estimator's pass chance when the paper began
    double baseline;   // the trainee's pass rate over the papers before (0.5 before any)
    bool passed;
};

inline std::vector<Forecast> runTrainees(int trainees, int papers, unsigned seed)
{
    constexpr int Topics = 20, PerTopic = 20, Bank = Topics * PerTopic, PracticePerDay = 60;
    std::mt19937_64 rng(seed);
    std::normal_distribution<double> normal(0.0, 1.0);
    std::uniform_real_distribution<double> unit(0.0, 1.0);

    QList<study::BankQuestion> bank;
    for (int i = 0; i < Bank; ++i)
        bank.append(study::BankQuestion{i + 1, QByteArray::number(i), {QString::number(i / PerTopic)}});

    std::vector<Forecast> out;
    for (int t = 0; t < trainees; ++t) {
        const double ability = 1.2 + 0.7 * normal(rng);
        std::vector<double> topic(Topics), question(Bank), memory(Bank, 0.0), lastDay(Bank, 0.0);
        for (double &v : topic) v = 0.6 * normal(rng);
        for (double &v : question) v = 0.6 * normal(rng);
        const double learn = 0.4 + 0.4 * unit(rng);
        std::vector<study::ReadinessAnswer> answers;
        QDateTime start(QDate(2026, 3, 1), QTime(8, 0), QTimeZone::utc());
        int passedSoFar = 0;

        const auto answer = [&](int q, double day) {
            const double m = memory[std::size_t(q)] * std::exp(-(day - lastDay[std::size_t(q)]) / 25.0);
            const double z = ability + topic[std::size_t(q / PerTopic)] + question[std::size_t(q)] + m;
            const bool right = unit(rng) < 1.0 / (1.0 + std::exp(-z));
            memory[std::size_t(q)] = m + (right ? 0.5 : 1.0) * learn;
            lastDay[std::size_t(q)] = day;
            answers.push_back(study::ReadinessAnswer{q + 1, QByteArray::number(q), right,
                                                     start.addMSecs(qint64(day * 86'400'000.0))});
            return right;
        };

        std::vector<int> order(Bank);
        for (int p = 0; p < papers; ++p) {
            double day = p * 1.0;
            for (int k = 0; k < PracticePerDay; ++k)
                answer(int(rng() % Bank), day + 0.001 * k);
            day += 0.5;
            const QDateTime at = start.addMSecs(qint64(day * 86'400'000.0));
            const study::Readiness r = study::estimateReadinessFrom(bank, answers, at);
            std::iota(order.begin(), order.end(), 0);
            int right = 0;
            for (int k = 0; k < 100; ++k) {
                std::swap(order[std::size_t(k)], order[std::size_t(k + int(rng() % (Bank - k)))]);
                right += answer(order[std::size_t(k)], day + 0.0001 * k) ? 1 : 0;
            }
            const bool passed = right >= 90;
            out.push_back(Forecast{r.chance, p == 0 ? 0.5 : double(passedSoFar) / p, passed});
            passedSoFar += passed ? 1 : 0;
        }
    }
    return out;
}

struct Check {
    double brier = 0, baseline = 0, maxGap = 0;
    std::vector<int> count = std::vector<int>(10, 0);
    std::vector<double> predicted = std::vector<double>(10, 0.0), observed = std::vector<double>(10, 0.0);
};

// Brier scores and the calibration per decile band; bands with fewer than `minInBand`
// forecasts count for the table but not for the largest gap.
inline Check check(const std::vector<Forecast> &f, int minInBand = 40)
{
    Check c;
    for (const Forecast &x : f) {
        const double o = x.passed ? 1.0 : 0.0;
        c.brier += (x.chance - o) * (x.chance - o);
        c.baseline += (x.baseline - o) * (x.baseline - o);
        const int band = std::clamp(int(x.chance * 10.0), 0, 9);
        ++c.count[std::size_t(band)];
        c.predicted[std::size_t(band)] += x.chance;
        c.observed[std::size_t(band)] += o;
    }
    c.brier /= double(f.size());
    c.baseline /= double(f.size());
    for (int b = 0; b < 10; ++b) {
        if (c.count[std::size_t(b)] == 0)
            continue;
        c.predicted[std::size_t(b)] /= c.count[std::size_t(b)];
        c.observed[std::size_t(b)] /= c.count[std::size_t(b)];
        if (c.count[std::size_t(b)] >= minInBand)
            c.maxGap = std::max(c.maxGap, 100.0 * std::abs(c.predicted[std::size_t(b)] - c.observed[std::size_t(b)]));
    }
    return c;
}

} // namespace simulated
