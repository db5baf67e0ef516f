// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfield.h"

#include "bankerror.h"
#include "tdataset.h"
#include "textscramble.h"

#include <QCoreApplication>

namespace {

const Cell &valueOf(const TDataSet *dataSet, int column)
{
    if (!dataSet)
        throw BankError(QCoreApplication::translate("TField", "The field belongs to no dataset"));
    return dataSet->cell(column);
}

} // namespace

QString TField::AsString() const
{
    return cellText(valueOf(m_dataSet, m_column));
}

qint64 TField::AsInteger() const
{
    return cellInteger(valueOf(m_dataSet, m_column));
}

QByteArray TField::AsBytes() const
{
    const Cell &cell = valueOf(m_dataSet, m_column);
    if (const auto *bytes = std::get_if<QByteArray>(&cell))
        return *bytes;
    // Texts in the byte form the bank's programs have always used: code page 936.
    if (const auto *text = std::get_if<QString>(&cell))
        return toGbk(*text);
    return cellText(cell).toLatin1();
}

bool TField::IsNull() const
{
    return std::holds_alternative<std::monostate>(valueOf(m_dataSet, m_column));
}

void TField::SaveToStream(QIODevice &stream) const
{
    const QByteArray bytes = AsBytes();
    if (stream.write(bytes) != bytes.size())
        throw BankError(QCoreApplication::translate("TField", "Cannot write %1 bytes of a field: %2")
                            .arg(bytes.size()).arg(stream.errorString()));
}
