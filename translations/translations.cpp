// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installTranslations(QCoreApplication &app, const QLocale &locale)
{
    auto *own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("drvq"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's catalogue may be missing (qt6-translations-l10n); the buttons stay English then.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}
