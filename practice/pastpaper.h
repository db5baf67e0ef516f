// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankquestions.h"
#include "studyrecord.h"

#include <QString>

class QWidget;

namespace practice {

// What a past paper's question shows when the bank no longer holds it as it was.
[[nodiscard]] QString changedQuestionText();

// Puts a paper from the record into the exam paper (ExamPaper and the answer boxes of the
// exam window) as it was handed in: texts, analysis, knowledge points and sign picture from
// the current bank, answers and keys from the record. A question the bank no longer holds,
// or holds with other texts, keeps its recorded answer and key and says that it changed.
// Returns how many questions changed.
int loadPastPaper(const study::PaperRecord &paper, const BankQuestions &bank, const QString &bankId);

// Whether the exam window holds a paper being answered, which a past paper must not replace.
[[nodiscard]] bool examInProgress();

// Shows a past paper in the score window and, from it, in the exam window's review, as the
// hand-in did; returns once the score window is closed. Nothing is recorded and nothing is
// drawn: the next exam start draws a new paper. Refused, with a message, while an exam is
// being answered or when the record no longer has the paper.
bool reviewPastPaper(study::StudyRecord &record, qint64 paperId, const BankQuestions &bank, const QString &bankId,
                     QWidget *parent);

} // namespace practice
