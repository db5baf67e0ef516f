// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The chance that the trainee answers a question right now.
//
// Model: Beta–Bernoulli per question with a three-level prior (the trainee overall → each
// knowledge point → each question), where old evidence fades, followed by a recalibration
// of the whole against the trainee's own record.
//
// - Each level keeps a weighted count of answers and of right answers. A count fades with
//   the time since it was made (half-life about three weeks for a question, a month for a
//   knowledge point and overall), and at a question each new answer also shrinks the weight
//   of the earlier ones, so the latest answers count most.
// - Overall: a fresh trainee is taken to get 60 % right, worth 10 answers; the trainee's own
//   answers outweigh that quickly. A knowledge point starts from the overall share (worth 8
//   answers), a question from the mean of its knowledge points (worth 3 answers). An unseen
//   question thus gets what the trainee does on its topic, never 0 or 1, and as a
//   question's own answers fade with time its chance falls back towards that prior.
// - Recalibration: while reading the record the estimator predicts every answer before it
//   learns from it. Over the recent answers (fading over two weeks) it fits one shift on the
//   logit scale for questions answered before and one for first answers, so that what it
//   predicted matches what happened; a trainee who learns faster than the counts can show,
//   or forgets faster, is followed. A prior of sd 1 logit keeps the shifts small on little
//   evidence.
//
// Why this and not a memory model with stability and difficulty per question: a trainee
// sees most questions only a few times, far too few to fit a memory curve per question, and
// the pass chance hinges on the mean chance over the bank to within a point or two. The
// pooled counts give an unseen question a sensible chance at once, and the recalibration
// corrects the level itself against real outcomes. It is one pass over the record.
#include "estimator.h"
#include "passchance.h"
#include "vectorstate.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace study {
namespace {

constexpr double FreshShare = 0.6;
constexpr double OverallStrength = 10.0;
constexpr double TopicStrength = 8.0;
constexpr double QuestionStrength = 3.0;
constexpr double OverallFadeDays = 45.0;     // e-folding times; half-lives are 0.69 of these
constexpr double TopicFadeDays = 45.0;
constexpr double QuestionFadeDays = 30.0;
constexpr double LaterAnswerShrink = 0.8;    // earlier answers to a question weigh this much less
constexpr double CalibrationFadeDays = 14.0;
constexpr double ShiftPriorPrecision = 1.0;  // sd 1 logit

double logit(double p)
{
    p = std::clamp(p, 1e-6, 1.0 - 1e-6);
    return std::log(p / (1.0 - p));
}

double logistic(double z)
{
    return 1.0 / (1.0 + std::exp(-z));
}

// A weighted count of answers that fades with time.
struct Count {
    double answers = 0.0;
    double right = 0.0;
    double day = 0.0;

    void fadeTo(double toDay, double fadeDays)
    {
        if (toDay > day) {
            const double f = std::exp(-(toDay - day) / fadeDays);
            answers *= f;
            right *= f;
            day = toDay;
        }
    }
    [[nodiscard]] Count fadedTo(double toDay, double fadeDays) const
    {
        Count c = *this;
        c.fadeTo(toDay, fadeDays);
        return c;
    }
};

double share(const Count &c, double priorShare, double strength)
{
    return (strength * priorShare + c.right) / (strength + c.answers);
}

double days(const QDateTime &t)
{
    return double(t.toMSecsSinceEpoch()) / 86'400'000.0;
}

// One predicted answer, kept for the recalibration.
struct Prediction {
    double logit;
    bool right;
    double day;
    bool seenBefore;
};

// The shift that makes predicted match observed over weighted answers (a logistic
// regression with the prediction as offset and one intercept), with its precision.
//
// The fit needs the answers only through their predicted logits, so they are gathered into
// bins a hundredth of a logit wide first (weight, weighted outcome and weighted mean logit
// per bin): each Newton step then costs a few thousand exponentials instead of one per
// answer, and the shift moves by far less than a thousandth of a logit for it.
std::pair<double, double> fitShift(const std::vector<Prediction> &preds, bool seen, double now)
{
    constexpr double BinWidth = 0.01;
    constexpr double LogitLimit = 14.0;  // logit() clamps chances to 1e-6 .. 1 - 1e-6
    constexpr int Bins = int(2 * LogitLimit / BinWidth) + 1;
    struct Bin {
        double w = 0.0;
        double outcome = 0.0;
        double logit = 0.0;  // weighted sum first, the weighted mean after
    };
    std::vector<Bin> bins(Bins);
    for (const Prediction &p : preds) {
        if (p.seenBefore != seen)
            continue;
        const double w = std::exp(-(now - p.day) / CalibrationFadeDays);
        if (w < 1e-4)
            continue;
        const double z = std::clamp(p.logit, -LogitLimit, LogitLimit);
        Bin &b = bins[std::size_t(std::lround((z + LogitLimit) / BinWidth))];
        b.w += w;
        b.outcome += p.right ? w : 0.0;
        b.logit += w * z;
    }
    std::vector<Bin> used;
    for (Bin &b : bins) {
        if (b.w > 0.0) {
            b.logit /= b.w;
            used.push_back(b);
        }
    }
    double shift = 0.0;
    double precision = ShiftPriorPrecision;
    for (int iter = 0; iter < 8; ++iter) {
        double grad = -ShiftPriorPrecision * shift;
        double hess = ShiftPriorPrecision;
        for (const Bin &b : used) {
            const double q = logistic(b.logit + shift);
            grad += b.outcome - b.w * q;
            hess += b.w * q * (1.0 - q);
        }
        const double step = grad / hess;
        shift += std::clamp(step, -1.0, 1.0);
        precision = hess;
        if (std::abs(step) < 1e-6)
            break;
    }
    return {std::clamp(shift, -3.0, 3.0), precision};
}

} // namespace

QuestionChances estimateChances(const QList<BankQuestion> &bank,
                                const std::vector<ReadinessAnswer> &answers, const QDateTime &now)
{
    const int n = int(bank.size());
    QHash<qint32, int> byTid;
    byTid.reserve(n);
    QHash<QString, int> topicIndex;
    std::vector<std::vector<int>> topicsOf(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        byTid.insert(bank[i].tid, i);
        for (const QString &code : bank[i].knowledgeCodes) {
            const QString c = code.trimmed();
            if (c.isEmpty())
                continue;
            auto it = topicIndex.find(c);
            if (it == topicIndex.end())
                it = topicIndex.insert(c, int(topicIndex.size()));
            topicsOf[std::size_t(i)].push_back(*it);
        }
    }

    Count overall;
    std::vector<Count> topics(static_cast<std::size_t>(topicIndex.size()));
    std::vector<Count> questions(static_cast<std::size_t>(n));
    std::vector<int> answerCount(static_cast<std::size_t>(n), 0);
    std::vector<Prediction> predictions;
    predictions.reserve(answers.size());

    const auto chanceAt = [&](int q, double day) {
        const double overallShare = share(overall.fadedTo(day, OverallFadeDays), FreshShare, OverallStrength);
        double prior = overallShare;
        const auto &ts = topicsOf[std::size_t(q)];
        if (!ts.empty()) {
            double sum = 0.0;
            for (int t : ts)
                sum += share(topics[std::size_t(t)].fadedTo(day, TopicFadeDays), overallShare, TopicStrength);
            prior = sum / double(ts.size());
        }
        return share(questions[std::size_t(q)].fadedTo(day, QuestionFadeDays), prior, QuestionStrength);
    };

    // Hashing the knowledge codes above can leave the vector state dirty: cleared here, before
    // the arithmetic over every answer.
    clearUpperVectorState();
    QuestionChances out;
    for (const ReadinessAnswer &a : answers) {
        const double day = days(a.at);
        const double r = a.right ? 1.0 : 0.0;
        const auto it = byTid.constFind(a.tid);
        const int q = (it != byTid.constEnd() && bank[*it].digest == a.digest) ? *it : -1;
        if (q >= 0) {
            // The counts the prediction reads are faded to this moment first, once: the
            // prediction then finds them there, and learning from the answer needs no fading
            // of its own (the same values as fading a copy for each).
            overall.fadeTo(day, OverallFadeDays);
            for (int t : topicsOf[std::size_t(q)])
                topics[std::size_t(t)].fadeTo(day, TopicFadeDays);
            questions[std::size_t(q)].fadeTo(day, QuestionFadeDays);
            predictions.push_back(Prediction{logit(chanceAt(q, day)), a.right, day,
                                             answerCount[std::size_t(q)] > 0});
            for (int t : topicsOf[std::size_t(q)]) {
                Count &c = topics[std::size_t(t)];
                c.answers += 1.0;
                c.right += r;
            }
            Count &c = questions[std::size_t(q)];
            c.answers = c.answers * LaterAnswerShrink + 1.0;
            c.right = c.right * LaterAnswerShrink + r;
            if (answerCount[std::size_t(q)]++ == 0)
                ++out.distinctAnswered;
            ++out.totalAnswers;
        }
        overall.fadeTo(day, OverallFadeDays);
        overall.answers += 1.0;
        overall.right += r;
    }

    const double nowDay = days(now);
    const auto [seenShift, seenPrecision] = fitShift(predictions, true, nowDay);
    const auto [newShift, newPrecision] = fitShift(predictions, false, nowDay);

    out.chance.resize(std::size_t(n));
    out.answers = answerCount;
    double seenShare = 0.0;
    for (int i = 0; i < n; ++i) {
        const bool seen = answerCount[std::size_t(i)] > 0;
        seenShare += seen ? 1.0 : 0.0;
        out.chance[std::size_t(i)] = logistic(logit(chanceAt(i, nowDay)) + (seen ? seenShift : newShift));
    }
    seenShare = n > 0 ? seenShare / n : 0.0;

    // The uncertainty that does not average out over a paper: the level shared by all
    // questions (how well the shifts are known, for the share of the bank each covers) and
    // the overall share itself. A question's own noise largely cancels over 100 questions.
    const Count o = overall.fadedTo(nowDay, OverallFadeDays);
    const double m = share(o, FreshShare, OverallStrength);
    const double overallVar = 1.0 / ((OverallStrength + o.answers) * m * (1.0 - m));
    out.sharedSd = std::sqrt(seenShare * seenShare / seenPrecision
                             + (1.0 - seenShare) * (1.0 - seenShare) / newPrecision + overallVar);
    return out;
}

Readiness estimateReadinessFrom(const QList<BankQuestion> &bank,
                                const std::vector<ReadinessAnswer> &answers, const QDateTime &now,
                                int paperLength, double passShare)
{
    Readiness out;
    if (bank.isEmpty())
        return out;
    const QuestionChances q = estimateChances(bank, answers, now);
    const int length = std::min(paperLength, int(bank.size()));
    const int mark = passMarkFor(length, passShare);

    const int wantQuestions = std::min(MinQuestionsForReadiness, int(bank.size()));
    out.answersNeeded = std::max({0, MinAnswersForReadiness - q.totalAnswers,
                                  wantQuestions - q.distinctAnswered});
    out.enoughEvidence = out.answersNeeded == 0;

    // The pass chance rises with a shift common to all chances, so the ends of the interval
    // are the pass chances at the shared shift's 10th and 90th percentiles.
    constexpr double z80 = 1.2815515655;
    const auto shifted = [&](double by) {
        std::vector<double> c = q.chance;
        for (double &v : c)
            v = logistic(logit(v) + by);
        return passChance(c, length, mark);
    };
    out.chance = passChance(q.chance, length, mark);
    out.low = std::min(out.chance, shifted(-z80 * q.sharedSd));
    out.high = std::max(out.chance, shifted(z80 * q.sharedSd));
    return out;
}

} // namespace study
