// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "passchance.h"
#include "vectorstate.h"

#include <algorithm>
#include <cmath>

namespace study {

std::vector<double> wrongCountDistribution(const std::vector<double> &chances, int paperLength,
                                           int maxWrong)
{
    clearUpperVectorState();
    const int n = int(chances.size());
    const int k = std::clamp(paperLength, 0, n);
    const int wMax = maxWrong < 0 ? k : std::min(maxWrong, k);
    const int width = wMax + 1;
    // f[chosen * width + wrong]
    std::vector<double> f(std::size_t(k + 1) * std::size_t(width), 0.0);
    f[0] = 1.0;
    for (int i = 0; i < n; ++i) {
        const int left = n - i;
        const double p = std::clamp(chances[std::size_t(i)], 0.0, 1.0);
        const int hi = std::min(i, k - 1);
        const int lo = std::max(0, k - left);
        for (int c = hi; c >= lo; --c) {
            const double take = double(k - c) / double(left);
            const double keep = 1.0 - take;
            double *row = &f[std::size_t(c) * std::size_t(width)];
            double *next = row + width;
            const int wTop = std::min(c, wMax);
            // Descending wrong counts so that next[w + 1] is written before next[w] is read
            // again for this question; next is the row of c + 1, not read in this step.
            for (int w = wTop; w >= 0; --w) {
                const double v = row[w];
                if (v == 0.0)
                    continue;
                const double chosen = v * take;
                next[w] += chosen * p;
                if (w + 1 <= wMax)
                    next[w + 1] += chosen * (1.0 - p);
                row[w] = v * keep;
            }
        }
    }
    return {f.begin() + std::ptrdiff_t(k) * width, f.end()};
}

double passChance(const std::vector<double> &chances, int paperLength, int passMark)
{
    const int k = std::clamp(paperLength, 0, int(chances.size()));
    const int maxWrong = k - passMark;
    if (maxWrong < 0)
        return 0.0;
    double sum = 0.0;
    for (double v : wrongCountDistribution(chances, k, maxWrong))
        sum += v;
    return std::clamp(sum, 0.0, 1.0);
}

int passMarkFor(int paperLength, double passShare)
{
    return int(std::ceil(double(paperLength) * passShare - 1e-9));
}

} // namespace study
