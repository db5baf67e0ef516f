// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the guide's pictures of the study window over the sample bank and a record of a
// few weeks' practice, made up in a temporary data folder: the practice page after a wrong
// answer, the wrong-question book, the favourites, the papers, and a past paper in the
// score window.
//
//   study_screenshots BUILD_DIR OUT_DIR
#include "drawnslot.h"
#include "examtestbank.h"

#include "exampaper.h"
#include "handin.h"
#include "pastpaper.h"
#include "practiceview.h"
#include "studywindow.h"

#include "tapplication.h"
#include "tdm.h"
#include "tfrm_ks_choose.h"
#include "tfrm_ping.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

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

} // namespace

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
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
    return 0;
}
