// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

// Writes a table definition (TDEF, jetformat.h), continued on further pages when it
// outgrows one.
class TableDefinition {
public:
    TableDefinition(const TableLayout &layout, bool systemTable);

    void setRowCount(std::uint32_t rows) { m_rowCount = rows; }
    void setUsageMaps(std::uint32_t usedMap, std::uint32_t freeMap);
    void addLongValueMaps(const LongValueMaps &maps) { m_longValueMaps.push_back(maps); }

    // Writes the definition at `firstPage`, allocating continuation pages as needed.
    void write(PageFile &file, std::uint32_t firstPage) const;
    [[nodiscard]] QByteArray definitionBytes() const;

    static constexpr std::uint32_t kAccessMagic = jet::tdef::kAccessMagic;

private:
    const TableLayout &m_layout;
    bool m_systemTable;
    std::uint32_t m_rowCount = 0;
    std::uint32_t m_usedMap = 0;
    std::uint32_t m_freeMap = 0;
    std::vector<LongValueMaps> m_longValueMaps;
};

} // namespace jet4
