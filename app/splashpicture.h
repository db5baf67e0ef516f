// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The splash picture, 400 x 300, painted at start: the trainer's title card.
[[nodiscard]] QImage splashPicture();
