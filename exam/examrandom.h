// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <functional>

// The random positions of the drawing. Before every attempt the generator takes a fresh seed
// from a fast-moving clock, then steps once; attempts within one tick of the clock therefore
// give the same position again, which the drawing drops as a repeat.
class ExamRandom {
public:
    using SeedSource = std::function<quint32()>;

    // The low 32 bits of the monotonic clock in nanoseconds, or what a test installed.
    [[nodiscard]] static quint32 seed();
    static void setSeedSource(SeedSource source);  // empty: the clock again

    [[nodiscard]] static constexpr quint32 nextSeed(quint32 seed) { return seed * 134775813u + 1u; }
    // A position 0 .. count - 1 from a stepped seed.
    [[nodiscard]] static constexpr quint32 position(quint32 count, quint32 steppedSeed)
    {
        return quint32((quint64(count) * steppedSeed) >> 32);
    }
    // One attempt: seed from the source, step, scale.
    [[nodiscard]] static quint32 draw(quint32 count) { return position(count, nextSeed(seed())); }
};
