// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why no window can be opened, or an empty text when a display is there. Qt ends the
// process with a message about reinstalling when its platform plugin finds no display, so
// the program asks first, before the application object is made.
[[nodiscard]] QString missingDisplayReason(int argc, char **argv);
