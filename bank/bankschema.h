// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class JetDatabase;

// The tables and columns of the bank that the trainer reads, names as it writes them
// (the bank matches them ignoring case).
struct TableColumns {
    QString table;
    QStringList columns;
};

[[nodiscard]] const std::vector<TableColumns> &bankSchema();

// One line for every table and every column of bankSchema() that the open bank lacks.
[[nodiscard]] QStringList missingFromSchema(JetDatabase &database);
