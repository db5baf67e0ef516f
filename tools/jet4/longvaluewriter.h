#pragma once

#include "rowpagewriter.h"

#include <QByteArray>
#include <QByteArrayView>

namespace jet4 {

// Stores Memo and OLE Object values and returns the 12-byte pointer kept in the row:
//   3 bytes length, 1 byte flag, 4 bytes page << 8 | row, 4 bytes zero
//   flag 0x80: the value follows the pointer inside the row (no page reference)
//   flag 0x40: the value is one row of a long-value page
//   flag 0x00: a chain of rows, each: 4 bytes page << 8 | row of the next (0 ends), data
// One writer per column: the column's long-value pages are listed in its own usage map.
class LongValueWriter {
public:
    static constexpr int kPointerSize = 12;
    static constexpr int kMaxInline = 64;
    static constexpr int kMaxChainSegment = RowPageWriter::kMaxRowSize - 4;  // 4076
    static constexpr qsizetype kMaxLength = 0xFFFFFF;

    explicit LongValueWriter(PageFile &file);

    // The bytes to place in the row for `value`: the pointer, plus the value when inline.
    [[nodiscard]] QByteArray store(QByteArrayView value);
    [[nodiscard]] const std::vector<std::uint32_t> &pages() const { return m_rows.pages(); }

private:
    RowPageWriter m_rows;
};

} // namespace jet4
