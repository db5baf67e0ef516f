// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tadotable.h"

#include "adoconnection.h"
#include "bankerror.h"
#include "jetdatabase.h"

#include <QCoreApplication>

TADOTable::TADOTable(QObject *parent) : TDataSet(parent) {}

void TADOTable::Open()
{
    if (Active())
        return;
    if (!Connection)
        throw BankError(QStringLiteral("%1: no connection").arg(objectName()));
    if (TableName.trimmed().isEmpty())
        throw BankError(QStringLiteral("%1: no table name").arg(objectName()));
    JetDatabase &database = Connection->database();
    const std::shared_ptr<const ResultSet> table = database.table(TableName);
    QStringList missing;
    for (const QString &field : std::as_const(PersistentFields)) {
        if (table->columnIndex(field) < 0)
            missing << QStringLiteral("'%1'").arg(field);
    }
    if (!missing.isEmpty())
        throw BankError(QCoreApplication::translate("TADOTable", "%1: Bank file %2: table '%3' has no column %4")
                            .arg(objectName(), database.fileName(), TableName, missing.join(QStringLiteral(", "))));
    // A copy of the rows: the table stays usable when the connection closes or reconnects.
    setResult(*table);
}
