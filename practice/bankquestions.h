// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blanks.h"
#include "questionref.h"
#include "readiness.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace practice {

// One question of the bank as practice shows it: texts descrambled exactly as a drawn paper
// holds them, the knowledge codes cut into their pieces and trimmed.
struct BankQuestion {
    qint32 tid = 0;
    QString question;
    QString choiceA;
    QString choiceB;
    QString choiceC;  // blank for a question with two choices
    QString key;      // as stored, so that judging matches the score window
    QString analysis;
    QStringList knowledgeCodes;
    QString signName;  // the sign picture's file name as stored; blank for none
    int score = 0;

    bool hasChoiceC() const { return !trimBlanks(choiceC).isEmpty(); }
};

// A knowledge point of the bank's tzhishidian table.
struct KnowledgePoint {
    QString code;
    QString keyword;
    QString text;
};

// Every question (in tid order) and every knowledge point of one bank.
struct BankQuestions {
    QList<BankQuestion> questions;
    QHash<QString, KnowledgePoint> points;  // by code

    // code → keyword, for lists of topics.
    QHash<QString, QString> topicNames() const;
    // The question with this tid, or nullptr.
    const BankQuestion *find(qint32 tid) const;
    // "keyword\r\ntext" for each of the question's codes the bank holds, in the question's
    // order, as the exam's review shows them.
    QStringList knowledgeTexts(const BankQuestion &question) const;

    QHash<qint32, qsizetype> byTid;  // tid → index in questions
};

// Reads the bank the data module is connected to (Dm->ADOConnection1). Throws BankError or
// std::runtime_error as the bank layer does.
[[nodiscard]] BankQuestions loadBankQuestions();

// "01" for "01003": the two-digit chapter a code belongs to, or empty when the code does not
// start with two digits.
[[nodiscard]] QString topicChapter(const QString &code);

// The question as the record knows it in the bank `bankId`.
[[nodiscard]] study::QuestionRef questionRef(const QString &bankId, const BankQuestion &question);

// The bank as the readiness estimate sees it.
[[nodiscard]] QList<study::BankQuestion> estimatorQuestions(const BankQuestions &bank);

} // namespace practice
