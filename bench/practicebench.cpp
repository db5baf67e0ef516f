// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the study window over a 2,000-question bank and a record in a temporary data
// folder: an answer until its feedback is drawn, the next question until it is drawn, and
// the 考试记录 and 错题本 pages opened over 1,000 papers and 2,000 questions in the book.
#include "benchsupport.h"

#include "practiceview.h"
#include "studywindow.h"

#include "tapplication.h"

#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>

using namespace practice;

namespace {

const QString BankId = QStringLiteral("/bench/Dat/drvq.mdb");

BankQuestions syntheticBank(int count)
{
    BankQuestions bank;
    for (int tid = 1; tid <= count; ++tid) {
        BankQuestion q;
        q.tid = tid;
        q.question = QStringLiteral("第%1题：驾驶机动车在没有交通信号灯控制也没有交通警察指挥的交叉路口，应当怎样通行？").arg(tid);
        q.choiceA = QStringLiteral("减速慢行，让右方道路的来车先行");
        q.choiceB = QStringLiteral("加速通过");
        q.choiceC = tid % 3 ? QStringLiteral("鸣喇叭示意后通过") : QString();
        q.key = QStringLiteral("A");
        q.analysis = QStringLiteral("评析：在没有交通信号的交叉路口，应当减速慢行，让右方道路的来车先行。").repeated(3);
        q.knowledgeCodes = {QStringLiteral("%1%2").arg(tid % 15 + 1, 2, 10, QLatin1Char('0')).arg(tid % 20 + 1, 3, 10, QLatin1Char('0'))};
        q.score = 1;
        bank.byTid.insert(tid, bank.questions.size());
        bank.questions.append(q);
    }
    for (const BankQuestion &q : bank.questions)
        for (const QString &code : q.knowledgeCodes)
            bank.points.insert(code, {code, QStringLiteral("要点%1").arg(code), QStringLiteral("说明").repeated(20)});
    return bank;
}

study::PaperRecord paper(const BankQuestions &bank, int n, const QDateTime &at)
{
    study::PaperRecord p;
    p.bank = BankId;
    p.startedAt = at;
    p.secondsUsed = 1500 + n % 900;
    p.fullMarks = 100;
    for (int i = 0; i < 100; ++i) {
        const BankQuestion &q = bank.questions[(n * 37 + i * 13) % bank.questions.size()];
        const QString given = (i + n) % 9 == 0 ? QStringLiteral("B") : QStringLiteral("A");
        p.questions << study::PaperQuestion{questionRef(BankId, q), given, q.key, 1};
        p.score += given == q.key ? 1 : 0;
    }
    p.passed = p.score >= 90;
    return p;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    const BankQuestions bank = syntheticBank(2000);

    {
        study::StudyRecord record;
        StudyWindow window(record);
        window.setBank(BankId, bank);
        window.show();
        window.practise(study::PracticeMode::Sequential);
        PracticeView &view = *window.view;
        app.processEvents();
        int i = 0;
        // Each round: the next question drawn, then an answer and its feedback drawn.
        std::vector<double> next;
        std::vector<double> feedback;
        for (int round = 0; round < 301; ++round) {
            next.push_back(bench::medianMs(1, [&] {
                view.next();
                window.repaint();
            }));
            feedback.push_back(bench::medianMs(1, [&] {
                view.answer(++i % 4 ? QStringLiteral("A") : QStringLiteral("B"));
                window.repaint();
            }));
        }
        std::printf("BENCH practice_feedback median_ms=%.3f\n", bench::median(feedback));
        std::printf("BENCH practice_next median_ms=%.3f\n", bench::median(next));
        std::fflush(stdout);
    }

    // A record of its own: 1,000 papers, and every question of the bank in the book.
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/long")).toUtf8());
    study::StudyRecord record;
    const QDateTime start = QDateTime::currentDateTime().addDays(-400);
    for (int n = 0; n < 1000; ++n)
        record.addPaper(paper(bank, n, start.addSecs(n * 3600 * 9)));
    for (const BankQuestion &q : bank.questions)
        record.addPracticeAnswer({questionRef(BankId, q), QStringLiteral("B"), q.key, study::PracticeMode::Random, {}});
    StudyWindow window(record);
    window.setBank(BankId, bank);
    window.show();
    app.processEvents();
    // From the favourites page (empty) to the page, until it is drawn.
    const auto opening = [&](int page) {
        std::vector<double> times;
        for (int run = 0; run < 21; ++run) {
            window.pages->setCurrentIndex(2);
            window.repaint();
            QElapsedTimer clock;
            clock.start();
            window.pages->setCurrentIndex(page);
            window.repaint();
            times.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        return bench::median(times);
    };
    const double historyMs = opening(3);
    if (window.paperList->topLevelItemCount() != 1000)
        qFatal("the history shows %d papers", window.paperList->topLevelItemCount());
    std::printf("BENCH history_open_1000 median_ms=%.3f\n", historyMs);
    const double bookMs = opening(1);
    if (window.bookList->topLevelItemCount() != 2000)
        qFatal("the book shows %d questions", window.bookList->topLevelItemCount());
    std::printf("BENCH book_open_2000 median_ms=%.3f\n", bookMs);
    return 0;
}
