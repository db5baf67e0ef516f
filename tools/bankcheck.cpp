// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankcheck.h"

#include "jpegdecoder.h"
#include "bankerror.h"
#include "knowledgequery.h"
#include "textscramble.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// The trainer fills a paper with this many distinct questions.
constexpr int kPaperSize = 100;

void checkScrambled(QStringList &problems, const QString &where, const QString &column, const QString &stored)
{
    const QString plain = descrambleColumn(stored);
    if (scrambleColumn(plain) != stored || !survivesScrambling(plain))
        problems << QCoreApplication::translate("BankCheck", "%1: %2 does not survive scrambling and the code page 936 "
                                                             "round trip")
                        .arg(where, column);
}

} // namespace

QStringList BankCheck::problems(const BankContent &content, const BankContent &stored)
{
    const Findings found = findings(content, stored);
    return found.errors + found.warnings;
}

BankContent BankCheck::storedForm(const BankContent &content)
{
    BankContent stored = content;
    for (Question &q : stored.questions) {
        for (QString *text : {&q.Timu, &q.ANSWER_A, &q.ANSWER_B, &q.ANSWER_C, &q.ANALYSIS})
            *text = scrambleColumn(*text);
    }
    for (KnowledgePoint &point : stored.knowledge) {
        point.Keyword = scrambleColumn(point.Keyword);
        point.knowladge = scrambleColumn(point.knowladge);
    }
    return stored;
}

BankCheck::Findings BankCheck::findings(const BankContent &content, const BankContent &stored)
{
    QStringList problems;  // errors
    QStringList warnings;

    QSet<QString> codes;
    for (const KnowledgePoint &point : content.knowledge)
        codes.insert(point.recno.toLower());
    QSet<QString> pictures;
    for (const SignPicture &sign : content.signs)
        pictures.insert(sign.filename);

    QSet<qint32> tids;
    for (size_t i = 0; i < content.questions.size(); ++i) {
        const Question &q = content.questions[i];
        const QString where = QCoreApplication::translate("BankCheck", "question tid %1").arg(q.tid);
        if (tids.contains(q.tid))
            warnings << QCoreApplication::translate("BankCheck", "%1: the tid is used by more than one question")
                            .arg(where);
        tids.insert(q.tid);

        if (q.Key != u"A" && q.Key != u"B" && q.Key != u"C")
            warnings << QCoreApplication::translate("BankCheck", "%1: key \"%2\" is not \"A\", \"B\" or \"C\"")
                            .arg(where, q.Key);
        else if (q.Key == u"C" && q.ANSWER_C.trimmed().isEmpty())
            warnings << QCoreApplication::translate("BankCheck", "%1: key \"C\" but the question has no choice C")
                            .arg(where);

        if (!q.ZHISHIDIAN.trimmed().isEmpty()) {
            for (const QByteArray &piece : knowledgePieces(toGbk(q.ZHISHIDIAN))) {
                if (!codes.contains(fromGbk(piece).toLower()))
                    warnings << QCoreApplication::translate("BankCheck", "%1: knowledge code \"%2\" has no row in "
                                                                         "tzhishidian")
                                    .arg(where, fromGbk(piece));
            }
        }
        if (!q.biaozhi.trimmed().isEmpty() && !pictures.contains(q.biaozhi))
            warnings << QCoreApplication::translate("BankCheck", "%1: sign picture \"%2\" is not in biaozhi")
                            .arg(where, q.biaozhi);

        if (i < stored.questions.size()) {
            const Question &s = stored.questions[i];
            checkScrambled(problems, where, QStringLiteral("Timu"), s.Timu);
            checkScrambled(problems, where, QStringLiteral("ANSWER_A"), s.ANSWER_A);
            checkScrambled(problems, where, QStringLiteral("ANSWER_B"), s.ANSWER_B);
            checkScrambled(problems, where, QStringLiteral("ANSWER_C"), s.ANSWER_C);
            checkScrambled(problems, where, QStringLiteral("ANALYSIS"), s.ANALYSIS);
        }
    }
    if (tids.size() < kPaperSize) {
        problems.prepend(QCoreApplication::translate("BankCheck", "choose: %1 distinct questions (tid); a paper needs %2")
                             .arg(tids.size()).arg(kPaperSize));
    }

    for (size_t i = 0; i < stored.knowledge.size(); ++i) {
        const QString where = QCoreApplication::translate("BankCheck", "knowledge point %1")
                                  .arg(stored.knowledge[i].recno);
        checkScrambled(problems, where, QStringLiteral("Keyword"), stored.knowledge[i].Keyword);
        checkScrambled(problems, where, QStringLiteral("knowladge"), stored.knowledge[i].knowladge);
    }

    for (const SignPicture &sign : content.signs) {
        try {
            (void)JpegDecoder::decode(sign.files, QCoreApplication::translate("BankCheck", "sign picture \"%1\"")
                                                      .arg(sign.filename));
        } catch (const BankError &e) {
            problems << e.message();
        }
    }
    return {problems, warnings};
}
