// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the 统计 page opened over a 1,600-question bank and a record in a temporary data
// folder of 1,000 handed-in papers and 100,000 practice answers: the page made, read from
// the record and drawn, and what each of its parts costs.
#include "benchsupport.h"

#include "bankquestions.h"
#include "calibration.h"
#include "statspage.h"

#include "tapplication.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>

using namespace practice;

namespace {

const QString BankId = QStringLiteral("/bench/Dat/drvq.mdb");

// 1,600 questions over 15 chapters of ten knowledge points each; one in eight carries a
// second point.
BankQuestions syntheticBank(int count)
{
    BankQuestions bank;
    const auto code = [](int n) {
        return QStringLiteral("%1%2").arg(n % 15 + 1, 2, 10, QLatin1Char('0')).arg(n / 15 % 10 + 1, 3, 10, QLatin1Char('0'));
    };
    for (int tid = 1; tid <= count; ++tid) {
        BankQuestion q;
        q.tid = tid;
        q.question = QStringLiteral("第%1题：驾驶机动车在没有交通信号灯控制也没有交通警察指挥的交叉路口，应当怎样通行？").arg(tid);
        q.choiceA = QStringLiteral("减速慢行，让右方道路的来车先行");
        q.choiceB = QStringLiteral("加速通过");
        q.choiceC = tid % 3 ? QStringLiteral("鸣喇叭示意后通过") : QString();
        q.key = QStringLiteral("A");
        q.knowledgeCodes = {code(tid)};
        if (tid % 8 == 0)
            q.knowledgeCodes << code(tid * 7 + 3);
        q.score = 1;
        bank.byTid.insert(tid, bank.questions.size());
        bank.questions.append(q);
    }
    for (const BankQuestion &q : bank.questions)
        for (const QString &c : q.knowledgeCodes)
            bank.points.insert(c, {c, QStringLiteral("要点%1").arg(c), QStringLiteral("说明")});
    return bank;
}

double msOf(const std::function<void()> &work)
{
    return bench::medianMs(5, work);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    const BankQuestions bank = syntheticBank(1600);

    // Four months of practice, better as it goes on, and a paper every few hours of it.
    QDateTime now = QDateTime::currentDateTime().addDays(-120);
    study::StudyRecord record(study::StudyRecord::defaultPath(), [&now] { return now; });
    if (!record.isKept())
        qFatal("the record cannot be kept: %s", qPrintable(record.takeNotices().join(' ')));
    QRandomGenerator random(7);
    for (int i = 0; i < 100'000; ++i) {
        const BankQuestion &q = bank.questions[random.bounded(int(bank.questions.size()))];
        const bool right = random.bounded(100) < 70 + i / 4000;
        now = now.addSecs(100);
        record.addPracticeAnswer({questionRef(BankId, q), right ? q.key : QStringLiteral("B"), q.key,
                                  study::PracticeMode::Random, {}});
        if (i % 100 == 99) {
            study::PaperRecord paper;
            paper.bank = BankId;
            paper.startedAt = now;
            paper.secondsUsed = 1500 + random.bounded(900);
            paper.fullMarks = 100;
            for (int k = 0; k < 100; ++k) {
                const BankQuestion &p = bank.questions[(i * 37 + k * 13) % bank.questions.size()];
                const QString given = random.bounded(100) < 80 + i / 6000 ? p.key : QStringLiteral("B");
                paper.questions << study::PaperQuestion{questionRef(BankId, p), given, p.key, 1};
                paper.score += given == p.key ? 1 : 0;
            }
            paper.passed = paper.score >= 90;
            paper.passChanceAtStart = 0.5 + 0.4 * double(i) / 100'000.0;
            now = now.addSecs(paper.secondsUsed);
            record.addPaper(paper);
        }
    }
    now = now.addSecs(3600);

    const QList<study::BankQuestion> questions = estimatorQuestions(bank);
    const QHash<QString, QString> names = bank.topicNames();
    std::vector<double> times;
    for (int run = 0; run < 11; ++run) {
        QElapsedTimer clock;
        clock.start();
        StatsPage page(record, BankId, questions, names);
        page.resize(844, 520);
        page.refresh();
        page.show();
        page.repaint();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (page.checkTable->topLevelItemCount() != 4 || page.pointList->topLevelItemCount() != 150)
            qFatal("the page shows %d bands and %d knowledge points", page.checkTable->topLevelItemCount(),
                   page.pointList->topLevelItemCount());
    }
    std::printf("BENCH stats_page_open median_ms=%.3f papers=1000 practice_answers=100000 bank=1600\n",
                bench::median(times));
    std::fflush(stdout);

    // Where the time goes: each read of the record, the estimate, and the page's own work.
    QList<study::AnswerEvent> events;
    const double papersMs = msOf([&] { (void)record.papers(BankId); });
    const double talliesMs = msOf([&] { (void)record.tallies(BankId); });
    const double bookMs = msOf([&] { (void)record.book(BankId), (void)record.mastered(BankId); });
    const double eventsMs = msOf([&] { events = record.answerEvents(BankId); });
    study::Readiness readiness;
    const double estimateMs = msOf([&] { readiness = study::estimateReadiness(questions, events, now); });
    const double checkMs = msOf([&] { (void)study::calibrate(study::checkedPapers(record.papers(BankId))); });
    std::printf("BENCH stats_page_parts papers_ms=%.3f tallies_ms=%.3f book_ms=%.3f answer_events_ms=%.3f "
                "estimate_ms=%.3f check_ms=%.3f\n",
                papersMs, talliesMs, bookMs, eventsMs, estimateMs, checkMs);
    std::printf("BENCH stats_page_readiness chance=%.12f low=%.12f high=%.12f\n", readiness.chance, readiness.low,
                readiness.high);
    return 0;
}
