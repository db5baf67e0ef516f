// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rowpagewriter.h"

#include <QByteArray>
#include <QByteArrayView>

namespace jet4 {

// Stores Memo and OLE Object values and returns the long-value pointer (jetformat.h) kept
// in the row: values up to 64 bytes inline, up to a row's size in one long-value row, longer
// ones in a chain of rows. One writer per column: the column's long-value pages are listed
// in its own usage map.
class LongValueWriter {
public:
    static constexpr int kPointerSize = jet::longvalue::kPointerSize;
    static constexpr int kMaxInline = 64;
    static constexpr int kMaxChainSegment = RowPageWriter::kMaxRowSize - jet::longvalue::kChainLinkSize;  // 4076
    static constexpr qsizetype kMaxLength = jet::longvalue::kMaxWrittenLength;

    explicit LongValueWriter(PageFile &file);

    // The bytes to place in the row for `value`: the pointer, plus the value when inline.
    [[nodiscard]] QByteArray store(QByteArrayView value);
    [[nodiscard]] const std::vector<std::uint32_t> &pages() const { return m_rows.pages(); }

private:
    RowPageWriter m_rows;
};

} // namespace jet4
