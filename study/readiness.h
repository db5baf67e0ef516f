// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>

#include <vector>

namespace study {

// One question of the current bank as the estimator sees it: its identity and the knowledge
// points it belongs to (the codes of tzhishidian).
struct BankQuestion {
    qint32 tid = 0;
    QByteArray digest;
    QStringList knowledgeCodes;
};

// One attempt at a question, oldest first: the estimator needs no more than this of the
// record's answer events.
struct ReadinessAnswer {
    qint32 tid = 0;
    QByteArray digest;
    bool right = false;
    QDateTime at;
};

// The chance that the next mock paper passes. With too little evidence, `chance`, `low` and
// `high` are still filled in but are not worth showing; `answersNeeded` says how many more
// answers it takes.
struct Readiness {
    bool enoughEvidence = false;
    int answersNeeded = 0;
    double chance = 0.0;
    double low = 0.0;   // an 80 % interval from the uncertainty of the per-question chances
    double high = 0.0;
};

// The evidence below which the page shows how many more answers are needed: this many
// answers in all, spread over at least this many different questions (or the whole bank,
// where it is smaller).
inline constexpr int MinAnswersForReadiness = 200;
inline constexpr int MinQuestionsForReadiness = 100;

[[nodiscard]] Readiness estimateReadinessFrom(const QList<BankQuestion> &bank,
                                              const std::vector<ReadinessAnswer> &answers,
                                              const QDateTime &now, int paperLength = 100,
                                              double passShare = 0.9);

// The same over any list of the record's answer events (anything with tid, digest, right
// and at), so callers pass StudyRecord::answerEvents() as it comes.
template <class Events>
[[nodiscard]] Readiness estimateReadiness(const QList<BankQuestion> &bank, const Events &events,
                                          const QDateTime &now, int paperLength = 100,
                                          double passShare = 0.9)
{
    std::vector<ReadinessAnswer> answers;
    answers.reserve(std::size_t(events.size()));
    for (const auto &e : events)
        answers.push_back(ReadinessAnswer{e.tid, e.digest, e.right, e.at});
    return estimateReadinessFrom(bank, answers, now, paperLength, passShare);
}

} // namespace study
