// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagefile.h"

#include <QByteArrayView>

#include <cstdint>
#include <vector>

namespace jet4 {

// A row's address, as long-value pointers and map pointers store it.
struct RowAddress {
    std::uint32_t page = 0;
    std::uint8_t row = 0;
    [[nodiscard]] std::uint32_t packed() const { return jet::rowAddress(page, row); }
};

// Fills data pages (jetformat.h) of one owner with rows; the offsets it writes carry no
// flag bits, every row is live.
class RowPageWriter {
public:
    static constexpr int kHeaderSize = jet::datapage::kJet4HeaderSize;
    static constexpr int kMaxRowsPerPage = jet::kMaxRowsPerPage;
    static constexpr int kMaxRowSize = jet::datapage::kJet4MaxRowSize;

    RowPageWriter(PageFile &file, std::uint32_t owner);

    // Stores the row on the current page or a new one; the row must be kMaxRowSize at most.
    RowAddress add(QByteArrayView row);
    // Pages this writer filled, in allocation order.
    [[nodiscard]] const std::vector<std::uint32_t> &pages() const { return m_pages; }

    // Continues on `page`, already allocated, instead of allocating the first page.
    void adoptPage(std::uint32_t page);

    static std::uint32_t lvalOwner();

private:
    void startPage();
    void initialisePage(std::uint32_t page);

    PageFile &m_file;
    std::uint32_t m_owner;
    std::vector<std::uint32_t> m_pages;
    int m_rows = 0;
    int m_rowStart = kPageSize;  // lowest row offset on the current page
};

} // namespace jet4
