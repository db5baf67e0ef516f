// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resultset.h"

#include <QString>
#include <QStringList>

#include <mdbtools.h>

#include <memory>
#include <string>
#include <vector>

class MdbImage;

// Reads one table of an MdbImage whole. This class walks the pages of the table's usage
// map and checks each, libmdb splits each row into its fields, and this class turns each
// field into a Cell and reads long values (Memo, OLE Object) itself, bounds-checked, so that
// neither a damaged page nor a long text nor a damaged chain of pages can lose rows or bytes
// silently or loop. Internal to the bank library.
class TableReader {
public:
    // Checks the table definition at `definitionPage` before libmdb reads it; throws
    // BankError naming the file, table and page when it cannot be read.
    TableReader(MdbImage &image, const QString &tableName, quint32 definitionPage);
    ~TableReader();
    TableReader(const TableReader &) = delete;
    TableReader &operator=(const TableReader &) = delete;

    [[nodiscard]] const QStringList &columnNames() const { return m_columnNames; }

    // Every row in the order the pages hold them. With `wanted`, only those columns are
    // read and the others stay null. Throws BankError, naming the page and row, when a page
    // the usage map names is no data page of this table, a row cannot be split into its
    // fields, or a field's bytes are damaged.
    [[nodiscard]] ResultSet readAll(const std::vector<int> *wanted = nullptr);

private:
    void checkDefinitionPage(quint32 definitionPage) const;
    [[nodiscard]] std::vector<quint32> dataPages() const;
    void readPage(quint32 page, const std::vector<int> &wanted, const std::vector<const MdbColumn *> &columns,
                  std::vector<MdbField> &fields, ResultSet &result);
    [[noreturn]] void damagedRow(const QString &problem) const;
    [[nodiscard]] Cell readField(const MdbField &field, const MdbColumn &column);
    [[nodiscard]] QByteArray readLongValue(const unsigned char *pointer, int size, const MdbColumn &column);
    [[nodiscard]] QByteArrayView findRow(quint32 pageRow, const MdbColumn &column) const;
    [[nodiscard]] QString decodeText(const unsigned char *bytes, qsizetype size);
    [[noreturn]] void damaged(const MdbColumn &column, const QString &problem) const;

    MdbImage &m_image;
    QString m_tableName;
    quint32 m_definitionPage = 0;
    quint32 m_page = 0;  // the data page and row being read, for messages
    int m_row = -1;
    MdbCatalogEntry m_entry{};
    std::unique_ptr<MdbTableDef, void (*)(MdbTableDef *)> m_table{nullptr, mdb_free_tabledef};
    QStringList m_columnNames;
    std::string m_conversion;  // Jet 3 text conversion buffer, reused
};
