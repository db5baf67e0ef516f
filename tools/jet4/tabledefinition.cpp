#include "tabledefinition.h"

#include "bytes.h"

#include <cstring>

namespace jet4 {
namespace {
constexpr int kHeaderSize = 8;
constexpr int kFixedPartSize = 0x3F;
constexpr int kColumnSize = 25;
constexpr std::uint16_t kGeneralSortOrder = 0x0409;
constexpr std::uint8_t kUserTable = 0x4E;
constexpr std::uint8_t kSystemTable = 0x53;
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
    bytes::put8(out, 0, 0x02);
    bytes::put8(out, 1, 0x01);
    bytes::put32(out, 12, kAccessMagic);
    bytes::put32(out, 16, m_rowCount);
    bytes::put8(out, 24, 0x01);
    bytes::put8(out, 40, m_systemTable ? kSystemTable : kUserTable);
    bytes::put16(out, 41, std::uint16_t(columns.size()));
    bytes::put16(out, 43, std::uint16_t(m_layout.varCount()));
    bytes::put16(out, 45, std::uint16_t(columns.size()));
    bytes::put32(out, 55, m_usedMap);
    bytes::put32(out, 59, m_freeMap);

    for (const ColumnDescriptor &column : columns) {
        const qsizetype at = out.size();
        out.resize(at + kColumnSize, '\0');
        bytes::put8(out, at, std::uint8_t(column.type));
        bytes::put32(out, at + 1, kAccessMagic);
        bytes::put16(out, at + 5, std::uint16_t(column.number));
        bytes::put16(out, at + 7, std::uint16_t(column.varIndex));
        bytes::put16(out, at + 9, std::uint16_t(m_layout.systemFlags() ? 0 : column.number));
        bytes::put16(out, at + 11, kGeneralSortOrder);
        bytes::put8(out, at + 15, column.flags);
        bytes::put8(out, at + 16, column.compressedUnicode ? 0x01 : 0x00);
        bytes::put16(out, at + 21, std::uint16_t(column.fixedOffset));
        bytes::put16(out, at + 23, std::uint16_t(column.storedLength));
    }
    for (const ColumnDescriptor &column : columns) {
        bytes::append16(out, std::uint16_t(column.name.size() * 2));
        bytes::appendUcs2(out, column.name);
    }
    for (const LongValueMaps &maps : m_longValueMaps) {
        bytes::append16(out, std::uint16_t(maps.columnNumber));
        bytes::append32(out, maps.usedMap);
        bytes::append32(out, maps.freeMap);
    }
    bytes::append16(out, 0xFFFF);
    out.append(8, '\0');
    bytes::put32(out, 8, std::uint32_t(out.size() - kHeaderSize));
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
        bytes::checkRange(image, base + skip, take);
        std::memcpy(image.data() + base + skip, definition.constData() + consumed, take);
        bytes::put8(image, base, 0x02);
        bytes::put8(image, base + 1, 0x01);
        bytes::put16(image, base + 2, std::uint16_t(kPageSize - (skip + take)));
        consumed += take;
        if (consumed >= definition.size()) {
            bytes::put32(file.image(), base + 4, 0);
            return;
        }
        const std::uint32_t next = file.allocate();
        bytes::put32(file.image(), base + 4, next);
        page = next;
        first = false;
    }
}

} // namespace jet4
