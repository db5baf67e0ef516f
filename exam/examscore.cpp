// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "examscore.h"

bool ExamScore::passed() const
{
    return passes(total, fullMarks);
}

bool answeredRight(const _Tk &slot)
{
    return slot.CorrectKey == slot.GivenAnswer;
}

ExamScore scorePaper(const std::array<_Tk, ExamLength + 1> &paper)
{
    ExamScore score;
    for (int n = 1; n <= ExamLength; ++n) {
        const _Tk &slot = paper[std::size_t(n)];
        score.fullMarks += slot.QuestionScore;
        score.right[std::size_t(n)] = answeredRight(slot);
        if (score.right[std::size_t(n)])
            score.total += slot.QuestionScore;
    }
    return score;
}

bool passes(qint64 total, qint64 fullMarks)
{
    return fullMarks > 0 && total * 10 >= fullMarks * 9;
}
