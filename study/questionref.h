// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace study {

// A question as the record knows it: the bank it came from, its tid there, and a digest
// of its texts. A bank that rewrites a question under the same tid gives it a new digest,
// so the old question's answers are not carried over to the new one.
struct QuestionRef {
    QString bank;
    qint32 tid = 0;
    QByteArray digest;

    friend bool operator==(const QuestionRef &, const QuestionRef &) = default;
};

// Hex SHA-256 over the question, its three choices and its key, each length-prefixed so
// that no two different sets of texts can run together into the same bytes.
[[nodiscard]] QByteArray questionDigest(const QString &question, const QString &choiceA,
                                        const QString &choiceB, const QString &choiceC,
                                        const QString &key);

// The bank's identity in the record: the canonical absolute path of its drvq.mdb, so that
// the sample bank and a trainee's own bank keep separate records.
[[nodiscard]] QString bankIdentity(const QString &bankFilePath);

// Right as the score window judges it: the answer given equals the key exactly.
[[nodiscard]] inline bool judgedRight(const QString &given, const QString &key)
{
    return given == key;
}

// A question left unanswered was no attempt.
[[nodiscard]] inline bool attempted(const QString &given)
{
    return !given.isEmpty();
}

} // namespace study
