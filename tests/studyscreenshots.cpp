// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the guide's pictures of the study window over the sample bank and a record of a
// few weeks' practice, made up in a temporary data folder: the practice page after a wrong
// answer, the wrong-question book, the favourites, the papers, a past paper in the score
// window, and the 统计 page over a record of its own with more practice and a paper on most
// days, each paper with the pass chance the estimate gave as it began.
//
//   study_screenshots BUILD_DIR OUT_DIR
#include "drawnslot.h"
#include "examtestbank.h"

#include "exampaper.h"
#include "handin.h"
#include "pastpaper.h"
#include "practiceview.h"
#include "statspage.h"
#include "studywindow.h"

#include "calibration.h"
#include "tapplication.h"
#include "translations.h"
#include "tdm.h"
#include "tfrm_ks_choose.h"
#include "tfrm_ping.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cmath>
#include <numeric>
#include <cstdio>

using namespace practice;

namespace {

QString outFolder;

void save(QWidget &window, const QString &name)
{
    // Drawn as the active window, as the trainee sees it.
    window.activateWindow();
    QElapsedTimer clock;
    clock.start();
    while (!window.isActiveWindow() && clock.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    const QString path = QDir(outFolder).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    std::printf("study_screenshots: %s\n", qPrintable(path));
}

// Three weeks of a trainee who practises a few hundred questions a day and sits a paper on
// most days: each question has a hidden chance, lower on some topics than on others, that
// rises with the days and with each time the question has come up. The record has its own
// file and clock; the page is drawn in full, as the scroll area holds it.
void statsScreenshot(const BankQuestions &bank, const QString &bankId, const QString &folder)
{
    QDateTime now = QDateTime::currentDateTime().addDays(-22);
    now.setTime(QTime(8, 0));
    study::StudyRecord record(QDir(folder).filePath(QStringLiteral("stats/study.sqlite")), [&now] { return now; });
    QRandomGenerator random(1209);
    const auto normal = [&random] {
        const double u = std::max(1e-12, random.generateDouble());
        return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * random.generateDouble());
    };
    QHash<QString, double> topic;
    for (const BankQuestion &q : bank.questions)
        for (const QString &code : q.knowledgeCodes)
            if (!topic.contains(topicChapter(code)))
                topic.insert(topicChapter(code), 0.7 * normal());
    std::vector<double> difficulty(std::size_t(bank.questions.size()));
    std::vector<int> seen(difficulty.size(), 0);
    for (std::size_t i = 0; i < difficulty.size(); ++i) {
        difficulty[i] = 0.6 * normal();
        for (const QString &code : bank.questions[qsizetype(i)].knowledgeCodes)
            difficulty[i] += topic.value(topicChapter(code));
    }
    const auto answerOf = [&](qsizetype i, int day) {
        const BankQuestion &q = bank.questions[i];
        const double z = 0.9 + 0.06 * day + difficulty[std::size_t(i)] + 0.3 * std::min(seen[std::size_t(i)], 4);
        ++seen[std::size_t(i)];
        if (random.generateDouble() < 1.0 / (1.0 + std::exp(-z)))
            return q.key;
        return q.key == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A");
    };
    const int size = int(bank.questions.size());
    const EstimatorBank estimatorBank = [&bank] { return estimatorQuestions(bank); };
    for (int day = 0; day < 21; ++day) {
        now = now.addDays(1);
        now.setTime(QTime(19, 0));
        const int answers = 180 + random.bounded(160);
        for (int i = 0; i < answers; ++i) {
            const qsizetype at = random.bounded(size);
            const BankQuestion &q = bank.questions[at];
            now = now.addSecs(25);
            record.addPracticeAnswer({questionRef(bankId, q), answerOf(at, day), q.key, study::PracticeMode::Random, {}});
        }
        if (day % 4 != 3 && day > 1) {
            // A paper of distinct questions, drawn as the exam draws one.
            QList<qsizetype> order(size);
            std::iota(order.begin(), order.end(), 0);
            for (int n = 1; n <= ExamLength && n <= size; ++n) {
                std::swap(order[n - 1], order[n - 1 + random.bounded(size - n + 1)]);
                const qsizetype at = order[n - 1];
                ExamPaper[n] = examtest::drawnSlot(bank.questions[at], answerOf(at, day));
            }
            now = now.addSecs(600);
            const QDateTime began = now;
            now = now.addSecs(1500 + random.bounded(900));
            recordHandedInPaper(record, bankId, estimatorBank, began, int(began.secsTo(now)), nullptr);
        }
    }
    now = now.addSecs(3600);

    // The figures of the check, for the guide and the report.
    const QList<study::PaperSummary> papers = record.papers(bankId);
    const study::Calibration c = study::calibrate(study::checkedPapers(papers));
    std::printf("study_screenshots: stats trainee: %lld papers, %d with a stored chance; Brier %.3f, past pass rate %.3f\n",
                static_cast<long long>(papers.size()), c.papers, c.brier, c.baselineBrier);
    for (const study::CalibrationBand &band : c.bands)
        std::printf("study_screenshots:   %3.0f%%-%3.0f%%: %d papers, mean predicted %.2f, passed %d\n", 100 * band.from,
                    100 * band.to, band.papers, band.meanPredicted, band.passed);

    StudyWindow window(record);
    window.setBank(bankId, bank);
    window.show();
    window.pages->setCurrentIndex(window.pages->count() - 1);
    StatsPage &page = *window.statsPage();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QWidget &content = *page.widget();
    const QString path = QDir(outFolder).filePath(QStringLiteral("14-study-stats.png"));
    if (!content.grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    std::printf("study_screenshots: %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    installTranslations(app, QLocale(QLocale::Chinese, QLocale::China));
    if (argc != 3)
        qFatal("usage: study_screenshots BUILD_DIR OUT_DIR");
    outFolder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outFolder);
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());

    TDm dm;
    examtest::connect(dm, QString::fromLocal8Bit(argv[1]));
    dm.ado_biaozhi->Open();
    TFrm_Ks_Choose exam;
    const BankQuestions bank = loadBankQuestions();
    const QString bankId = study::bankIdentity(QDir(QString::fromLocal8Bit(argv[1])).filePath("Dat/drvq.mdb"));

    // Three weeks of practice, better as the weeks go on, and an exam every other day.
    QDateTime now = QDateTime::currentDateTime().addDays(-21);
    study::StudyRecord record(study::StudyRecord::defaultPath(), [&now] { return now; });
    QRandomGenerator random(2026);
    for (int day = 0; day < 21; ++day) {
        now = now.addDays(1);
        for (int i = 0; i < 60; ++i) {
            const BankQuestion &q = bank.questions[random.bounded(int(bank.questions.size()))];
            const bool right = random.bounded(100) < 70 + day;
            const QString given = right ? q.key : (q.key == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A"));
            now = now.addSecs(40);
            record.addPracticeAnswer({questionRef(bankId, q), given, q.key, study::PracticeMode::Random, {}});
        }
        if (day % 2 == 1) {
            for (int n = 1; n <= ExamLength; ++n) {
                const BankQuestion &q = bank.questions[(day * 53 + n * 13) % bank.questions.size()];
                ExamPaper[n] = examtest::drawnSlot(q, random.bounded(100) < 80 + day / 2 ? q.key : QStringLiteral("B"));
            }
            const QDateTime began = now;
            now = now.addSecs(1500 + random.bounded(900));
            recordHandedInPaper(record, bankId, {}, began, int(began.secsTo(now)), nullptr);
        }
    }
    for (int i = 0; i < 12; ++i)
        record.setFavourite(questionRef(bankId, bank.questions[(i * 97) % bank.questions.size()]), true);
    now = now.addSecs(3600);

    StudyWindow window(record);
    window.setBank(bankId, bank);
    window.show();
    window.topicList->expandItem(window.topicList->topLevelItem(0));
    window.practise(study::PracticeMode::Sequential);
    // A wrong answer on a question with a sign, so that the picture and the feedback show.
    for (int i = 0; i < window.view->count() && trimBlanks(window.view->currentQuestion()->signName).isEmpty(); ++i)
        window.view->next();
    const BankQuestion &shown = *window.view->currentQuestion();
    window.view->answer(shown.key == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A"));
    save(window, QStringLiteral("09-study-practice"));
    window.pages->setCurrentIndex(1);
    save(window, QStringLiteral("10-study-book"));
    window.pages->setCurrentIndex(2);
    save(window, QStringLiteral("11-study-favourites"));
    window.pages->setCurrentIndex(3);
    save(window, QStringLiteral("12-study-papers"));

    // The newest paper, opened from the list: the score window as it was handed in.
    setScoreWindowRunner([] {
        TFrm_Ping score;
        score.show();
        save(score, QStringLiteral("13-study-past-paper"));
        score.close();
    });
    window.openPaperButton->click();

    statsScreenshot(bank, bankId, data.path());
    return 0;
}
