// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tdataset.h"

// A table dataset with a static cursor: its rows are fetched whole when it opens and stay
// usable after the connection closes or reconnects; a later Open of an open table changes nothing.
class TADOTable : public TDataSet {
    Q_OBJECT
public:
    explicit TADOTable(QObject *parent = nullptr);

    QString TableName;
    // Columns the dataset's persistent fields stand on: Open refuses a table without them,
    // naming every one that is missing, so that a bank lacking them fails when it opens.
    QStringList PersistentFields;

    void Open();  // connects Connection when closed
};
