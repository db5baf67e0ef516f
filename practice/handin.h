// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankquestions.h"
#include "studyrecord.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace practice {

// The paper on display (ExamPaper) as the record keeps it: every question in paper order
// with the answer given and the key, scored and judged as the score window scores it.
[[nodiscard]] study::PaperRecord paperRecordFromExam(const QString &bankId, const QDateTime &startedAt,
                                                     int secondsUsed);

// The pass chance the estimate gave as the paper began, from the answers before
// `startedAt`; none while the evidence is too thin to show one.
[[nodiscard]] std::optional<double> passChanceAt(const study::StudyRecord &record, const QString &bankId,
                                                 const QList<study::BankQuestion> &bank, const QDateTime &startedAt);

// The bank's questions for the estimate, read only when there is practice enough for one;
// an empty list or no function leaves the paper without a pass chance.
using EstimatorBank = std::function<QList<study::BankQuestion>()>;

// Writes the handed-in paper to the record with the pass chance at its start; a record
// that is not kept this run writes nothing and the exam goes on. The record's notices are
// shown once each.
void recordHandedInPaper(study::StudyRecord &record, const QString &bankId, const EstimatorBank &bank,
                         const QDateTime &startedAt, int secondsUsed, QWidget *parent);

// Shows each notice the record has not shown yet.
void showRecordNotices(study::StudyRecord &record, QWidget *parent);

// Tells the trainee something through the notice shower.
void tellTrainee(QWidget *parent, const QString &notice);

// What shows a notice: a warning message box by default; tests put something else in place.
using NoticeShower = std::function<void(QWidget *parent, const QString &notice)>;
void setNoticeShower(NoticeShower shower);

} // namespace practice
