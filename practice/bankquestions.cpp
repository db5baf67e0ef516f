// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankquestions.h"

#include "blanks.h"
#include "knowledgequery.h"
#include "tdm.h"
#include "textscramble.h"

namespace {

QString field(const char *name)
{
    return Dm->ADOQuery1->FieldByName(QLatin1String(name)).AsString();
}

// The texts stay as the exam's paper holds them, so that a question practised and the same
// question in a paper are one question to the record.
QString text(const char *name)
{
    return descrambleColumn(field(name));
}

QStringList codes(const QString &stored)
{
    QStringList result;
    for (const QByteArray &piece : knowledgePieces(toGbk(stored))) {
        const QString code = trimBlanks(fromGbk(piece));
        if (!code.isEmpty())
            result << code;
    }
    return result;
}

} // namespace

namespace practice {

QHash<QString, QString> BankQuestions::topicNames() const
{
    QHash<QString, QString> names;
    names.reserve(points.size());
    for (auto it = points.cbegin(); it != points.cend(); ++it)
        names.insert(it.key(), it->keyword);
    return names;
}

const BankQuestion *BankQuestions::find(qint32 tid) const
{
    const auto it = byTid.constFind(tid);
    return it == byTid.cend() ? nullptr : &questions.at(*it);
}

QStringList BankQuestions::knowledgeTexts(const BankQuestion &question) const
{
    QStringList texts;
    for (const QString &code : question.knowledgeCodes) {
        const auto it = points.constFind(code);
        if (it != points.cend())
            texts << it->keyword + QStringLiteral("\r\n") + it->text;
    }
    return texts;
}

BankQuestions loadBankQuestions()
{
    BankQuestions bank;
    TADOQuery &query = *Dm->ADOQuery1;
    RunQuery(QStringLiteral("select * from choose order by tid"));
    bank.questions.reserve(query.RecordCount());
    for (query.First(); !query.Eof(); query.Next()) {
        BankQuestion q;
        q.tid = qint32(query.FieldByName(QStringLiteral("tid")).AsInteger());
        // A bank that repeats a tid keeps its first row, as a paper never holds both.
        if (bank.byTid.contains(q.tid))
            continue;
        q.question = text("Timu");
        q.choiceA = text("ANSWER_A");
        q.choiceB = text("ANSWER_B");
        q.choiceC = text("ANSWER_C");
        q.key = field("Key");
        q.analysis = text("ANALYSIS");
        q.knowledgeCodes = codes(field("ZHISHIDIAN"));
        q.signName = field("biaozhi");  // as stored: the picture table is filtered by it
        q.score = int(query.FieldByName(QStringLiteral("Score")).AsInteger());
        bank.byTid.insert(q.tid, bank.questions.size());
        bank.questions.append(std::move(q));
    }
    RunQuery(QStringLiteral("select * from tzhishidian"));
    for (query.First(); !query.Eof(); query.Next()) {
        KnowledgePoint point;
        point.code = trimBlanks(field("recno"));
        point.keyword = trimBlanks(descrambleColumn(field("Keyword")));
        point.text = trimBlanks(descrambleColumn(field("knowladge")));
        if (!point.code.isEmpty() && !bank.points.contains(point.code))
            bank.points.insert(point.code, point);
    }
    return bank;
}

QString topicChapter(const QString &code)
{
    if (code.size() >= 3 && code.at(0).isDigit() && code.at(1).isDigit())
        return code.left(2);
    return {};
}

study::QuestionRef questionRef(const QString &bankId, const BankQuestion &question)
{
    return {bankId, question.tid,
            study::questionDigest(question.question, question.choiceA, question.choiceB, question.choiceC, question.key)};
}

QList<study::BankQuestion> estimatorQuestions(const BankQuestions &bank)
{
    QList<study::BankQuestion> questions;
    questions.reserve(bank.questions.size());
    for (const BankQuestion &q : bank.questions)
        questions.append({q.tid, questionRef({}, q).digest, q.knowledgeCodes});
    return questions;
}

} // namespace practice
