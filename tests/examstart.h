// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starts an exam on an exam window as "&S开始考试" does, over the bank the data module is
// connected to already: the previous exam goes, answering mode, and the showing draws.
#include "tfrm_ks_choose.h"

namespace examtest {

inline void startExam(TFrm_Ks_Choose &window)
{
    window.PrepareNewExam();
    SetReviewMode(false);
    window.show();
}

} // namespace examtest
