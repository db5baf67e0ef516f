// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jet4writer.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace jet4 {

// One column as the table definition stores it.
struct ColumnDescriptor {
    QString name;
    ColumnType type = ColumnType::Text;
    int maxCharacters = 0;        // Text: declared characters; Binary: declared bytes
    int storedLength = 0;         // col_len: bytes (Text 255 -> 510), 0 for Memo/OLE
    std::uint8_t flags = 0;       // 0x01 fixed length, 0x02 updatable, 0x10/0x20 as Access sets them
    bool compressedUnicode = false;
    int number = 0;
    int varIndex = 0;             // position in the row's variable-column table
    int fixedOffset = 0;          // after the 2-byte column count; Boolean lives in the null mask
    bool fixed = false;

    [[nodiscard]] bool isLong() const { return type == ColumnType::Memo || type == ColumnType::OleObject; }
};

// Column numbers, fixed offsets and variable-column indexes of one table, in column order.
class TableLayout {
public:
    // User columns get the flags Access gives ordinary columns; `systemFlags` the ones it
    // gives the columns of its own catalog tables.
    TableLayout(QString tableName, const std::vector<Column> &columns, bool systemFlags);

    [[nodiscard]] const QString &name() const { return m_name; }
    [[nodiscard]] const std::vector<ColumnDescriptor> &columns() const { return m_columns; }
    [[nodiscard]] int fixedSize() const { return m_fixedSize; }
    [[nodiscard]] int varCount() const { return m_varCount; }
    [[nodiscard]] bool systemFlags() const { return m_systemFlags; }

    // Storage size of a fixed-length type (Boolean: 0, kept in the null mask).
    [[nodiscard]] static int fixedSizeOf(ColumnType type);
    [[nodiscard]] static bool isFixedType(ColumnType type);

private:
    QString m_name;
    std::vector<ColumnDescriptor> m_columns;
    int m_fixedSize = 0;
    int m_varCount = 0;
    bool m_systemFlags = false;
};

} // namespace jet4
