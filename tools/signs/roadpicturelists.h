// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signcatalog.h"

#include <span>

// The pictures other than road signs, one list per kind; roadPictureEntries() joins them.
[[nodiscard]] std::span<const SignEntry> markingPictures();
[[nodiscard]] std::span<const SignEntry> signalLightPictures();
[[nodiscard]] std::span<const SignEntry> handSignalPictures();
[[nodiscard]] std::span<const SignEntry> dashboardLampPictures();
[[nodiscard]] std::span<const SignEntry> situationPictures();
[[nodiscard]] std::span<const SignEntry> situationPictures4();
[[nodiscard]] std::span<const SignEntry> situationPictures5();
