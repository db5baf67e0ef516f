// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The review's knowledge points of one question, shown one per press of "知识点".
namespace KnowledgeCycle {

// The point a press shows, from 1: the one after `shownLast`, back to 1 after the last. The
// index moves on before it shows and the drawing leaves it at 1, so the first press on a
// question with several points shows point 2. Nothing to show (0) when there are no points.
[[nodiscard]] int next(int shownLast, int count);

// The count as the review says it: 共有'3'个知识点.
[[nodiscard]] QString countText(int count);

} // namespace KnowledgeCycle
