// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlstatement.h"

#include "bankerror.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>

namespace {

// Translated where it is used: a global would be built before any catalogue is installed.
QString statementWhat()
{
    return QCoreApplication::translate("SqlStatement", "SQL statement");
}

class Reader {
public:
    Reader(const std::vector<SqlToken> &tokens, const QString &source) : m_tokens(tokens), m_source(source) {}

    [[nodiscard]] const SqlToken &current() const { return m_tokens[m_pos]; }
    std::size_t &position() { return m_pos; }

    void expectKeyword(QStringView keyword)
    {
        if (!current().isKeyword(keyword))
            fail(QCoreApplication::translate("SqlStatement", "expected %1 but found %2")
                     .arg(keyword.toString(), current().describe()));
        ++m_pos;
    }

    bool acceptKeyword(QStringView keyword)
    {
        if (!current().isKeyword(keyword))
            return false;
        ++m_pos;
        return true;
    }

    bool acceptSymbol(QStringView symbol)
    {
        if (!current().isSymbol(symbol))
            return false;
        ++m_pos;
        return true;
    }

    // kind is marked for translation where it is written and translated only on failure.
    QString name(const char *kind)
    {
        const SqlToken &token = current();
        if (token.kind != SqlToken::Kind::Word || isReserved(token))
            fail(QCoreApplication::translate("SqlStatement", "expected %1 but found %2")
                     .arg(QCoreApplication::translate("SqlStatement", kind), token.describe()));
        ++m_pos;
        return token.text;
    }

    [[noreturn]] void fail(const QString &problem) const
    {
        throw BankError(QCoreApplication::translate("SqlStatement", "%1 not understood: %2 at character %3 in \"%4\"")
                            .arg(statementWhat(), problem).arg(current().position + 1).arg(m_source));
    }

private:
    static bool isReserved(const SqlToken &token)
    {
        for (auto keyword : {u"SELECT", u"FROM", u"WHERE", u"ORDER", u"BY", u"AND", u"OR", u"ASC", u"DESC"}) {
            if (token.isKeyword(keyword))
                return true;
        }
        return false;
    }

    const std::vector<SqlToken> &m_tokens;
    const QString &m_source;
    std::size_t m_pos = 0;
};

int rank(const Cell &cell)
{
    if (std::holds_alternative<std::monostate>(cell))
        return 0;
    if (std::holds_alternative<qint64>(cell) || std::holds_alternative<double>(cell))
        return 1;
    if (std::holds_alternative<QString>(cell))
        return 2;
    return 3;
}

// UTF-16 order differs from code point order only where a surrogate meets a unit at or above
// U+E000; lift surrogates above that range so the first difference decides by code point.
int compareCodePoints(const QString &a, const QString &b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x == y)
            continue;
        const auto lift = [](char16_t unit) { return QChar::isSurrogate(unit) ? unit + 0x2000 : unit - (unit >= 0xE000 ? 0x800 : 0); };
        return lift(x) < lift(y) ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

template <typename T>
int ordering(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

SqlStatement SqlStatement::parse(const QString &text)
{
    const std::vector<SqlToken> tokens = SqlTokenizer::tokenize(text, statementWhat());
    Reader reader(tokens, text);
    SqlStatement statement;
    statement.m_text = text;

    reader.expectKeyword(u"SELECT");
    if (!reader.acceptSymbol(u"*")) {
        do {
            statement.m_columns.append(reader.name(QT_TRANSLATE_NOOP("SqlStatement", "a column name or *")));
        } while (reader.acceptSymbol(u","));
    }
    reader.expectKeyword(u"FROM");
    statement.m_table = reader.name(QT_TRANSLATE_NOOP("SqlStatement", "a table name"));

    if (reader.acceptKeyword(u"WHERE"))
        statement.m_where = SqlCondition::parse(tokens, reader.position(), statementWhat(), text);

    if (reader.acceptKeyword(u"ORDER")) {
        reader.expectKeyword(u"BY");
        do {
            OrderTerm term;
            term.column = reader.name(QT_TRANSLATE_NOOP("SqlStatement", "a column name"));
            if (reader.acceptKeyword(u"DESC"))
                term.descending = true;
            else
                reader.acceptKeyword(u"ASC");
            statement.m_orderBy.push_back(term);
        } while (reader.acceptSymbol(u","));
    }

    if (reader.current().kind != SqlToken::Kind::End)
        reader.fail(QCoreApplication::translate("SqlStatement", "unexpected %1").arg(reader.current().describe()));
    return statement;
}

int SqlStatement::compareForOrder(const Cell &a, const Cell &b)
{
    const int rankA = rank(a);
    const int rankB = rank(b);
    if (rankA != rankB)
        return rankA < rankB ? -1 : 1;
    switch (rankA) {
    case 1: {
        const auto *ia = std::get_if<qint64>(&a);
        const auto *ib = std::get_if<qint64>(&b);
        if (ia && ib)
            return ordering(*ia, *ib);
        const double da = ia ? double(*ia) : std::get<double>(a);
        const double db = ib ? double(*ib) : std::get<double>(b);
        return ordering(da, db);
    }
    case 2:
        return compareCodePoints(std::get<QString>(a), std::get<QString>(b));
    case 3: {
        const QByteArray &ba = std::get<QByteArray>(a);
        const QByteArray &bb = std::get<QByteArray>(b);
        return ordering(ba, bb);
    }
    default:
        return 0;
    }
}

ResultSet SqlStatement::run(const ResultSet &source) const
{
    std::vector<std::size_t> all(source.rows.size());
    std::iota(all.begin(), all.end(), std::size_t(0));
    return run(source, all);
}

ResultSet SqlStatement::run(const ResultSet &source, const std::vector<std::size_t> &candidates) const
{
    const QString owner = QCoreApplication::translate("SqlStatement", "table '%1'").arg(m_table);
    auto columnOf = [&](const QString &name) {
        const int index = source.columnIndex(name);
        if (index < 0)
            throw BankError(QCoreApplication::translate("SqlStatement", "Column '%1' not found in %2 (statement \"%3\")")
                                .arg(name, owner, m_text));
        return index;
    };

    std::vector<int> selected;
    ResultSet result;
    if (m_columns.isEmpty()) {
        selected.resize(std::size_t(source.columns.size()));
        std::iota(selected.begin(), selected.end(), 0);
        result.columns = source.columns;
    } else {
        for (const QString &name : m_columns) {
            const int index = columnOf(name);
            selected.push_back(index);
            result.columns.append(source.columns[index]);
        }
    }

    std::vector<std::pair<int, bool>> order;  // column, descending
    for (const OrderTerm &term : m_orderBy)
        order.emplace_back(columnOf(term.column), term.descending);

    std::optional<SqlCondition> where = m_where;
    if (where)
        where->bind(source, owner);

    std::vector<std::size_t> rows;
    rows.reserve(candidates.size());
    for (std::size_t i : candidates) {
        if (!where || where->matches(source.rows[i]))
            rows.push_back(i);
    }

    if (!order.empty()) {
        std::stable_sort(rows.begin(), rows.end(), [&](std::size_t x, std::size_t y) {
            for (const auto &[column, descending] : order) {
                const int c = compareForOrder(source.rows[x][std::size_t(column)], source.rows[y][std::size_t(column)]);
                if (c != 0)
                    return descending ? c > 0 : c < 0;
            }
            return false;
        });
    }

    result.rows.reserve(rows.size());
    for (std::size_t i : rows) {
        const std::vector<Cell> &from = source.rows[i];
        std::vector<Cell> row;
        row.reserve(selected.size());
        for (int column : selected)
            row.push_back(std::size_t(column) < from.size() ? from[std::size_t(column)] : Cell{});
        result.rows.push_back(std::move(row));
    }
    return result;
}
