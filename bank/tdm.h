// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "adoconnection.h"
#include "tadoquery.h"
#include "tadotable.h"

#include <QObject>

// The data module: the bank connection, the one query and the sign table.
class TDm : public QObject {
    Q_OBJECT
public:
    explicit TDm(QObject *parent = nullptr);
    ~TDm() override;

    TADOConnection *const ADOConnection1;
    TADOQuery *const ADOQuery1;
    TADOTable *const ado_biaozhi;

    // Persistent fields of ado_biaozhi, valid while it is open.
    [[nodiscard]] TField ado_biaozhifilename() const;
    [[nodiscard]] TField ado_biaozhifiles() const;
};

// The one data module of the program; set by TDm's constructor, cleared by its destructor.
extern TDm *Dm;

// Close ADOQuery1, clear its SQL text, add the statement, open, go to the first record.
void RunQuery(const QString &statement);
