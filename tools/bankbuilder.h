// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankcontent.h"

#include "jet4writer.h"

#include <QString>

// Turns a bank's content into the two files the trainer opens: the question bank with its
// scrambled texts and database password, and the workgroup file with its accounts.
class BankBuilder {
public:
    [[nodiscard]] static jet4::Database bankDatabase(const BankContent &content, double creationDate);
    [[nodiscard]] static jet4::Database workgroupDatabase(double creationDate);

    // Writes drvq.mdb and Morvel.mdw into `folder`, creating it. Both files are built in
    // memory first and each replaces its old version only once complete, so a failure
    // never leaves a half-written bank. Throws SourceError naming the file.
    static void write(const BankContent &content, const QString &folder);

    // Days since 1899-12-30 for the current time.
    [[nodiscard]] static double now();
};
