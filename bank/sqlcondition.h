// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resultset.h"
#include "sqltokenizer.h"

#include <QString>

#include <vector>

// A row condition: comparisons of a column with a quoted text or a number
// (=, <>, <, >, <=, >=) joined by AND and OR, AND binding tighter, parentheses allowed.
// It serves both the WHERE clause of a statement and a dataset's filter.
//
// Texts compare ignoring case. A null cell passes no comparison. A number column compared
// with a text takes the text as a number; a text column compared with a number, or a text
// that is no number, is a data type mismatch (BankError), as is comparing binary data.
class SqlCondition {
public:
    SqlCondition() = default;

    // A whole filter text; throws BankError naming what it did not understand.
    [[nodiscard]] static SqlCondition parseFilter(const QString &text);

    // Reads a condition from tokens[pos], leaving pos on the first token after it.
    // `what` and `source` go into the error message ("statement", the statement text).
    [[nodiscard]] static SqlCondition parse(const std::vector<SqlToken> &tokens, std::size_t &pos,
                                            const QString &what, const QString &source);

    // Resolves column names against `result` (ignoring case). Throws BankError naming a
    // column that `result` does not have; `owner` names the table or dataset in that message.
    void bind(const ResultSet &result, const QString &owner);

    // Whether the row passes; bind first.
    [[nodiscard]] bool matches(const std::vector<Cell> &row) const;

    [[nodiscard]] bool isEmpty() const { return m_nodes.empty(); }

    // When the condition is `column = 'text'` or such comparisons of one column joined by
    // OR, the column's name and the texts; lets a caller look rows up instead of scanning.
    [[nodiscard]] bool equalityList(QString &column, QStringList &texts) const;

private:
    enum class Comparison { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual };

    struct Literal {
        bool isText = false;
        QString text;          // as written, quotes undone
        double number = 0;
        bool integral = false;
        qint64 integer = 0;
    };

    struct Node {
        enum class Kind { And, Or, Compare } kind = Kind::Compare;
        std::vector<int> children;  // And, Or
        QString columnName;         // Compare
        int column = -1;
        Comparison comparison = Comparison::Equal;
        Literal literal;
    };

    class Parser;

    [[nodiscard]] bool evaluate(int node, const std::vector<Cell> &row) const;
    [[nodiscard]] bool compare(const Node &node, const Cell &cell) const;

    std::vector<Node> m_nodes;
    int m_root = -1;
};
