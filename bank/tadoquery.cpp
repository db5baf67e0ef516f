// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tadoquery.h"

#include "adoconnection.h"
#include "bankerror.h"
#include "jetdatabase.h"

#include <QCoreApplication>

TADOQuery::TADOQuery(QObject *parent) : TDataSet(parent) {}

void TADOQuery::Open()
{
    if (Active())
        return;
    if (!Connection)
        throw BankError(QCoreApplication::translate("TADOQuery", "%1: no connection").arg(objectName()));
    const QString text = SQL.join(u'\n');
    if (text.trimmed().isEmpty())
        throw BankError(QCoreApplication::translate("TADOQuery", "%1: no SQL statement").arg(objectName()));
    setResult(Connection->database().query(text));
}
