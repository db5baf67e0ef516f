// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabledefinition.h"

#include "jetformat.h"

#include <cstring>

namespace jet4 {
namespace {
using namespace jet::tdef;
constexpr int kFixedPartSize = kJet4FixedPartSize;
} // namespace

TableDefinition::TableDefinition(const TableLayout &layout, bool systemTable)
    : m_layout(layout), m_systemTable(systemTable)
{
}

void TableDefinition::setUsageMaps(std::uint32_t usedMap, std::uint32_t freeMap)
{
    m_usedMap = usedMap;
    m_freeMap = freeMap;
}

QByteArray TableDefinition::definitionBytes() const
{
    const auto &columns = m_layout.columns();
    QByteArray out(kFixedPartSize, '\0');
    out.reserve(kFixedPartSize + qsizetype(columns.size()) * (kColumnSize + 130) + 10 * 20);
    jet::put8(out, 0, jet::kTableDefinitionPageType);
    jet::put8(out, 1, 0x01);
    jet::put32(out, kMagicOffset, kAccessMagic);
    jet::put32(out, kRowCountOffset, m_rowCount);
    jet::put8(out, kAutonumberFlagOffset, 0x01);
    jet::put8(out, kTableTypeOffset, m_systemTable ? kSystemTable : kUserTable);
    jet::put16(out, kMaxColumnsOffset, std::uint16_t(columns.size()));
    jet::put16(out, kJet4VariableColumnCountOffset, std::uint16_t(m_layout.varCount()));
    jet::put16(out, kJet4ColumnCountOffset, std::uint16_t(columns.size()));
    jet::put32(out, kUsedMapOffset, m_usedMap);
    jet::put32(out, kFreeMapOffset, m_freeMap);

    for (const ColumnDescriptor &column : columns) {
        const qsizetype at = out.size();
        out.resize(at + kColumnSize, '\0');
        jet::put8(out, at, std::uint8_t(column.type));
        jet::put32(out, at + 1, kAccessMagic);
        jet::put16(out, at + 5, std::uint16_t(column.number));
        jet::put16(out, at + 7, std::uint16_t(column.varIndex));
        jet::put16(out, at + 9, std::uint16_t(m_layout.systemFlags() ? 0 : column.number));
        jet::put16(out, at + 11, kGeneralSortOrder);
        jet::put8(out, at + 15, column.flags);
        jet::put8(out, at + 16, column.compressedUnicode ? 0x01 : 0x00);
        jet::put16(out, at + 21, std::uint16_t(column.fixedOffset));
        jet::put16(out, at + 23, std::uint16_t(column.storedLength));
    }
    for (const ColumnDescriptor &column : columns) {
        jet::append16(out, std::uint16_t(column.name.size() * 2));
        jet::appendUcs2(out, column.name);
    }
    for (const LongValueMaps &maps : m_longValueMaps) {
        jet::append16(out, std::uint16_t(maps.columnNumber));
        jet::append32(out, maps.usedMap);
        jet::append32(out, maps.freeMap);
    }
    jet::append16(out, 0xFFFF);
    out.append(8, '\0');
    jet::put32(out, kLengthOffset, std::uint32_t(out.size() - kHeaderSize));
    return out;
}

void TableDefinition::write(PageFile &file, std::uint32_t firstPage) const
{
    const QByteArray definition = definitionBytes();
    std::uint32_t page = firstPage;
    qsizetype consumed = 0;
    bool first = true;
    for (;;) {
        // The first page holds the header inside the definition; later pages add their own.
        const qsizetype skip = first ? 0 : kHeaderSize;
        const qsizetype room = kPageSize - skip;
        const qsizetype take = std::min(room, definition.size() - consumed);
        QByteArray &image = file.image();
        const qsizetype base = PageFile::offsetOf(page);
        jet::checkRange(image, base + skip, take);
        std::memcpy(image.data() + base + skip, definition.constData() + consumed, take);
        jet::put8(image, base, jet::kTableDefinitionPageType);
        jet::put8(image, base + 1, 0x01);
        jet::put16(image, base + kFreeSpaceOffset, std::uint16_t(kPageSize - (skip + take)));
        consumed += take;
        if (consumed >= definition.size()) {
            jet::put32(file.image(), base + kNextPageOffset, 0);
            return;
        }
        const std::uint32_t next = file.allocate();
        jet::put32(file.image(), base + kNextPageOffset, next);
        page = next;
        first = false;
    }
}

} // namespace jet4
