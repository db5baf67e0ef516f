// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultset.h"

#include "bankerror.h"

#include <QCoreApplication>

#include <cmath>

int ResultSet::columnIndex(const QString &name) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString cellText(const Cell &cell)
{
    if (const auto *text = std::get_if<QString>(&cell))
        return *text;
    if (const auto *integer = std::get_if<qint64>(&cell))
        return QString::number(*integer);
    if (const auto *real = std::get_if<double>(&cell))
        return QString::number(*real, 'g', 15);
    if (const auto *bytes = std::get_if<QByteArray>(&cell))
        return QString::fromLatin1(*bytes);
    return {};
}

qint64 cellInteger(const Cell &cell)
{
    if (const auto *integer = std::get_if<qint64>(&cell))
        return *integer;
    if (const auto *real = std::get_if<double>(&cell)) {
        if (!std::isfinite(*real) || std::abs(*real) >= 9.2e18)
            throw BankError(QCoreApplication::translate("ResultSet", "%1 is out of the integer range").arg(*real));
        return std::llround(*real);
    }
    if (const auto *text = std::get_if<QString>(&cell)) {
        bool ok = false;
        const qint64 value = text->trimmed().toLongLong(&ok);
        if (!ok)
            throw BankError(QCoreApplication::translate("ResultSet", "'%1' is not a valid integer").arg(*text));
        return value;
    }
    if (std::holds_alternative<QByteArray>(cell))
        throw BankError(QCoreApplication::translate("ResultSet", "Binary data is not an integer"));
    return 0;
}
