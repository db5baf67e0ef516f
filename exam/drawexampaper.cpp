// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawexampaper.h"

#include "exampaper.h"
#include "examrandom.h"
#include "tfrm_ks_choose.h"

#include "findbyname.h"

#include "blanks.h"
#include "connectionstring.h"
#include "knowledgequery.h"
#include "tdm.h"
#include "textscramble.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSet>

#include <algorithm>
#include <stdexcept>

namespace {

QString field(const char *name)
{
    return Dm->ADOQuery1->FieldByName(QLatin1String(name)).AsString();
}

qint32 integerField(const char *name)
{
    return qint32(Dm->ADOQuery1->FieldByName(QLatin1String(name)).AsInteger());
}

// The drawing only ends once 100 different tid values have come up: check that there are
// that many before starting, instead of drawing for ever.
void checkEnoughQuestions()
{
    TADOQuery &query = *Dm->ADOQuery1;
    QSet<qint64> ids;
    ids.reserve(query.RecordCount());
    for (query.First(); !query.Eof() && ids.size() < ExamLength; query.Next())
        ids.insert(query.FieldByName(QStringLiteral("tid")).AsInteger());
    if (ids.size() < ExamLength) {
        // The folder the bank was read from, so that the trainee knows which bank to replace.
        const QString bank = ConnectionString(Dm->ADOConnection1->ConnectionString).value(QStringLiteral("Data Source"));
        const QString folder = QDir::toNativeSeparators(QFileInfo(bank).absolutePath());
        throw std::runtime_error(
            QCoreApplication::translate("DrawExamPaper",
                                        "The question bank in %3 holds only %1 different questions, too few for a "
                                        "paper of %2. Use a bank with at least %2 questions.")
                .arg(ids.size())
                .arg(ExamLength)
                .arg(folder)
                .toStdString());
    }
}

void fillSlot(_Tk &slot)
{
    // The columns are read in this order.
    slot.QuestionId = integerField("tid");
    slot.GivenAnswer.clear();
    slot.QuestionText = descrambleColumn(field("Timu"));
    slot.ChoiceA = descrambleColumn(field("ANSWER_A"));
    slot.ChoiceB = descrambleColumn(field("ANSWER_B"));
    slot.ChoiceC = descrambleColumn(field("ANSWER_C"));
    slot.ChoiceD = field("ANSWER_D");
    slot.AnalysisText = descrambleColumn(field("ANALYSIS"));
    slot.KnowledgeCodes = field("ZHISHIDIAN");
    slot.CorrectKey = field("Key");
    slot.QuestionScore = integerField("Score");
    slot.SignName = field("biaozhi");
}

void drawQuestions()
{
    TADOQuery &query = *Dm->ADOQuery1;
    const quint32 count = quint32(query.RecordCount());
    QString usedIds = QStringLiteral(",");
    int drawn = 0;
    while (drawn < ExamLength) {
        const quint32 r = ExamRandom::draw(count);
        query.First();
        query.MoveBy(int(r));
        const QString id = QString::number(query.FieldByName(QStringLiteral("tid")).AsInteger());
        // Every value in the list is enclosed by commas, so 1 is not found in ",11,21,".
        if (usedIds.contains(u',' + id + u','))
            continue;
        ++drawn;
        usedIds += id + u',';
        qobject_cast<QLineEdit *>(findComponent(Frm_Ks_Choose, QStringLiteral("Edit%1").arg(drawn)))->clear();
        fillSlot(ExamPaper[drawn]);
    }
}

void preloadKnowledge()
{
    TADOQuery &query = *Dm->ADOQuery1;
    for (int n = 1; n <= ExamLength; ++n) {
        _Tk &slot = ExamPaper[n];
        if (trimBlanks(slot.KnowledgeCodes).isEmpty())
            continue;
        RunQuery(knowledgeStatement(slot.KnowledgeCodes));
        // A slot keeps the first ten rows in the order the bank returns them.
        slot.KnowledgeCount = std::min(query.RecordCount(), MaxKnowledgePoints);
        slot.KnowledgeIndex = 1;
        for (int i = 1; i <= slot.KnowledgeCount; ++i) {
            slot.KnowledgeTexts[i - 1] = descrambleColumn(field("Keyword")) + QStringLiteral("\r\n")
                                         + descrambleColumn(field("knowladge"));
            query.Next();
        }
    }
}

} // namespace

void DrawExamPaper()
{
    if (Frm_Ks_Choose->Tag == 1)
        return;
    Frm_Ks_Choose->Tag = 1;
    RunQuery(QStringLiteral("select * from choose order by tid"));
    checkEnoughQuestions();
    drawQuestions();
    preloadKnowledge();
    Frm_Ks_Choose->BeginAnswering();
}
