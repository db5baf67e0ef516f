// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionstring.h"

BankPaths bankPaths(const QString &programFolder)
{
    return {programFolder + QStringLiteral("Dat/") + DatabaseFileName,
            programFolder + QStringLiteral("Dat/") + WorkgroupFileName};
}

QString buildConnectionString(const BankPaths &paths)
{
    // The paths go in unchanged, without quotes, whatever blanks or CJK characters they hold.
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Password=") + WorkgroupPassword
        + QStringLiteral(";User ID=") + WorkgroupUser + QStringLiteral(";Data Source=")
        + paths.DatabasePath
        + QStringLiteral(";Persist Security Info=True;Jet OLEDB:System database=")
        + paths.WorkgroupPath
        + QStringLiteral(";Jet OLEDB:Database Password=") + DatabasePassword;
}

ConnectionString::ConnectionString(const QString &text)
{
    // Values are taken up to the next ';': the template's paths and passwords hold none.
    const auto pairs = QStringView(text).split(u';', Qt::SkipEmptyParts);
    for (QStringView pair : pairs) {
        const qsizetype eq = pair.indexOf(u'=');
        if (eq < 0)
            continue;
        m_values.insert(pair.left(eq).trimmed().toString().toLower(), pair.mid(eq + 1).toString());
    }
}

QString ConnectionString::value(const QString &key) const
{
    return m_values.value(key.toLower());
}

bool ConnectionString::contains(const QString &key) const
{
    return m_values.contains(key.toLower());
}
