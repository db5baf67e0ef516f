// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tdm.h"

#include "bankerror.h"
#include "connectionstring.h"

#include <QCoreApplication>

TDm *Dm = nullptr;

TDm::TDm(QObject *parent)
    : QObject(parent)
    , ADOConnection1(new TADOConnection(this))
    , ADOQuery1(new TADOQuery(this))
    , ado_biaozhi(new TADOTable(this))
{
    setObjectName(QStringLiteral("Dm"));
    ADOConnection1->setObjectName(QStringLiteral("ADOConnection1"));
    ADOConnection1->ConnectionString = DesignTimeConnectionString;
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
    ADOQuery1->Connection = ADOConnection1;
    ado_biaozhi->setObjectName(QStringLiteral("ado_biaozhi"));
    ado_biaozhi->Connection = ADOConnection1;
    ado_biaozhi->TableName = QStringLiteral("biaozhi");
    ado_biaozhi->PersistentFields = {QStringLiteral("filename"), QStringLiteral("files")};
    Dm = this;
}

TDm::~TDm()
{
    if (Dm == this)
        Dm = nullptr;
}

TField TDm::ado_biaozhifilename() const
{
    return ado_biaozhi->FieldByName(QStringLiteral("filename"));
}

TField TDm::ado_biaozhifiles() const
{
    return ado_biaozhi->FieldByName(QStringLiteral("files"));
}

void RunQuery(const QString &statement)
{
    if (!Dm)
        throw BankError(QCoreApplication::translate("TDm", "No data module to run \"%1\"").arg(statement));
    TADOQuery *query = Dm->ADOQuery1;
    query->Close();
    query->SQL.clear();
    query->SQL.append(statement);
    query->Open();
    query->First();
}
