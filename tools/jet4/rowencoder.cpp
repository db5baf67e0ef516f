// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowencoder.h"

#include "jetformat.h"
#include "textcodec.h"

#include <QCoreApplication>

#include <cmath>
#include <stdexcept>

namespace jet4 {

RowEncoder::RowEncoder(const TableLayout &layout, PageFile &file)
    : m_layout(layout)
{
    m_longValues.resize(layout.columns().size());
    m_varColumns.resize(layout.varCount());
    for (std::size_t i = 0; i < layout.columns().size(); ++i) {
        const ColumnDescriptor &column = layout.columns()[i];
        if (column.isLong())
            m_longValues[i] = std::make_unique<LongValueWriter>(file);
        if (!column.fixed)
            m_varColumns[column.varIndex] = &column;
    }
}

void RowEncoder::fail(qsizetype rowIndex, const ColumnDescriptor &column, const QString &what) const
{
    throw std::invalid_argument(QCoreApplication::translate("Jet4Writer", "jet4: table %1, row %2, column %3: %4")
                                    .arg(m_layout.name()).arg(rowIndex + 1)
                                    .arg(column.name, what).toStdString());
}

QByteArray RowEncoder::variableBytes(const Value &value, const ColumnDescriptor &column, qsizetype rowIndex)
{
    switch (column.type) {
    case ColumnType::Text: {
        const auto *text = std::get_if<QString>(&value);
        if (!text)
            fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "a Text column takes a string"));
        if (text->size() > column.maxCharacters)
            fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "%1 characters, the column holds %2")
                                       .arg(text->size()).arg(column.maxCharacters));
        return TextCodec::encode(*text, column.compressedUnicode);
    }
    case ColumnType::Binary: {
        const auto *data = std::get_if<QByteArray>(&value);
        if (!data)
            fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "a Binary column takes bytes"));
        if (data->size() > column.maxCharacters)
            fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "%1 bytes, the column holds %2")
                                       .arg(data->size()).arg(column.maxCharacters));
        return *data;
    }
    case ColumnType::Memo: {
        const auto *text = std::get_if<QString>(&value);
        if (!text)
            fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "a Memo column takes a string"));
        const bool compress = column.compressedUnicode && text->size() <= TextCodec::kMaxCompressedMemo;
        return m_longValues[column.number]->store(TextCodec::encode(*text, compress));
    }
    case ColumnType::OleObject: {
        const auto *data = std::get_if<QByteArray>(&value);
        if (!data)
            fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "an OLE Object column takes bytes"));
        return m_longValues[column.number]->store(*data);
    }
    default:
        fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "not a variable-length column"));
    }
}

QByteArray RowEncoder::encode(const Row &row, qsizetype rowIndex)
{
    const auto &columns = m_layout.columns();
    if (row.size() != columns.size())
        throw std::invalid_argument(QCoreApplication::translate("Jet4Writer", "jet4: table %1, row %2: %3 values for "
                                                                              "%4 columns")
                                        .arg(m_layout.name()).arg(rowIndex + 1)
                                        .arg(row.size()).arg(columns.size()).toStdString());
    const int columnCount = int(columns.size());
    QByteArray nullMask((columnCount + 7) / 8, '\0');
    auto present = [&](int number) { nullMask[number / 8] = char(nullMask[number / 8] | (1 << (number % 8))); };

    QByteArray out(2 + m_layout.fixedSize(), '\0');
    jet::put16(out, 0, std::uint16_t(columnCount));

    for (const ColumnDescriptor &column : columns) {
        const Value &value = row[column.number];
        if (!column.fixed || std::holds_alternative<std::monostate>(value))
            continue;
        const qsizetype at = 2 + column.fixedOffset;
        if (column.type == ColumnType::Boolean) {
            const auto *flag = std::get_if<bool>(&value);
            if (!flag)
                fail(rowIndex, column,
                     QCoreApplication::translate("Jet4Writer", "a Boolean column takes true or false"));
            if (*flag)
                present(column.number);
            continue;
        }
        if (column.type == ColumnType::Double || column.type == ColumnType::DateTime) {
            const auto *number = std::get_if<double>(&value);
            if (!number)
                fail(rowIndex, column,
                     QCoreApplication::translate("Jet4Writer", "a Double or DateTime column takes a double"));
            jet::putDouble(out, at, *number);
        } else {
            const auto *number = std::get_if<std::int32_t>(&value);
            if (!number)
                fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "an integer column takes an int32"));
            if (column.type == ColumnType::Byte && (*number < 0 || *number > 255))
                fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "%1 does not fit a Byte")
                                           .arg(*number));
            if (column.type == ColumnType::Integer && (*number < -32768 || *number > 32767))
                fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "%1 does not fit an Integer")
                                           .arg(*number));
            jet::putUInt(out, at, std::uint32_t(*number), column.storedLength);
        }
        present(column.number);
    }

    const int varCount = m_layout.varCount();
    if (varCount > 0) {
        std::vector<std::uint16_t> offsets(varCount);
        for (int v = 0; v < varCount; ++v) {
            const ColumnDescriptor &column = *m_varColumns[v];
            offsets[v] = std::uint16_t(out.size());
            const Value &value = row[column.number];
            if (std::holds_alternative<std::monostate>(value))
                continue;
            out.append(variableBytes(value, column, rowIndex));
            present(column.number);
            if (out.size() > RowPageWriter::kMaxRowSize)
                fail(rowIndex, column, QCoreApplication::translate("Jet4Writer", "the row outgrows a page"));
        }
        jet::append16(out, std::uint16_t(out.size()));
        for (int v = varCount - 1; v >= 0; --v)
            jet::append16(out, offsets[v]);
        jet::append16(out, std::uint16_t(varCount));
    }
    out.append(nullMask);
    if (out.size() > RowPageWriter::kMaxRowSize)
        throw std::invalid_argument(QCoreApplication::translate("Jet4Writer", "jet4: table %1, row %2: %3 bytes do not "
                                                                              "fit a page")
                                        .arg(m_layout.name()).arg(rowIndex + 1).arg(out.size())
                                        .toStdString());
    return out;
}

} // namespace jet4
