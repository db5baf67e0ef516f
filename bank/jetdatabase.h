// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resultset.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

class MdbImage;

// The provider behind TADOConnection: an open question bank, read-only.
//
// Opening takes a connection string (Provider, Data Source, Jet OLEDB:System database,
// User ID, Password, Jet OLEDB:Database Password) and checks, in this order: the provider
// is Microsoft.Jet.OLEDB.4.0; both files exist and can be read; the bank is a Jet 4 database;
// its database password equals the given one (a bank without a password takes any); the
// workgroup file is a Jet 3 or Jet 4 database whose MSysAccounts holds the user account
// User ID (ignoring case). The user's password is kept but cannot be checked: the workgroup
// file keeps only a one-way form of it. Each failure is a BankError naming the file and cause.
//
// Both files are read whole into memory and libmdb reads the bank from that copy, so the
// files stay shared and unchanged. Tables are read whole once and kept for as long as the
// database is open.
class JetDatabase {
public:
    [[nodiscard]] static std::unique_ptr<JetDatabase> open(const QString &connectionString);

    // The same checks over file images already in memory (the file names in the connection
    // string serve the messages only).
    [[nodiscard]] static std::unique_ptr<JetDatabase> openFromBuffers(const QByteArray &bank, const QByteArray &workgroup,
                                                                      const QString &connectionString);

    ~JetDatabase();
    JetDatabase(const JetDatabase &) = delete;
    JetDatabase &operator=(const JetDatabase &) = delete;

    [[nodiscard]] const QString &fileName() const { return m_fileName; }
    [[nodiscard]] const QString &userId() const { return m_userId; }
    [[nodiscard]] QStringList tableNames() const;  // in catalog order

    // A whole table, as the bank returns its rows. Throws BankError when the bank has no
    // such table (name ignoring case) or its pages are damaged.
    [[nodiscard]] std::shared_ptr<const ResultSet> table(const QString &name);

    // The columns of a table, read from its definition only. Throws BankError like table().
    [[nodiscard]] QStringList columnNames(const QString &table);

    // Runs one SELECT statement (see SqlStatement).
    [[nodiscard]] ResultSet query(const QString &statement);

private:
    struct CatalogEntry {
        QString name;
        quint32 definitionPage = 0;
    };

    JetDatabase() = default;
    void readCatalog();

    std::unique_ptr<MdbImage> m_image;
    QString m_fileName;
    QString m_userId;
    QString m_userPassword;  // carried, never checked
    std::vector<CatalogEntry> m_catalog;
    QHash<QString, std::size_t> m_catalogIndex;  // lower-case name -> m_catalog index
    QHash<QString, std::shared_ptr<const ResultSet>> m_tables;  // lower-case name

    // Rows of a text column by case-folded value, built at the first lookup on that column;
    // null when the column holds anything but texts and nulls.
    using TextIndex = QHash<QString, std::vector<std::size_t>>;
    [[nodiscard]] const TextIndex *textIndex(const QString &table, const ResultSet &rows, int column);
    QHash<QString, std::shared_ptr<const TextIndex>> m_textIndexes;  // "table/column", lower case
};
