// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pastpaper.h"

#include "countdown.h"
#include "exampaper.h"
#include "handin.h"
#include "findbyname.h"
#include "tfrm_ks_choose.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace practice {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("practice", text);
}

void fillFromBank(_Tk &slot, const BankQuestion &q, const BankQuestions &bank)
{
    slot.QuestionText = q.question;
    slot.ChoiceA = q.choiceA;
    slot.ChoiceB = q.choiceB;
    slot.ChoiceC = q.choiceC;
    slot.AnalysisText = q.analysis;
    slot.KnowledgeCodes = q.knowledgeCodes.join(QString());
    slot.SignName = q.signName;
    const QStringList texts = bank.knowledgeTexts(q);
    slot.KnowledgeCount = int(std::min<qsizetype>(texts.size(), MaxKnowledgePoints));
    slot.KnowledgeIndex = slot.KnowledgeCount > 0 ? 1 : 0;
    for (int i = 0; i < slot.KnowledgeCount; ++i)
        slot.KnowledgeTexts[std::size_t(i)] = texts[i];
}

void fillChanged(_Tk &slot, const study::PaperQuestion &recorded)
{
    slot.QuestionText = changedQuestionText();
    slot.ChoiceA.clear();
    slot.ChoiceB.clear();
    slot.ChoiceC.clear();
    slot.SignName.clear();
    slot.KnowledgeCodes.clear();
    const QString given = recorded.given.isEmpty() ? tr("(not answered)") : recorded.given;
    slot.AnalysisText = tr("Your answer was %1; the correct answer was %2.").arg(given, recorded.key);
}

} // namespace

QString changedQuestionText()
{
    return QStringLiteral("本题已从题库中删除或修改");
}

int loadPastPaper(const study::PaperRecord &paper, const BankQuestions &bank, const QString &bankId)
{
    ResetExamPaper();
    int changed = 0;
    for (int n = 1; n <= ExamLength; ++n) {
        _Tk &slot = ExamPaper[n];
        slot = _Tk{};
        if (n > paper.questions.size()) {
            // A record never holds a short paper; if one does, its missing questions stay
            // blank rather than showing another paper's.
            slot.QuestionText = changedQuestionText();
            ++changed;
        } else {
            const study::PaperQuestion &recorded = paper.questions[n - 1];
            slot.QuestionId = recorded.question.tid;
            slot.CorrectKey = recorded.key;
            slot.GivenAnswer = recorded.given;
            slot.QuestionScore = recorded.score;
            const BankQuestion *q = bank.find(recorded.question.tid);
            if (q && questionRef(bankId, *q).digest == recorded.question.digest) {
                fillFromBank(slot, *q, bank);
            } else {
                fillChanged(slot, recorded);
                ++changed;
            }
        }
        if (Frm_Ks_Choose) {
            if (auto *box = qobject_cast<QLineEdit *>(findComponent(Frm_Ks_Choose, QStringLiteral("Edit%1").arg(n))))
                box->setText(slot.GivenAnswer);
        }
    }
    if (Frm_Ks_Choose) {
        // The clock as it stood at the hand-in.
        const int left = std::clamp(Countdown::ExamMinutes * 60 - paper.secondsUsed, 0, Countdown::ExamMinutes * 60);
        MinutesLeft = left / 60;
        SecondsLeft = left % 60;
        Frm_Ks_Choose->Lbl_Minute->setText(Countdown::figure(MinutesLeft));
        Frm_Ks_Choose->Lbl_Second->setText(Countdown::figure(SecondsLeft));
    }
    return changed;
}

bool examInProgress()
{
    return Frm_Ks_Choose && Frm_Ks_Choose->isVisible() && Frm_Ks_Choose->Btn_ping->isEnabled();
}

bool reviewPastPaper(study::StudyRecord &record, qint64 paperId, const BankQuestions &bank, const QString &bankId,
                     QWidget *parent)
{
    if (!Frm_Ks_Choose)
        return false;
    if (examInProgress()) {
        tellTrainee(parent, tr("An exam is being answered. Hand it in before you look at a past paper."));
        return false;
    }
    const std::optional<study::PaperRecord> paper = record.paper(paperId);
    if (!paper) {
        tellTrainee(parent, tr("This paper could not be read from the study record."));
        return false;
    }
    loadPastPaper(*paper, bank, bankId);
    // A paper is in place: showing the exam window for review draws nothing. Closing the
    // score window clears the flag again, so the next exam start draws a new paper.
    Frm_Ks_Choose->Tag = 1;
    SetReviewMode(true);
    return true;
}

} // namespace practice
