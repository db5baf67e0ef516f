// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

inline constexpr int ExamLength = 100;          // questions in a paper
inline constexpr int MaxKnowledgePoints = 10;  // knowledge points kept for one question

// One slot of the exam paper: a question as drawn from the bank, with its texts readable,
// the trainee's answer and the question's preloaded knowledge points.
struct _Tk {
    qint32 QuestionId = 0;  // tid
    QString QuestionText;
    QString ChoiceA;
    QString ChoiceB;
    QString ChoiceC;        // blank for a question with two choices
    QString ChoiceD;        // as stored; nothing reads it
    QString CorrectKey;     // "A", "B" or "C", as stored
    QString GivenAnswer;    // empty until answered
    QString AnalysisText;
    QString KnowledgeCodes;  // 5-byte codes one after another, as stored
    // Knowledge point i (1 .. KnowledgeCount) at [i - 1]: headword, CR LF, explanation.
    std::array<QString, MaxKnowledgePoints> KnowledgeTexts;
    qint32 KnowledgeCount = 0;
    qint32 KnowledgeIndex = 0;  // the point shown last, from 1; 0 before the preload
    qint32 QuestionScore = 0;
    QString SignName;  // the sign picture's file name; blank for none
};

// Slots 1 .. 100 hold the paper in the order drawn and belong to the number buttons and
// answer boxes of the same number; slot 0 is never drawn into.
extern std::array<_Tk, ExamLength + 1> ExamPaper;

// What an exam start clears in every slot before the next paper is drawn: the analysis and
// the knowledge points. The drawing fills everything else anew, but leaves a question
// without knowledge codes with the count and index this gave it.
void ResetExamPaper();
