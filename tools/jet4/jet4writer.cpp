// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jet4writer.h"

#include "jetformat.h"
#include "jetheader.h"
#include "pagefile.h"
#include "propertyblock.h"
#include "rowencoder.h"
#include "rowpagewriter.h"
#include "tabledefinition.h"
#include "tablelayout.h"
#include "usagemap.h"

#include <QSet>

#include <memory>
#include <stdexcept>

namespace jet4 {
namespace {

// Page 0 as Access 2000 lays it out before the 128 bytes at 0x18 are masked; unknown
// bytes are those both Access-written samples agree on.
constexpr int kCatalogPage = jet::kCatalogDefinitionPage;
constexpr std::uint32_t kSortGeneral = 0x0409;
constexpr std::uint16_t kCodePage1252 = 1252;

// MSysObjects identifiers and flags as Access writes them.
constexpr std::int32_t kContainerParent = 0x0F000000;
constexpr std::int32_t kTablesContainer = 0x0F000001;
constexpr std::int32_t kDatabasesContainer = 0x0F000002;
constexpr std::int32_t kRelationshipsContainer = 0x0F000003;
constexpr std::int32_t kMSysDbId = 0x10000000;
constexpr std::int16_t kTypeTable = 1;
constexpr std::int16_t kTypeDatabase = 2;
constexpr std::int16_t kTypeContainer = 3;
constexpr std::uint32_t kFlagsAccessSystem = 0x80000000;
constexpr std::uint32_t kFlagsSystemTable = 0x80000002;

QByteArray definitionPage(const Database &database)
{
    QByteArray page(kPageSize, '\0');
    jet::put8(page, 0x00, jet::kDefinitionPageType);
    jet::put8(page, 0x01, 0x01);
    page.replace(jet::definitionpage::kSignatureOffset, jet::definitionpage::kSignatureLength,
                 jet::signatureBytes(database.workgroup ? jet::FileKind::Workgroup : jet::FileKind::Database));
    jet::put8(page, jet::definitionpage::kVersionOffset, jet::definitionpage::kJet4);
    const std::uint32_t sequence[] = {0x0100, 0x0101, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i)
        jet::put32(page, jet::definitionpage::kMaskedOffset + 4 * i, sequence[i]);
    jet::put16(page, jet::definitionpage::kCodePageOffset, kCodePage1252);
    jet::put32(page, jet::definitionpage::kPageEncodingKeyOffset, 0);  // pages after page 0 in the clear
    jet::put16(page, 0x6A, 0x11A6);
    jet::put32(page, jet::definitionpage::kSortOrderOffset, kSortGeneral);
    jet::put32(page, 0x98, 0x0654);
    page.replace(0x9C, 4, QByteArray("4.0", 4));
    for (int at = 0xE00; at < kPageSize; at += 2)
        jet::put8(page, at + 1, 0x01);
    jet::writeDefinitionPage(page, database.password, database.creationDate);
    return page;
}

std::vector<Column> catalogColumns()
{
    using T = ColumnType;
    return {{"Id", T::LongInteger, 0},     {"ParentId", T::LongInteger, 0},
            {"Name", T::Text, 255},        {"Type", T::Integer, 0},
            {"DateCreate", T::DateTime, 0}, {"DateUpdate", T::DateTime, 0},
            {"Owner", T::Binary, 255},     {"Flags", T::LongInteger, 0},
            {"Database", T::Memo, 0},      {"Connect", T::Memo, 0},
            {"ForeignName", T::Text, 255}, {"RmtInfoShort", T::Binary, 255},
            {"RmtInfoLong", T::OleObject, 0}, {"Lv", T::OleObject, 0},
            {"LvProp", T::OleObject, 0},   {"LvModule", T::OleObject, 0},
            {"LvExtra", T::OleObject, 0}};
}

// The empty system tables every Access 2000 database has.
std::vector<Table> accessSystemTables()
{
    using T = ColumnType;
    Table aces{"MSysACEs",
               {{"ObjectId", T::LongInteger, 0}, {"SID", T::Binary, 255},
                {"ACM", T::LongInteger, 0}, {"FInheritable", T::Boolean, 0}},
               {}, true};
    Table queries{"MSysQueries",
                  {{"ObjectId", T::LongInteger, 0}, {"Attribute", T::Byte, 0},
                   {"Order", T::Binary, 255}, {"Name1", T::Text, 255}, {"Name2", T::Text, 255},
                   {"Expression", T::Memo, 0}, {"Flag", T::Integer, 0},
                   {"LvExtra", T::LongInteger, 0}},
                  {}, true};
    Table relationships{"MSysRelationships",
                        {{"szRelationship", T::Text, 255}, {"grbit", T::LongInteger, 0},
                         {"ccolumn", T::LongInteger, 0}, {"icolumn", T::LongInteger, 0},
                         {"szObject", T::Text, 255}, {"szColumn", T::Text, 255},
                         {"szReferencedObject", T::Text, 255},
                         {"szReferencedColumn", T::Text, 255}},
                        {}, true};
    return {aces, queries, relationships};
}

void checkName(const QString &name, const QString &what)
{
    if (name.isEmpty() || name.size() > 64)
        throw std::invalid_argument(QStringLiteral("jet4: %1 name \"%2\" must have 1 to 64 characters")
                                        .arg(what, name).toStdString());
}

void validate(const Database &database)
{
    if (database.password.size() > 20)
        throw std::invalid_argument("jet4: a database password has at most 20 characters");
    QSet<QString> tableNames{"msysobjects", "msysaces", "msysqueries", "msysrelationships"};
    for (const Table &table : database.tables) {
        checkName(table.name, QStringLiteral("table"));
        if (tableNames.contains(table.name.toLower()))
            throw std::invalid_argument(QStringLiteral("jet4: table name \"%1\" used twice or reserved")
                                            .arg(table.name).toStdString());
        tableNames.insert(table.name.toLower());
        if (table.columns.empty() || table.columns.size() > 255)
            throw std::invalid_argument(QStringLiteral("jet4: table %1 needs 1 to 255 columns")
                                            .arg(table.name).toStdString());
        QSet<QString> columnNames;
        for (const Column &column : table.columns) {
            checkName(column.name, QStringLiteral("column"));
            if (columnNames.contains(column.name.toLower()))
                throw std::invalid_argument(QStringLiteral("jet4: table %1 has two columns \"%2\"")
                                                .arg(table.name, column.name).toStdString());
            columnNames.insert(column.name.toLower());
            if ((column.type == ColumnType::Text || column.type == ColumnType::Binary)
                && (column.textLength < 1 || column.textLength > 255))
                throw std::invalid_argument(QStringLiteral("jet4: table %1, column %2: length %3 "
                                                           "outside 1..255")
                                                .arg(table.name, column.name)
                                                .arg(column.textLength).toStdString());
        }
    }
}

// Writes one table's rows, long values, usage maps and definition.
class TableWriter {
public:
    TableWriter(PageFile &file, RowPageWriter &maps, const Table &table, bool accessCatalogFlags,
                std::uint32_t tdefPage)
        : m_file(file), m_maps(maps), m_table(table),
          m_layout(table.name, table.columns, accessCatalogFlags), m_tdefPage(tdefPage)
    {
    }

    void write()
    {
        RowEncoder encoder(m_layout, m_file);
        RowPageWriter rows(m_file, m_tdefPage);
        for (qsizetype i = 0; i < qsizetype(m_table.rows.size()); ++i)
            rows.add(encoder.encode(m_table.rows[i], i));

        TableDefinition definition(m_layout, m_table.system);
        definition.setRowCount(std::uint32_t(m_table.rows.size()));
        // Access lists the same pages as having free space; readers use the first map only.
        const QByteArray map = UsageMap::build(m_file, rows.pages());
        const auto used = m_maps.add(map).packed();
        const auto free = m_maps.add(map).packed();
        definition.setUsageMaps(used, free);
        for (const ColumnDescriptor &column : m_layout.columns()) {
            if (!column.isLong())
                continue;
            const QByteArray lvMap = UsageMap::build(m_file, encoder.longValues(column.number)->pages());
            LongValueMaps maps;
            maps.columnNumber = column.number;
            maps.usedMap = m_maps.add(lvMap).packed();
            maps.freeMap = m_maps.add(lvMap).packed();
            definition.addLongValueMaps(maps);
        }
        definition.write(m_file, m_tdefPage);
    }

private:
    PageFile &m_file;
    RowPageWriter &m_maps;
    const Table &m_table;
    TableLayout m_layout;
    std::uint32_t m_tdefPage;
};

Row catalogRow(std::int32_t id, std::int32_t parent, const QString &name, std::int16_t type,
               double date, std::uint32_t flags)
{
    Row row(17);
    row[0] = id;
    row[1] = parent;
    row[2] = name;
    row[3] = std::int32_t(type);
    row[4] = date;
    row[5] = date;
    row[7] = std::int32_t(flags);
    return row;
}

qsizetype estimatePages(const Database &database)
{
    qsizetype bytes = 0;
    for (const Table &table : database.tables) {
        for (const Row &row : table.rows) {
            for (const Value &value : row) {
                if (const auto *text = std::get_if<QString>(&value))
                    bytes += text->size() * 2 + 4;
                else if (const auto *data = std::get_if<QByteArray>(&value))
                    bytes += data->size() + 4;
                else
                    bytes += 8;
            }
        }
    }
    return 16 + bytes / (kPageSize / 2);
}

} // namespace

QByteArray writeDatabase(const Database &database)
{
    validate(database);

    PageFile file(estimatePages(database));
    (void)file.allocate();                             // 0: definition page
    const std::uint32_t globalMapPage = file.allocate();  // 1: the file's free-page map
    const std::uint32_t catalogPage = file.allocate();    // 2: MSysObjects
    Q_ASSERT(catalogPage == kCatalogPage);

    const std::vector<Table> systemTables = accessSystemTables();
    std::vector<const Table *> tables;
    for (const Table &table : systemTables)
        tables.push_back(&table);
    for (const Table &table : database.tables)
        tables.push_back(&table);
    std::vector<std::uint32_t> tdefPages;
    for (std::size_t i = 0; i < tables.size(); ++i)
        tdefPages.push_back(file.allocate());

    RowPageWriter maps(file, 0);
    for (std::size_t i = 0; i < tables.size(); ++i)
        TableWriter(file, maps, *tables[i], i < systemTables.size(), tdefPages[i]).write();

    // The catalog: containers, the database object with its properties, then the tables.
    const double date = database.creationDate;
    Table catalog{"MSysObjects", catalogColumns(), {}, true};
    catalog.rows.push_back(catalogRow(kTablesContainer, kContainerParent, "Tables", kTypeContainer, date, kFlagsAccessSystem));
    catalog.rows.push_back(catalogRow(kDatabasesContainer, kContainerParent, "Databases", kTypeContainer, date, kFlagsAccessSystem));
    catalog.rows.push_back(catalogRow(kRelationshipsContainer, kContainerParent, "Relationships", kTypeContainer, date, kFlagsAccessSystem));
    Row msysDb = catalogRow(kMSysDbId, kDatabasesContainer, "MSysDb", kTypeDatabase, date, kFlagsAccessSystem);
    PropertyBlock properties;
    properties.addLong("ANSI Query Mode", 0);
    properties.addText("AccessVersion", "08.50");
    properties.addLong("Perform Name AutoCorrect", 0);
    properties.addLong("Track Name AutoCorrect Info", 0);
    msysDb[14] = properties.bytes();
    catalog.rows.push_back(msysDb);
    catalog.rows.push_back(catalogRow(kCatalogPage, kTablesContainer, "MSysObjects", kTypeTable, date, kFlagsAccessSystem));
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const bool accessTable = i < systemTables.size();
        const std::uint32_t flags = accessTable ? kFlagsAccessSystem
                                                : tables[i]->system ? kFlagsSystemTable : 0;
        catalog.rows.push_back(catalogRow(std::int32_t(tdefPages[i]), kTablesContainer,
                                          tables[i]->name, kTypeTable, date, flags));
    }
    const char *otherContainers[] = {"DataAccessPages", "Forms", "Modules", "Reports", "Scripts", "SysRel"};
    std::int32_t containerId = std::int32_t(0x80000000u);
    for (const char *name : otherContainers)
        catalog.rows.push_back(catalogRow(containerId++, kContainerParent, name, kTypeContainer, date, 0));
    TableWriter(file, maps, catalog, true, catalogPage).write();

    // Page 1 names itself as owner, as in Access's files.
    RowPageWriter globalMap(file, globalMapPage);
    globalMap.adoptPage(globalMapPage);
    globalMap.add(UsageMap::freePagesFrom(file.pageCount()));
    globalMap.add(QByteArray(UsageMap::kRowSize, '\0'));
    file.image().replace(0, kPageSize, definitionPage(database));
    return file.take();
}

} // namespace jet4
