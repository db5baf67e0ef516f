// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>

#include <functional>
#include <vector>

// What every benchmark program of the project shares.
namespace bench {

// The median of `runs` timings of `work`, in milliseconds.
[[nodiscard]] double medianMs(int runs, const std::function<void()> &work);
[[nodiscard]] double median(std::vector<double> timesMs);

// The sample bank's sign pictures, as the build painted them; stops the program when there
// are none (the project is not built).
[[nodiscard]] QByteArrayList samplePictures();

} // namespace bench
