// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Jet database file format, as far as this program reads and writes it: the
// little-endian byte helpers and every on-disk structure with its constants, described once
// here for the bank's reader (bank/) and the writer (tools/jet4/) alike.
//
// A file is a sequence of pages (4096 bytes in Jet 4, 2048 in Jet 3); integers are
// little-endian; a page's first byte is its type. Page 0 is the database definition page
// (see jetheader.h). The catalog MSysObjects is the table defined on page 2.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <bit>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace jet {

// --- byte helpers ----------------------------------------------------------------------
//
// Every access is bounds-checked. The get/put forms throw std::out_of_range for an access
// past the end: where a file's bytes decide the offset, test with inRange or use the read
// forms, which give nothing instead.

[[nodiscard]] inline bool inRange(QByteArrayView bytes, qsizetype offset, qsizetype length)
{
    return offset >= 0 && length >= 0 && offset <= bytes.size() && length <= bytes.size() - offset;
}

inline void checkRange(QByteArrayView bytes, qsizetype offset, qsizetype length)
{
    if (!inRange(bytes, offset, length))
        throw std::out_of_range("jet: access of " + std::to_string(length) + " bytes at " + std::to_string(offset)
                                + " outside a buffer of " + std::to_string(bytes.size()));
}

[[nodiscard]] inline std::uint64_t getUInt(QByteArrayView bytes, qsizetype offset, int width)
{
    checkRange(bytes, offset, width);
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

[[nodiscard]] inline std::uint8_t get8(QByteArrayView b, qsizetype offset) { return std::uint8_t(getUInt(b, offset, 1)); }
[[nodiscard]] inline std::uint16_t get16(QByteArrayView b, qsizetype offset) { return std::uint16_t(getUInt(b, offset, 2)); }
[[nodiscard]] inline std::uint32_t get32(QByteArrayView b, qsizetype offset) { return std::uint32_t(getUInt(b, offset, 4)); }
[[nodiscard]] inline std::uint64_t get64(QByteArrayView b, qsizetype offset) { return getUInt(b, offset, 8); }
[[nodiscard]] inline double getDouble(QByteArrayView b, qsizetype offset) { return std::bit_cast<double>(get64(b, offset)); }
[[nodiscard]] inline float getFloat(QByteArrayView b, qsizetype offset) { return std::bit_cast<float>(get32(b, offset)); }

// Reads whose offset comes from the file: nothing when the bytes are not there.
[[nodiscard]] inline std::optional<std::uint16_t> read16(QByteArrayView b, qsizetype offset)
{
    return inRange(b, offset, 2) ? std::optional(get16(b, offset)) : std::nullopt;
}

[[nodiscard]] inline std::optional<std::uint32_t> read32(QByteArrayView b, qsizetype offset)
{
    return inRange(b, offset, 4) ? std::optional(get32(b, offset)) : std::nullopt;
}

inline void putUInt(QByteArray &bytes, qsizetype offset, std::uint64_t value, int width)
{
    checkRange(bytes, offset, width);
    char *out = bytes.data() + offset;
    for (int i = 0; i < width; ++i)
        out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline void put8(QByteArray &b, qsizetype offset, std::uint8_t v) { putUInt(b, offset, v, 1); }
inline void put16(QByteArray &b, qsizetype offset, std::uint16_t v) { putUInt(b, offset, v, 2); }
inline void put32(QByteArray &b, qsizetype offset, std::uint32_t v) { putUInt(b, offset, v, 4); }
inline void putDouble(QByteArray &b, qsizetype offset, double v) { putUInt(b, offset, std::bit_cast<std::uint64_t>(v), 8); }

// Appending forms for building records front to back.
inline void append16(QByteArray &b, std::uint16_t v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
}

inline void append32(QByteArray &b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline void appendUcs2(QByteArray &b, const QString &text)
{
    for (const QChar c : text)
        append16(b, c.unicode());
}

// --- pages -------------------------------------------------------------------------------

inline constexpr int kJet4PageSize = 4096;
inline constexpr int kJet3PageSize = 2048;

inline constexpr std::uint8_t kDefinitionPageType = 0x00;
inline constexpr std::uint8_t kDataPageType = 0x01;
inline constexpr std::uint8_t kTableDefinitionPageType = 0x02;
inline constexpr std::uint8_t kUsageMapPageType = 0x05;

// The table defined on page 2 is the catalog, MSysObjects.
inline constexpr std::uint32_t kCatalogDefinitionPage = 2;

// Database definition page (page 0):
//   0x00        page type 0x00
//   0x04..0x13  the signature: "Standard Jet DB" and a zero byte for a database
//               ("Standard ACE DB" for later engines), "Jet System DB" for a workgroup
//               (system database) file, Jet 3 and Jet 4 alike; Access pads it with two
//               blanks and a zero byte ("Jet System DB  \0"), our writer with zero bytes
//   0x14        engine version: 0x00 Jet 3, 0x01 Jet 4, 0x02 and up ACE
//   0x18..0x97  128 bytes masked with the RC4 key stream of the key C7 DA 39 6B
//               (Jet 4; Jet 3 masks 126 bytes and keeps the password elsewhere)
// Within the unmasked Jet 4 bytes:
//   0x3C        code page (unused by Jet 4)
//   0x3E        page-encoding key (0: pages after page 0 are stored in the clear; else each
//               page is RC4-encoded with the key XOR its page number)
//   0x42..0x69  database password, UCS-2 LE, zero-padded, XORed byte by byte with the
//               4 little-endian bytes of the creation date truncated to a 32-bit integer
//               (all zero: no password)
//   0x6E        default sort order
//   0x72        creation date, IEEE double, days since 1899-12-30
// (Jet 3: the password is 20 single-byte characters at 0x42, without the date mask.)
namespace definitionpage {
inline constexpr qsizetype kSignatureOffset = 0x04;
inline constexpr qsizetype kSignatureLength = 16;
inline constexpr qsizetype kVersionOffset = 0x14;
inline constexpr qsizetype kMaskedOffset = 0x18;
inline constexpr qsizetype kJet4MaskedLength = 128;
inline constexpr qsizetype kJet3MaskedLength = 126;
inline constexpr qsizetype kCodePageOffset = 0x3C;
inline constexpr qsizetype kPageEncodingKeyOffset = 0x3E;
inline constexpr qsizetype kPasswordOffset = 0x42;
inline constexpr qsizetype kJet4PasswordBytes = 40;  // 20 UCS-2 characters
inline constexpr qsizetype kJet3PasswordBytes = 20;  // 20 single-byte characters
inline constexpr qsizetype kSortOrderOffset = 0x6E;
inline constexpr qsizetype kCreationDateOffset = 0x72;
inline constexpr std::uint8_t kJet3 = 0x00;
inline constexpr std::uint8_t kJet4 = 0x01;
inline constexpr char kDatabaseSignature[] = "Standard Jet DB";
inline constexpr char kAceSignature[] = "Standard ACE DB";
inline constexpr char kWorkgroupSignature[] = "Jet System DB";
inline constexpr unsigned char kHeaderKey[] = {0xC7, 0xDA, 0x39, 0x6B};
} // namespace definitionpage

// A row's address, as long-value pointers, map pointers and chains store it: 4 bytes,
// page << 8 | row number. Row numbers are one byte, so a page holds at most 255 rows.
[[nodiscard]] constexpr std::uint32_t rowAddress(std::uint32_t page, std::uint8_t row) { return (page << 8) | row; }
[[nodiscard]] constexpr std::uint32_t addressPage(std::uint32_t address) { return address >> 8; }
[[nodiscard]] constexpr int addressRow(std::uint32_t address) { return int(address & 0xFF); }
inline constexpr int kMaxRowsPerPage = 255;

// Data page (also long-value page), Jet 4:
//   0x00  page type 0x01, then 0x01
//   0x02  2 bytes free space: page size - header - row offset table - rows
//   0x04  4 bytes owner: the page of the owning table's definition, or "LVAL" on pages
//         that hold long values
//   0x08  4 bytes zero
//   0x0C  2 bytes row count, then one 2-byte offset per row
// (Jet 3: the owner at 0x04 too, the row count at 0x08.)
// Rows are packed downward from the end of the page without a length: a row ends where
// the previous one (by number) starts, row 0 at the end of the page. An offset keeps flags
// in its top bits: 0x4000 a deleted row (Access writes 0xC000), 0x8000 a pointer to a row
// that moved; readers pass deleted rows over.
namespace datapage {
inline constexpr int kFreeSpaceOffset = 0x02;
inline constexpr int kOwnerOffset = 0x04;
inline constexpr int kJet4RowCountOffset = 0x0C;
inline constexpr int kJet3RowCountOffset = 0x08;
inline constexpr int kJet4HeaderSize = kJet4RowCountOffset + 2;
inline constexpr int kJet4MaxRowSize = kJet4PageSize - kJet4HeaderSize - 2;  // one row alone on a page
inline constexpr std::uint16_t kRowOffsetMask = 0x1FFF;
inline constexpr std::uint16_t kRowDeleted = 0x4000;
inline constexpr std::uint32_t kLongValueOwner = 0x4C41564C;  // "LVAL"
} // namespace datapage

// Table definition (TDEF), Jet 4:
//   0x00  0x02, 0x01, 2 bytes free space on this page, 4 bytes next definition page (0: last)
//   0x08  4 bytes definition length (from 0x08 on), 4 bytes 1625 as Access writes it
//   0x10  4 bytes row count, 4 bytes next autonumber, 1 byte 0x01, 15 bytes zero
//   0x28  1 byte table type (0x4E user, 0x53 system), 2 bytes max columns,
//         2 bytes variable columns, 2 bytes columns, 4 bytes logical indexes,
//         4 bytes real indexes (index entries), 4 bytes used-pages map, 4 bytes free-pages map
//   0x3F  25 bytes per column: type, 4 bytes 1625, number, variable index, number again
//         (0 in system tables), sort order 0x0409, 2 bytes zero, flags, 0x01 when
//         compressible, 4 bytes zero, fixed offset, length
//         then per column 2 bytes name length (bytes) and the UCS-2 name
//         then per Memo/OLE column its number and two map pointers, ended by FF FF and
//         8 zero bytes
// (Jet 3: variable column count at 0x17, column count at 0x19, real indexes at 0x1F.)
// A definition longer than a page continues on further pages, each with the 8-byte header;
// readers join the pages, skipping the headers of the continuation pages. Jet keeps at
// most 255 columns and 32 indexes per table.
namespace tdef {
inline constexpr int kHeaderSize = 8;
inline constexpr int kFreeSpaceOffset = 0x02;
inline constexpr int kNextPageOffset = 0x04;
inline constexpr int kLengthOffset = 0x08;
inline constexpr int kMagicOffset = 0x0C;
inline constexpr int kRowCountOffset = 0x10;
inline constexpr int kAutonumberFlagOffset = 0x18;
inline constexpr int kTableTypeOffset = 0x28;
inline constexpr int kMaxColumnsOffset = 0x29;
inline constexpr int kJet4VariableColumnCountOffset = 0x2B;
inline constexpr int kJet4ColumnCountOffset = 0x2D;
inline constexpr int kJet4RealIndexCountOffset = 0x33;
inline constexpr int kUsedMapOffset = 0x37;
inline constexpr int kFreeMapOffset = 0x3B;
inline constexpr int kJet4FixedPartSize = 0x3F;
inline constexpr int kJet3ColumnCountOffset = 0x19;
inline constexpr int kJet3RealIndexCountOffset = 0x1F;
inline constexpr int kColumnSize = 25;
inline constexpr std::uint32_t kAccessMagic = 1625;
inline constexpr std::uint8_t kUserTable = 0x4E;
inline constexpr std::uint8_t kSystemTable = 0x53;
inline constexpr std::uint16_t kGeneralSortOrder = 0x0409;
inline constexpr std::uint32_t kMaxColumns = 256;       // a damaged count above this is refused
inline constexpr std::uint32_t kMaxRealIndexes = 256;
} // namespace tdef

// Usage map: a table's (or a long-value column's) list of its pages, stored as a row of
// 69 bytes on a data page; the first byte is the map type.
//   type 0 (inline):   4 bytes start page, then a 64-byte bitmap, bit n = page start + n
//   type 1 (indirect): 17 x 4 bytes page numbers of 0x05 bitmap pages, 0 where empty; the
//                      i-th covers pages i * (page size - 4) * 8 onwards
//   0x05 bitmap page:  05 01 00 00, then the bitmap
// Bits run from the least significant bit of each byte.
namespace usagemap {
inline constexpr int kRowSize = 69;
inline constexpr std::uint8_t kInline = 0x00;
inline constexpr std::uint8_t kIndirect = 0x01;
inline constexpr int kInlineStartOffset = 1;
inline constexpr int kInlineBitmapOffset = 5;
inline constexpr int kInlinePages = (kRowSize - kInlineBitmapOffset) * 8;
inline constexpr int kBitmapPagePointers = 17;
inline constexpr int kBitmapPageHeader = 4;
[[nodiscard]] constexpr int pagesPerBitmapPage(int pageSize) { return (pageSize - kBitmapPageHeader) * 8; }
} // namespace usagemap

// Long-value pointer, the 12 bytes a Memo or OLE Object field holds in its row:
//   0  4 bytes: the length in the low 30 bits (the writer states at most 24), flags on top:
//      0x80000000 the value follows the pointer inside the row,
//      0x40000000 the value is one row of a long-value page,
//      neither: a chain of rows, each starting with the 4-byte address of the next
//      (0 ends the chain), then its part of the value
//   4  4 bytes: the address (page << 8 | row) of the first long-value row; 0 when inline
//   8  4 bytes zero
// Lengths are exact: readers take them from the pointer or from the rows.
namespace longvalue {
inline constexpr int kPointerSize = 12;
inline constexpr int kLengthOffset = 0;
inline constexpr int kAddressOffset = 4;
inline constexpr std::uint32_t kInline = 0x80000000u;
inline constexpr std::uint32_t kSingleRow = 0x40000000u;
inline constexpr std::uint32_t kLengthMask = 0x3FFFFFFFu;
inline constexpr std::uint32_t kMaxWrittenLength = 0xFFFFFFu;
inline constexpr int kChainLinkSize = 4;
} // namespace longvalue

// Jet 4 text, in Text and Memo columns: UCS-2 little-endian, or compressed when it starts
// with FF FE. A compressed text starts in one-byte mode, where a byte stands for the
// character U+0001..U+00FF; a 00 byte switches between one-byte and two-byte (UCS-2) mode.
// The strictest readers take every 00 byte for a switch, whatever the mode, so a writer
// keeps 00 bytes out of a compressed text except as switches: one-byte characters only in
// one-byte runs, and a text holding a character with a 00 byte ("一" U+4E00) uncompressed.
// Access compresses memos up to 1,024 characters only.
namespace text {
inline constexpr std::uint8_t kCompressedMarker0 = 0xFF;
inline constexpr std::uint8_t kCompressedMarker1 = 0xFE;
inline constexpr char kModeSwitch = '\0';
inline constexpr int kMaxCompressedMemo = 1024;
} // namespace text

} // namespace jet
