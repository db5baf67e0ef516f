// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlcondition.h"

#include "bankerror.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace {

// Parentheses nest no deeper than this: the parser recurses once per level.
constexpr int kMaxNesting = 64;

template <typename T>
int ordering(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// A text taken as a number the way a literal is written: optional sign, digits, optional
// decimal point; surrounding blanks ignored.
bool parseNumber(QStringView text, double &number)
{
    bool ok = false;
    number = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(number);
}

} // namespace

class SqlCondition::Parser {
public:
    Parser(SqlCondition &target, const std::vector<SqlToken> &tokens, std::size_t &pos,
           const QString &what, const QString &source)
        : m_target(target), m_tokens(tokens), m_pos(pos), m_what(what), m_source(source) {}

    int parseOr(int depth)
    {
        const int first = parseAnd(depth);
        if (!current().isKeyword(u"OR"))
            return first;
        Node node;
        node.kind = Node::Kind::Or;
        node.children.push_back(first);
        while (current().isKeyword(u"OR")) {
            ++m_pos;
            node.children.push_back(parseAnd(depth));
        }
        return add(std::move(node));
    }

private:
    int parseAnd(int depth)
    {
        const int first = parsePrimary(depth);
        if (!current().isKeyword(u"AND"))
            return first;
        Node node;
        node.kind = Node::Kind::And;
        node.children.push_back(first);
        while (current().isKeyword(u"AND")) {
            ++m_pos;
            node.children.push_back(parsePrimary(depth));
        }
        return add(std::move(node));
    }

    int parsePrimary(int depth)
    {
        if (current().isSymbol(u"(")) {
            if (depth >= kMaxNesting)
                fail(QCoreApplication::translate("SqlCondition", "parentheses nested deeper than %1").arg(kMaxNesting));
            ++m_pos;
            const int inner = parseOr(depth + 1);
            if (!current().isSymbol(u")"))
                fail(QCoreApplication::translate("SqlCondition", "expected ')' but found %1")
                         .arg(current().describe()));
            ++m_pos;
            return inner;
        }
        const SqlToken &name = current();
        if (name.kind != SqlToken::Kind::Word || isReserved(name))
            fail(QCoreApplication::translate("SqlCondition", "expected a column name but found %1")
                     .arg(name.describe()));
        ++m_pos;

        Node node;
        node.columnName = name.text;
        node.comparison = parseComparison();
        node.literal = parseLiteral();
        return add(std::move(node));
    }

    Comparison parseComparison()
    {
        const SqlToken &token = current();
        static const struct { const char16_t *symbol; Comparison comparison; } table[] = {
            {u"=", Comparison::Equal},        {u"<>", Comparison::NotEqual},
            {u"<", Comparison::Less},         {u">", Comparison::Greater},
            {u"<=", Comparison::LessOrEqual}, {u">=", Comparison::GreaterOrEqual},
        };
        for (const auto &entry : table) {
            if (token.isSymbol(entry.symbol)) {
                ++m_pos;
                return entry.comparison;
            }
        }
        fail(QCoreApplication::translate("SqlCondition", "expected a comparison (=, <>, <, >, <=, >=) but found %1")
                 .arg(token.describe()));
    }

    Literal parseLiteral()
    {
        Literal literal;
        if (current().kind == SqlToken::Kind::Text) {
            literal.isText = true;
            literal.text = current().text;
            ++m_pos;
            return literal;
        }
        QString digits;
        if (current().isSymbol(u"-") || current().isSymbol(u"+")) {
            digits = current().text;
            ++m_pos;
        }
        if (current().kind != SqlToken::Kind::Number)
            fail(QCoreApplication::translate("SqlCondition", "expected a quoted text or a number but found %1")
                     .arg(current().describe()));
        digits += current().text;
        ++m_pos;
        literal.text = digits;
        if (!parseNumber(digits, literal.number))
            fail(QCoreApplication::translate("SqlCondition", "number %1 out of range").arg(digits));
        bool ok = false;
        literal.integer = digits.toLongLong(&ok);
        literal.integral = ok;
        return literal;
    }

    static bool isReserved(const SqlToken &token)
    {
        for (auto keyword : {u"AND", u"OR", u"SELECT", u"FROM", u"WHERE", u"ORDER", u"BY"}) {
            if (token.isKeyword(keyword))
                return true;
        }
        return false;
    }

    const SqlToken &current() const { return m_tokens[std::min(m_pos, m_tokens.size() - 1)]; }

    int add(Node node)
    {
        m_target.m_nodes.push_back(std::move(node));
        return int(m_target.m_nodes.size()) - 1;
    }

    [[noreturn]] void fail(const QString &problem) const
    {
        throw BankError(QCoreApplication::translate("SqlCondition", "%1 not understood: %2 at character %3 in \"%4\"")
                            .arg(m_what, problem).arg(current().position + 1).arg(m_source));
    }

    SqlCondition &m_target;
    const std::vector<SqlToken> &m_tokens;
    std::size_t &m_pos;
    const QString &m_what;
    const QString &m_source;
};

SqlCondition SqlCondition::parse(const std::vector<SqlToken> &tokens, std::size_t &pos,
                                 const QString &what, const QString &source)
{
    SqlCondition condition;
    Parser parser(condition, tokens, pos, what, source);
    condition.m_root = parser.parseOr(0);
    return condition;
}

SqlCondition SqlCondition::parseFilter(const QString &text)
{
    const QString what = QCoreApplication::translate("SqlCondition", "Filter");
    const std::vector<SqlToken> tokens = SqlTokenizer::tokenize(text, what);
    std::size_t pos = 0;
    SqlCondition condition = parse(tokens, pos, what, text);
    const SqlToken &rest = tokens[pos];
    if (rest.kind != SqlToken::Kind::End) {
        throw BankError(QCoreApplication::translate("SqlCondition", "Filter not understood: unexpected %1 at character "
                                                                    "%2 in \"%3\"")
                            .arg(rest.describe()).arg(rest.position + 1).arg(text));
    }
    return condition;
}

void SqlCondition::bind(const ResultSet &result, const QString &owner)
{
    for (Node &node : m_nodes) {
        if (node.kind != Node::Kind::Compare)
            continue;
        node.column = result.columnIndex(node.columnName);
        if (node.column < 0)
            throw BankError(QCoreApplication::translate("SqlCondition", "Column '%1' not found in %2")
                                .arg(node.columnName, owner));
    }
}

bool SqlCondition::matches(const std::vector<Cell> &row) const
{
    return m_root < 0 || evaluate(m_root, row);
}

bool SqlCondition::evaluate(int index, const std::vector<Cell> &row) const
{
    const Node &node = m_nodes[std::size_t(index)];
    switch (node.kind) {
    case Node::Kind::And:
        for (int child : node.children) {
            if (!evaluate(child, row))
                return false;
        }
        return true;
    case Node::Kind::Or:
        for (int child : node.children) {
            if (evaluate(child, row))
                return true;
        }
        return false;
    case Node::Kind::Compare:
        break;
    }
    if (node.column < 0 || std::size_t(node.column) >= row.size())
        throw BankError(QCoreApplication::translate("SqlCondition", "Column '%1' is not bound").arg(node.columnName));
    return compare(node, row[std::size_t(node.column)]);
}

bool SqlCondition::compare(const Node &node, const Cell &cell) const
{
    const Literal &literal = node.literal;
    auto mismatch = [&]() -> BankError {
        const QString written = literal.isText
            ? u'\'' + QString(literal.text).replace(u'\'', QStringLiteral("''")) + u'\''
            : literal.text;
        return BankError(QCoreApplication::translate("SqlCondition", "Data type mismatch: column '%1' compared with %2")
                             .arg(node.columnName, written));
    };

    int order = 0;
    if (std::holds_alternative<std::monostate>(cell)) {
        return false;
    } else if (const auto *text = std::get_if<QString>(&cell)) {
        if (!literal.isText)
            throw mismatch();
        order = text->compare(literal.text, Qt::CaseInsensitive);
    } else if (const auto *integer = std::get_if<qint64>(&cell)) {
        double number = literal.number;
        if (literal.isText && !parseNumber(literal.text, number))
            throw mismatch();
        if (!literal.isText && literal.integral)
            order = ordering(*integer, literal.integer);
        else
            order = ordering(double(*integer), number);
    } else if (const auto *real = std::get_if<double>(&cell)) {
        double number = literal.number;
        if (literal.isText && !parseNumber(literal.text, number))
            throw mismatch();
        order = ordering(*real, number);
    } else {
        throw mismatch();
    }

    switch (node.comparison) {
    case Comparison::Equal: return order == 0;
    case Comparison::NotEqual: return order != 0;
    case Comparison::Less: return order < 0;
    case Comparison::Greater: return order > 0;
    case Comparison::LessOrEqual: return order <= 0;
    case Comparison::GreaterOrEqual: return order >= 0;
    }
    return false;
}

bool SqlCondition::equalityList(QString &column, QStringList &texts) const
{
    if (m_root < 0)
        return false;
    const Node &root = m_nodes[std::size_t(m_root)];
    std::vector<int> leaves;
    if (root.kind == Node::Kind::Or)
        leaves = root.children;
    else
        leaves.push_back(m_root);
    column.clear();
    texts.clear();
    for (int leaf : leaves) {
        const Node &node = m_nodes[std::size_t(leaf)];
        if (node.kind != Node::Kind::Compare || node.comparison != Comparison::Equal || !node.literal.isText)
            return false;
        if (column.isEmpty())
            column = node.columnName;
        else if (column.compare(node.columnName, Qt::CaseInsensitive) != 0)
            return false;
        texts.append(node.literal.text);
    }
    return true;
}
