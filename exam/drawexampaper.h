// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Draws a new paper into ExamPaper when the exam window's Tag is 0: 100 distinct questions
// at random from table choose, texts made readable, knowledge points preloaded; then the
// exam window begins the answering. Sets Tag to 1 first. Throws when the bank cannot be
// read or holds fewer than 100 distinct questions.
void DrawExamPaper();
