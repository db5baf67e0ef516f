// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "examrandom.h"

#include <chrono>

namespace {

ExamRandom::SeedSource &source()
{
    static ExamRandom::SeedSource current;
    return current;
}

} // namespace

quint32 ExamRandom::seed()
{
    if (source())
        return source()();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return quint32(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void ExamRandom::setSeedSource(SeedSource source)
{
    ::source() = std::move(source);
}
