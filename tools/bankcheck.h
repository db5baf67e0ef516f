// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankcontent.h"

#include <QString>
#include <QStringList>

// Finds what keeps a bank from serving the trainer well, one line per problem, each naming
// the question (tid), knowledge point or picture it belongs to.
class BankCheck {
public:
    // Errors keep the trainer from using the bank (too few questions for a paper, a text
    // that does not survive scrambling, a picture that does not decode); warnings are
    // problems it survives (a key other than "A", "B", "C", a code or picture without a row).
    struct Findings {
        QStringList errors;
        QStringList warnings;
    };
    [[nodiscard]] static Findings findings(const BankContent &content, const BankContent &stored);

    // The content as the bank stores it: the scrambled columns scrambled.
    [[nodiscard]] static BankContent storedForm(const BankContent &content);

    // `stored` is the content with the scrambled columns as the bank holds them, in the same
    // order as `content`; it lets the check prove that every text survives the round trip.
    // Errors, then warnings.
    [[nodiscard]] static QStringList problems(const BankContent &content, const BankContent &stored);
};
