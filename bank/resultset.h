// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <variant>
#include <vector>

// A table or a query result held whole in memory: column names and rows of cells.
// Cells are null, an integer (every Jet integer and Boolean type), a double (Double,
// DateTime), a text (Text, Memo) or bytes (Binary, OLE Object).
using Cell = std::variant<std::monostate, qint64, double, QString, QByteArray>;

struct ResultSet {
    QStringList columns;               // as the table names them
    std::vector<std::vector<Cell>> rows;

    // Index of a column, ignoring case; -1 when absent.
    [[nodiscard]] int columnIndex(const QString &name) const;
};

[[nodiscard]] QString cellText(const Cell &cell);     // integers in plain decimal, null empty
[[nodiscard]] qint64 cellInteger(const Cell &cell);   // throws BankError for a text that is no number
