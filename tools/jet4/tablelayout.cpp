// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablelayout.h"

#include <stdexcept>

namespace jet4 {
namespace {
constexpr std::uint8_t kFixedLength = 0x01;
constexpr std::uint8_t kUpdatable = 0x02;
constexpr std::uint8_t kSystemColumn = 0x10;
} // namespace

bool TableLayout::isFixedType(ColumnType type)
{
    switch (type) {
    case ColumnType::Boolean:
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::LongInteger:
    case ColumnType::Double:
    case ColumnType::DateTime:
        return true;
    case ColumnType::Binary:
    case ColumnType::Text:
    case ColumnType::OleObject:
    case ColumnType::Memo:
        return false;
    }
    throw std::invalid_argument("jet4: unknown column type");
}

int TableLayout::fixedSizeOf(ColumnType type)
{
    switch (type) {
    case ColumnType::Boolean: return 0;
    case ColumnType::Byte: return 1;
    case ColumnType::Integer: return 2;
    case ColumnType::LongInteger: return 4;
    case ColumnType::Double:
    case ColumnType::DateTime: return 8;
    default: return 0;
    }
}

TableLayout::TableLayout(QString tableName, const std::vector<Column> &columns, bool systemFlags)
    : m_name(std::move(tableName)), m_systemFlags(systemFlags)
{
    m_columns.reserve(columns.size());
    int number = 0;
    for (const Column &column : columns) {
        ColumnDescriptor descriptor;
        descriptor.name = column.name;
        descriptor.type = column.type;
        descriptor.number = number++;
        descriptor.fixed = isFixedType(column.type);
        descriptor.flags = std::uint8_t(kUpdatable | (descriptor.fixed ? kFixedLength : 0)
                                  | (systemFlags ? kSystemColumn : 0));
        switch (column.type) {
        case ColumnType::Text:
            descriptor.maxCharacters = column.textLength;
            descriptor.storedLength = 2 * column.textLength;
            descriptor.compressedUnicode = !systemFlags;
            break;
        case ColumnType::Binary:
            descriptor.maxCharacters = column.textLength;
            descriptor.storedLength = systemFlags ? 510 : column.textLength;
            break;
        case ColumnType::Memo:
            descriptor.compressedUnicode = !systemFlags;
            break;
        case ColumnType::OleObject:
            break;
        case ColumnType::Boolean:
            descriptor.storedLength = 1;
            break;
        default:
            descriptor.storedLength = fixedSizeOf(column.type);
            descriptor.fixedOffset = m_fixedSize;
            m_fixedSize += descriptor.storedLength;
            break;
        }
        if (!descriptor.fixed)
            descriptor.varIndex = m_varCount++;
        m_columns.push_back(descriptor);
    }
}

} // namespace jet4
