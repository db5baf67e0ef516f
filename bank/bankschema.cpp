// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankschema.h"

#include "jetdatabase.h"

#include <QCoreApplication>

const std::vector<TableColumns> &bankSchema()
{
    static const std::vector<TableColumns> schema{
        {QStringLiteral("choose"),
         {QStringLiteral("tid"), QStringLiteral("Timu"), QStringLiteral("ANSWER_A"), QStringLiteral("ANSWER_B"),
          QStringLiteral("ANSWER_C"), QStringLiteral("ANSWER_D"), QStringLiteral("ANALYSIS"),
          QStringLiteral("ZHISHIDIAN"), QStringLiteral("Key"), QStringLiteral("Score"), QStringLiteral("biaozhi")}},
        {QStringLiteral("tzhishidian"), {QStringLiteral("recno"), QStringLiteral("Keyword"), QStringLiteral("knowladge")}},
        {QStringLiteral("biaozhi"), {QStringLiteral("filename"), QStringLiteral("files")}},
    };
    return schema;
}

QStringList missingFromSchema(JetDatabase &database)
{
    QStringList present;
    for (const QString &name : database.tableNames())
        present << name.toLower();
    QStringList missing;
    for (const TableColumns &table : bankSchema()) {
        if (!present.contains(table.table.toLower())) {
            missing << QCoreApplication::translate("BankSchema", "Bank file %1 has no table '%2'")
                           .arg(database.fileName(), table.table);
            continue;
        }
        const QStringList columns = database.columnNames(table.table);
        for (const QString &column : table.columns) {
            if (!columns.contains(column, Qt::CaseInsensitive))
                missing << QCoreApplication::translate("BankSchema", "Bank file %1: table '%2' has no column '%3'")
                               .arg(database.fileName(), table.table, column);
        }
    }
    return missing;
}
