// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signcatalog.h"

#include <span>

// Pictures other than road signs: road markings, signal lights, the police hand signals and
// dashboard warning lamps.
[[nodiscard]] std::span<const SignEntry> roadPictureEntries();
