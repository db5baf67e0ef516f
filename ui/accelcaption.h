// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A caption as shown: '&' marks the character after it as the accelerator and is not shown
// itself ("&&" shows one '&'; a trailing '&' shows nothing).
[[nodiscard]] QString captionWithoutAccelMarks(const QString &caption);
