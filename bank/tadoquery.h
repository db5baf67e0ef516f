// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tdataset.h"

#include <QStringList>

// A query whose SQL text is one SELECT statement; the result is fetched whole at Open.
class TADOQuery : public TDataSet {
    Q_OBJECT
public:
    explicit TADOQuery(QObject *parent = nullptr);

    QStringList SQL;

    // Runs SQL on Connection (connecting it when closed); throws BankError for a statement
    // it does not understand, naming the part it did not understand.
    void Open();
};
