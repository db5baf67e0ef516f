// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqltokenizer.h"

#include "bankerror.h"

#include <QCoreApplication>

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

[[noreturn]] void fail(const QString &what, const QString &source, qsizetype position, const QString &problem)
{
    throw BankError(QCoreApplication::translate("SqlTokenizer", "%1 not understood: %2 at character %3 in \"%4\"")
                        .arg(what, problem).arg(position + 1).arg(source));
}

} // namespace

bool SqlToken::isKeyword(QStringView keyword) const
{
    return kind == Kind::Word && !bracketed && text.compare(keyword, Qt::CaseInsensitive) == 0;
}

bool SqlToken::isSymbol(QStringView symbol) const
{
    return kind == Kind::Symbol && text == symbol;
}

QString SqlToken::describe() const
{
    switch (kind) {
    case Kind::End:
        return QCoreApplication::translate("SqlTokenizer", "the end of the text");
    case Kind::Text:
        return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
    case Kind::Word:
        if (bracketed)
            return u'[' + text + u']';
        [[fallthrough]];
    default:
        return u'\'' + text + u'\'';
    }
}

std::vector<SqlToken> SqlTokenizer::tokenize(const QString &source, const QString &what)
{
    std::vector<SqlToken> tokens;
    const qsizetype n = source.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = source[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        SqlToken token;
        token.position = i;
        if (c == u'\'') {
            token.kind = SqlToken::Kind::Text;
            ++i;
            bool closed = false;
            while (i < n) {
                if (source[i] == u'\'') {
                    if (i + 1 < n && source[i + 1] == u'\'') {
                        token.text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                token.text += source[i++];
            }
            if (!closed)
                fail(what, source, token.position,
                     QCoreApplication::translate("SqlTokenizer", "text opened with ' is never closed"));
        } else if (c == u'[') {
            const qsizetype close = source.indexOf(u']', i + 1);
            if (close < 0 || close == i + 1)
                fail(what, source, i,
                     QCoreApplication::translate("SqlTokenizer", "name opened with [ is never closed"));
            token.kind = SqlToken::Kind::Word;
            token.bracketed = true;
            token.text = source.mid(i + 1, close - i - 1);
            i = close + 1;
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && source[i + 1].isDigit())) {
            token.kind = SqlToken::Kind::Number;
            while (i < n && source[i].isDigit())
                token.text += source[i++];
            if (i < n && source[i] == u'.') {
                token.text += source[i++];
                while (i < n && source[i].isDigit())
                    token.text += source[i++];
            }
            if (i < n && isWordChar(source[i]))
                fail(what, source, token.position,
                     QCoreApplication::translate("SqlTokenizer", "number runs into a name"));
        } else if (isWordChar(c)) {
            token.kind = SqlToken::Kind::Word;
            while (i < n && isWordChar(source[i]))
                token.text += source[i++];
        } else {
            token.kind = SqlToken::Kind::Symbol;
            const QStringView two = QStringView(source).mid(i, 2);
            if (two == u"<>" || two == u"<=" || two == u">=") {
                token.text = two.toString();
                i += 2;
            } else if (QStringView(u"=<>(),*-+").contains(c)) {
                token.text = c;
                ++i;
            } else {
                fail(what, source, i, QCoreApplication::translate("SqlTokenizer", "unexpected character '%1'").arg(c));
            }
        }
        tokens.push_back(std::move(token));
    }
    SqlToken end;
    end.position = n;
    tokens.push_back(end);
    return tokens;
}
