#pragma once

#include "pagefile.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace jet4 {

// A page usage map, stored as a 69-byte row on a data page.
//   type 0 (inline):   1 byte 0x00, 4 bytes start page, 64 bytes bitmap (bit n: start + n)
//   type 1 (indirect): 1 byte 0x01, 17 x 4 bytes page numbers of 0x05 bitmap pages; the
//                      i-th covers pages i * 32736 ... (i + 1) * 32736 - 1, 0 where empty
//   0x05 bitmap page:  05 01 00 00, then 4092 bytes of bitmap
// Bits run from the least significant bit of each byte.
class UsageMap {
public:
    static constexpr int kRowSize = 69;
    static constexpr int kInlinePages = 64 * 8;
    static constexpr int kPagesPerBitmapPage = (kPageSize - 4) * 8;
    static constexpr int kBitmapPagePointers = 17;

    // The map row for `pages`; allocates the bitmap pages of a type 1 map in `file`.
    // Pages below 512 use the inline form starting at page 0, as Access writes it.
    [[nodiscard]] static QByteArray build(PageFile &file, const std::vector<std::uint32_t> &pages);

    // Page 1's map of the whole file: an inline map whose set bits are the pages that are
    // free, which is every page from `pageCount` on.
    [[nodiscard]] static QByteArray freePagesFrom(std::uint32_t pageCount);
};

} // namespace jet4
