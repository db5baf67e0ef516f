// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A bank question as a drawn paper's slot holds it, answered with `given`.
#include "bankquestions.h"
#include "exampaper.h"

namespace examtest {

inline _Tk drawnSlot(const practice::BankQuestion &q, const QString &given)
{
    _Tk slot;
    slot.QuestionId = q.tid;
    slot.QuestionText = q.question;
    slot.ChoiceA = q.choiceA;
    slot.ChoiceB = q.choiceB;
    slot.ChoiceC = q.choiceC;
    slot.CorrectKey = q.key;
    slot.QuestionScore = q.score;
    slot.GivenAnswer = given;
    return slot;
}

} // namespace examtest
