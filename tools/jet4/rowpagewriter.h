#pragma once

#include "pagefile.h"

#include <QByteArrayView>

#include <cstdint>
#include <vector>

namespace jet4 {

// A row's address: page << 8 | row number, as long-value pointers and map pointers store it.
struct RowAddress {
    std::uint32_t page = 0;
    std::uint8_t row = 0;
    [[nodiscard]] std::uint32_t packed() const { return (page << 8) | row; }
};

// Data page (also long-value page) layout:
//   0x00  0x01 page type, 0x01
//   0x02  2 bytes free space: page size - header - offset table - rows
//   0x04  4 bytes owner: the table's TDEF page, or the text "LVAL" on long-value pages
//   0x08  4 bytes zero
//   0x0C  2 bytes row count, then one 2-byte offset per row (no flag bits: live rows)
// Rows are packed downward from the end of the page, each ending where the previous starts.
class RowPageWriter {
public:
    static constexpr int kHeaderSize = 14;
    static constexpr int kMaxRowsPerPage = 255;  // row numbers in pointers are one byte
    static constexpr int kMaxRowSize = kPageSize - kHeaderSize - 2;

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
