#pragma once

#include "pagefile.h"
#include "tablelayout.h"

#include <cstdint>
#include <vector>

namespace jet4 {

// The usage maps of one Memo or OLE column: which long-value pages hold its values.
struct LongValueMaps {
    int columnNumber = 0;
    std::uint32_t usedMap = 0;  // page << 8 | row of the map row
    std::uint32_t freeMap = 0;
};

// Writes a table definition (TDEF), Jet 4:
//   0x00  0x02, 0x01, 2 bytes free space on this page, 4 bytes next TDEF page (0: last)
//   0x08  4 bytes definition length (from 0x08 on), 4 bytes 1625 as Access writes it
//   0x10  4 bytes row count, 4 bytes next autonumber, 1 byte 0x01, 15 bytes zero
//   0x28  1 byte table type (0x4E user, 0x53 system), 2 bytes max columns,
//         2 bytes variable columns, 2 bytes columns, 4 bytes logical indexes,
//         4 bytes index entries, 4 bytes used-pages map, 4 bytes free-pages map
//   0x3F  25 bytes per column: type, 4 bytes 1625, number, variable index, number again
//         (0 in system tables), sort order 0x0409, 2 bytes zero, flags, 0x01 when
//         compressible, 4 bytes zero, fixed offset, length
//         then per column 2 bytes name length (bytes) and the UCS-2 name
//         then per Memo/OLE column its number and two map pointers, ended by FF FF and
//         8 zero bytes
// A definition longer than a page continues on further pages, each with the 8-byte header;
// readers join the pages, skipping the headers of the continuation pages.
class TableDefinition {
public:
    TableDefinition(const TableLayout &layout, bool systemTable);

    void setRowCount(std::uint32_t rows) { m_rowCount = rows; }
    void setUsageMaps(std::uint32_t usedMap, std::uint32_t freeMap);
    void addLongValueMaps(const LongValueMaps &maps) { m_longValueMaps.push_back(maps); }

    // Writes the definition at `firstPage`, allocating continuation pages as needed.
    void write(PageFile &file, std::uint32_t firstPage) const;
    [[nodiscard]] QByteArray definitionBytes() const;

    static constexpr std::uint32_t kAccessMagic = 1625;

private:
    const TableLayout &m_layout;
    bool m_systemTable;
    std::uint32_t m_rowCount = 0;
    std::uint32_t m_usedMap = 0;
    std::uint32_t m_freeMap = 0;
    std::vector<LongValueMaps> m_longValueMaps;
};

} // namespace jet4
