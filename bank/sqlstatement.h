// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resultset.h"
#include "sqlcondition.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One SELECT over one table:
//   SELECT * | column {, column} FROM table [WHERE condition] [ORDER BY column [ASC|DESC] {, ...}]
// Keywords and names ignore case. Anything else is refused with a BankError that names the
// part not understood and quotes the statement.
class SqlStatement {
public:
    struct OrderTerm {
        QString column;
        bool descending = false;
    };

    [[nodiscard]] static SqlStatement parse(const QString &text);

    [[nodiscard]] const QString &text() const { return m_text; }
    [[nodiscard]] const QString &table() const { return m_table; }
    [[nodiscard]] const QStringList &columns() const { return m_columns; }  // empty: *
    [[nodiscard]] bool hasWhere() const { return m_where.has_value(); }
    [[nodiscard]] const std::vector<OrderTerm> &orderBy() const { return m_orderBy; }

    // The statement's result over the whole table `source`: the rows that pass WHERE in
    // table order, sorted stably by ORDER BY, cut down to the selected columns.
    // Throws BankError naming a column the table does not have.
    [[nodiscard]] ResultSet run(const ResultSet &source) const;
    // The same over the rows `candidates` (table order) only: those that may pass WHERE.
    [[nodiscard]] ResultSet run(const ResultSet &source, const std::vector<std::size_t> &candidates) const;

    [[nodiscard]] const std::optional<SqlCondition> &where() const { return m_where; }

    // The ORDER BY ordering of two cells: nulls first, then numbers (numerically), then
    // texts (by code point), then binary data.
    [[nodiscard]] static int compareForOrder(const Cell &a, const Cell &b);

private:
    QString m_text;
    QString m_table;
    QStringList m_columns;
    std::optional<SqlCondition> m_where;
    std::vector<OrderTerm> m_orderBy;
};
