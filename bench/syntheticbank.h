// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankcontent.h"

#include <QByteArrayList>

// A large bank of made-up but realistic-sized content, the same for every run.
class SyntheticBank {
public:
    // `pictures` are cycled through for the sign rows.
    [[nodiscard]] static BankContent make(int questions, int knowledgePoints, int signs, const QByteArrayList &pictures);
};
