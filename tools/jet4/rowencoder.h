// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "longvaluewriter.h"
#include "tablelayout.h"

#include <QByteArray>

#include <memory>
#include <vector>

namespace jet4 {

// Encodes rows of one table (Jet 4):
//   2 bytes column count
//   fixed columns at their fixed offsets (Boolean values live in the null mask)
//   variable columns' data in variable-column order
//   if the table has variable columns: 2 bytes end-of-data offset, the 2-byte offsets of
//   the variable columns from the last to the first, 2 bytes variable-column count
//   null mask: one bit per column number, 1 = present (Boolean: 1 = true)
// Offsets count from the start of the row. Memo and OLE values go through the column's
// long-value writer; the row holds their pointer.
class RowEncoder {
public:
    RowEncoder(const TableLayout &layout, PageFile &file);

    // Throws std::invalid_argument naming table, row and column for a value the column cannot hold.
    [[nodiscard]] QByteArray encode(const Row &row, qsizetype rowIndex);
    // The long-value writer of column `index`, or nullptr for other columns.
    [[nodiscard]] const LongValueWriter *longValues(int index) const { return m_longValues[index].get(); }

private:
    [[noreturn]] void fail(qsizetype rowIndex, const ColumnDescriptor &column, const QString &what) const;
    QByteArray variableBytes(const Value &value, const ColumnDescriptor &column, qsizetype rowIndex);

    const TableLayout &m_layout;
    std::vector<std::unique_ptr<LongValueWriter>> m_longValues;
    std::vector<const ColumnDescriptor *> m_varColumns;  // by variable-column index
};

} // namespace jet4
