// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

class QCoreApplication;

// Installs the program's catalogue and Qt's own (the standard buttons of message boxes)
// for locale on app. Returns false when the program has no catalogue for it: the
// English source texts are shown then.
bool installTranslations(QCoreApplication &app, const QLocale &locale);
