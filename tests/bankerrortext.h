// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The message of the BankError an action throws; empty when it throws none.
#include "bankerror.h"

#include <QString>

#include <functional>

namespace banktest {

inline QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const BankError &error) {
        return error.message();
    }
    return {};
}

} // namespace banktest
