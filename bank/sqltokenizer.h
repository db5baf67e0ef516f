// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// One lexical unit of a statement or a filter.
struct SqlToken {
    enum class Kind { Word, Number, Text, Symbol, End };
    Kind kind = Kind::End;
    QString text;       // a word as written, a number's digits, a text with its quotes undone
    bool bracketed = false;  // a [name]: never a keyword
    qsizetype position = 0;  // 0-based character offset in the source

    [[nodiscard]] bool isKeyword(QStringView keyword) const;  // ignoring case
    [[nodiscard]] bool isSymbol(QStringView symbol) const;
    [[nodiscard]] QString describe() const;  // for messages: 'WHERE', the end of the text
};

// Splits statement or filter text into tokens. Words are letters, digits and '_' (any script);
// texts are quoted with ' and a doubled quote stands for one; symbols are = <> < > <= >= ( ) , *.
class SqlTokenizer {
public:
    // Throws BankError for a character that starts no token or a text left open; `what`
    // names the kind of source ("statement", "filter") in that message.
    [[nodiscard]] static std::vector<SqlToken> tokenize(const QString &source, const QString &what);
};
