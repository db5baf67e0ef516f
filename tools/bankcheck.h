#pragma once

#include "bankcontent.h"

#include <QString>
#include <QStringList>

// Finds what keeps a bank from serving the trainer well, one line per problem, each naming
// the question (tid), knowledge point or picture it belongs to.
class BankCheck {
public:
    // `stored` is the content with the scrambled columns as the bank holds them, in the same
    // order as `content`; it lets the check prove that every text survives the round trip.
    [[nodiscard]] static QStringList problems(const BankContent &content, const BankContent &stored);
};
