// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "signcatalog.h"

#include <span>

// Guide signs: place and road names, directions and distances, route numbers, and the
// expressway's entries, exits, service facilities and toll lanes.
[[nodiscard]] std::span<const SignEntry> guideSignEntries();
