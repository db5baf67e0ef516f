// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exampaper.h"

std::array<_Tk, ExamLength + 1> ExamPaper;

void ResetExamPaper()
{
    for (_Tk &slot : ExamPaper) {
        slot.AnalysisText.clear();
        slot.KnowledgeCodes.clear();
        slot.KnowledgeCount = 0;
        slot.KnowledgeIndex = 0;
    }
}
