// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "handin.h"

#include "exampaper.h"
#include "examscore.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace practice {

namespace {

NoticeShower noticeShower = [](QWidget *parent, const QString &notice) {
    QMessageBox::warning(parent, QCoreApplication::translate("practice::StudyRecordNotice", "Study record"), notice);
};

} // namespace

study::PaperRecord paperRecordFromExam(const QString &bankId, const QDateTime &startedAt, int secondsUsed)
{
    const ExamScore score = scorePaper(ExamPaper);
    study::PaperRecord paper;
    paper.bank = bankId;
    paper.startedAt = startedAt;
    paper.secondsUsed = secondsUsed;
    paper.score = int(score.total);
    paper.fullMarks = int(score.fullMarks);
    paper.passed = score.passed();
    paper.questions.reserve(ExamLength);
    for (int n = 1; n <= ExamLength; ++n) {
        const _Tk &slot = ExamPaper[n];
        study::PaperQuestion question;
        question.question.bank = bankId;
        question.question.tid = slot.QuestionId;
        question.question.digest =
            study::questionDigest(slot.QuestionText, slot.ChoiceA, slot.ChoiceB, slot.ChoiceC, slot.CorrectKey);
        // An unanswered question is an empty answer, never a missing one.
        question.given = slot.GivenAnswer.isNull() ? QStringLiteral("") : slot.GivenAnswer;
        question.key = slot.CorrectKey.isNull() ? QStringLiteral("") : slot.CorrectKey;
        question.score = slot.QuestionScore;
        paper.questions.append(question);
    }
    return paper;
}

namespace {

std::optional<double> chanceFrom(const QList<study::AnswerEvent> &events, const QList<study::BankQuestion> &bank,
                                 const QDateTime &startedAt)
{
    if (bank.isEmpty())
        return std::nullopt;
    const study::Readiness readiness = study::estimateReadiness(bank, events, startedAt);
    if (!readiness.enoughEvidence)
        return std::nullopt;
    return readiness.chance;
}

} // namespace

std::optional<double> passChanceAt(const study::StudyRecord &record, const QString &bankId,
                                   const QList<study::BankQuestion> &bank, const QDateTime &startedAt)
{
    if (bank.isEmpty() || !startedAt.isValid())
        return std::nullopt;
    return chanceFrom(record.answerEvents(bankId, startedAt), bank, startedAt);
}

void recordHandedInPaper(study::StudyRecord &record, const QString &bankId, const EstimatorBank &bank,
                         const QDateTime &startedAt, int secondsUsed, QWidget *parent)
{
    if (record.isKept()) {
        study::PaperRecord paper = paperRecordFromExam(bankId, startedAt, secondsUsed);
        if (bank && startedAt.isValid()) {
            // The answers are read once; the bank only when they are enough for an estimate.
            const QList<study::AnswerEvent> events = record.answerEvents(bankId, startedAt);
            if (events.size() >= study::MinAnswersForReadiness)
                paper.passChanceAtStart = chanceFrom(events, bank(), startedAt);
        }
        record.addPaper(paper);
    }
    showRecordNotices(record, parent);
}

void showRecordNotices(study::StudyRecord &record, QWidget *parent)
{
    for (const QString &notice : record.takeNotices())
        tellTrainee(parent, notice);
}

void tellTrainee(QWidget *parent, const QString &notice)
{
    if (noticeShower)
        noticeShower(parent, notice);
}

void setNoticeShower(NoticeShower shower)
{
    noticeShower = std::move(shower);
}

} // namespace practice
