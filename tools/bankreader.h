// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankcontent.h"

#include <QString>
#include <QStringList>

// Opens a bank folder the way the trainer does (the connection string built from the
// folder, the workgroup account and both passwords checked) and reads the whole content,
// texts descrambled. Throws BankError.
class BankReader {
public:
    // `datFolder` holds drvq.mdb and Morvel.mdw. `raw` keeps the scrambled columns as the
    // bank stores them, for checking the scrambling itself.
    [[nodiscard]] static BankContent read(const QString &datFolder, bool raw = false);

    // Opens the bank as read() does and lists every table and column the trainer reads
    // that the bank lacks, one line each.
    [[nodiscard]] static QStringList missingSchema(const QString &datFolder);
};
