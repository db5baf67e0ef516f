// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The 统计 page of the study window over a bank made in memory and a record in a temporary
// folder: the scores, the weakest topics, the coverage, the pass chance and the check of
// the stored chances, read when the page is opened.
#include "practiceview.h"
#include "statspage.h"
#include "studywindow.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace practice;

namespace {

const QString BankId = QStringLiteral("/test/Dat/drvq.mdb");

// `count` questions, key A; tids 1–4 on 01001, 5–7 on 01002, 8–10 on 02001, the rest on 03001.
BankQuestions makeBank(int count, const QString &prefix = QStringLiteral("题目"))
{
    BankQuestions bank;
    for (int tid = 1; tid <= count; ++tid) {
        BankQuestion q;
        q.tid = tid;
        q.question = QStringLiteral("%1%2").arg(prefix).arg(tid);
        q.choiceA = QStringLiteral("对");
        q.choiceB = QStringLiteral("错");
        q.key = QStringLiteral("A");
        q.knowledgeCodes = {tid <= 4 ? QStringLiteral("01001")
                            : tid <= 7 ? QStringLiteral("01002")
                            : tid <= 10 ? QStringLiteral("02001")
                                        : QStringLiteral("03001")};
        q.score = 1;
        bank.byTid.insert(tid, bank.questions.size());
        bank.questions.append(q);
    }
    bank.points.insert(QStringLiteral("01001"), {QStringLiteral("01001"), QStringLiteral("让行"), {}});
    bank.points.insert(QStringLiteral("01002"), {QStringLiteral("01002"), QStringLiteral("超车"), {}});
    bank.points.insert(QStringLiteral("02001"), {QStringLiteral("02001"), QStringLiteral("信号灯"), {}});
    bank.points.insert(QStringLiteral("02"), {QStringLiteral("02"), QStringLiteral("交通信号"), {}});
    return bank;
}

QStringList column(const QTreeWidget *list, int c)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(c);
    return texts;
}

} // namespace

class TestStatsPage : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    BankQuestions m_bank = makeBank(120);
    QDateTime m_now = QDateTime(QDate(2026, 11, 2), QTime(8, 0));
    std::unique_ptr<study::StudyRecord> m_record;
    std::unique_ptr<StudyWindow> m_window;
    int m_recordNumber = 0;

    StatsPage &openStats()
    {
        m_window->pages->setCurrentIndex(m_window->pages->count() - 1);
        return *m_window->statsPage();
    }

    void answer(int tid, bool right, int times = 1)
    {
        const BankQuestion &q = m_bank.questions[tid - 1];
        for (int i = 0; i < times; ++i) {
            m_now = m_now.addSecs(30);
            QVERIFY(m_record->addPracticeAnswer(
                {questionRef(BankId, q), right ? q.key : QStringLiteral("B"), q.key, study::PracticeMode::Random, {}}));
        }
    }

    // A paper of the bank's first 100 questions, `wrong` of them answered B.
    void handIn(int wrong, std::optional<double> chance)
    {
        study::PaperRecord paper;
        paper.bank = BankId;
        m_now = m_now.addSecs(3600);
        paper.startedAt = m_now;
        m_now = m_now.addSecs(1800);
        paper.secondsUsed = 1800;
        paper.fullMarks = 100;
        for (int i = 0; i < 100; ++i) {
            const BankQuestion &q = m_bank.questions[i];
            const QString given = i < wrong ? QStringLiteral("B") : q.key;
            paper.questions << study::PaperQuestion{questionRef(BankId, q), given, q.key, 1};
            paper.score += given == q.key ? 1 : 0;
        }
        paper.passed = paper.score >= 90;
        paper.passChanceAtStart = chance;
        QVERIFY(m_record->addPaper(paper));
    }

private slots:
    void init()
    {
        m_window.reset();
        m_record = std::make_unique<study::StudyRecord>(
            m_folder.filePath(QStringLiteral("record-%1/study.sqlite").arg(++m_recordNumber)), [this] { return m_now; });
        QVERIFY(m_record->isKept());
        m_window = std::make_unique<StudyWindow>(*m_record);
        m_window->setBank(BankId, m_bank);
        m_window->resize(880, 700);
        m_window->show();
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_record.reset();
    }

    void anEmptyRecordSaysThereIsNothingYet()
    {
        QCOMPARE(m_window->pages->tabText(m_window->pages->count() - 1), QStringLiteral("统计"));
        StatsPage &page = openStats();
        QVERIFY(page.emptyNote->isVisibleTo(&page));
        QVERIFY(!page.scoreChart->isVisibleTo(&page));
        QVERIFY(!page.scoreNote->text().isEmpty());
        QCOMPARE(column(page.checkTable, 1), QStringList(4, QStringLiteral("0")));
        QVERIFY(!page.readinessText->text().contains(QStringLiteral("合格概率约")));
        QVERIFY(page.readinessText->text().contains(QStringLiteral(" 200 ")));
        // Every topic of the bank is there, none with a share.
        QCOMPARE(column(page.pointList, 1), QStringList(4, QStringLiteral("作答太少")));
        QCOMPARE(page.coverageBar->parts().last().count, 120);
        m_window->grab();  // drawn without a crash
    }

    void topicsShowTheirShareWeakestFirstAndTooFewAnswersAsSuch()
    {
        answer(1, true, 3);
        answer(2, true, 2);
        answer(3, false);   // 01001: 5 of 6
        answer(5, true, 2);
        answer(6, false, 4);  // 01002: 2 of 6
        answer(8, true, 3);   // 02001: 3 answers, too few
        StatsPage &page = openStats();
        QVERIFY(!page.emptyNote->isVisibleTo(&page));
        QCOMPARE(column(page.pointList, 0),
                 (QStringList{QStringLiteral("超车"), QStringLiteral("让行"), QStringLiteral("信号灯"), QStringLiteral("03001")}));
        QCOMPARE(column(page.pointList, 1),
                 (QStringList{QStringLiteral("33%"), QStringLiteral("83%"), QStringLiteral("作答太少"), QStringLiteral("作答太少")}));
        QCOMPARE(column(page.pointList, 2), (QStringList{"6", "6", "3", "0"}));
        // Chapters by their number, or by the name the bank gives one.
        QCOMPARE(column(page.chapterList, 0),
                 (QStringList{QStringLiteral("第01章"), QStringLiteral("第02章 交通信号"), QStringLiteral("第03章")}));
        QCOMPARE(column(page.chapterList, 1),
                 (QStringList{QStringLiteral("58%"), QStringLiteral("作答太少"), QStringLiteral("作答太少")}));
        QCOMPARE(column(page.chapterList, 2), (QStringList{"12", "3", "0"}));
    }

    void coverageCountsEachQuestionOnceInItsPart()
    {
        answer(1, true);
        answer(2, false);
        answer(3, false);
        answer(3, true);   // in the book, answered right once since
        answer(4, true);
        m_window->pages->setCurrentIndex(0);
        QVERIFY(m_record->removeFromBook(questionRef(BankId, m_bank.questions[1])));  // tid 2 out of the book
        StatsPage &page = openStats();
        const QList<CoverageBar::Part> parts = page.coverageBar->parts();
        QCOMPARE(parts.size(), 5);
        QCOMPARE(parts[0].count, 0);    // mastered
        QCOMPARE(parts[1].count, 2);    // right: tids 1, 4
        QCOMPARE(parts[2].count, 1);    // in the book: tid 3
        QCOMPARE(parts[3].count, 1);    // only wrong, not in the book: tid 2
        QCOMPARE(parts[4].count, 116);  // unseen
        QVERIFY(page.coverageText->text().contains(QStringLiteral("120")));
    }

    void enterOrAClickOnATopicPractisesIt()
    {
        answer(6, false, 5);
        StatsPage &page = openStats();
        QCOMPARE(page.pointList->topLevelItem(0)->text(0), QStringLiteral("超车"));
        page.pointList->setFocus();
        page.pointList->setCurrentItem(page.pointList->topLevelItem(0));
        QTest::keyClick(page.pointList, Qt::Key_Return);
        QCOMPARE(m_window->pages->currentIndex(), 0);
        QCOMPARE(m_window->view->count(), 3);
        QCOMPARE(m_window->view->currentQuestion()->tid, 5);
        QVERIFY(m_window->practising->text().contains(QStringLiteral("01002")));

        // A click on a chapter practises every question of it, once.
        openStats();
        QTreeWidgetItem *chapter = page.chapterList->topLevelItem(0);
        QCOMPARE(chapter->text(0), QStringLiteral("第01章"));
        int requests = 0;
        connect(&page, &StatsPage::practiseTopicRequested, this, [&requests] { ++requests; });
        const QPoint at = page.chapterList->visualItemRect(chapter).center();
        QTest::mouseClick(page.chapterList->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(requests, 1);
        QCOMPARE(m_window->pages->currentIndex(), 0);
        QCOMPARE(m_window->view->count(), 7);
    }

    void theReadinessLineShowsOnceThereIsEvidenceEnough()
    {
        for (int tid = 1; tid <= 99; ++tid)
            answer(tid, true, 2);
        StatsPage &page = openStats();
        // 198 answers over 99 questions: two more answers, one of them to a new question.
        QVERIFY(!page.readinessText->text().contains(QStringLiteral("合格概率约")));
        QVERIFY2(page.readinessText->text().contains(QStringLiteral(" 2 ")), qPrintable(page.readinessText->text()));
        m_window->pages->setCurrentIndex(0);
        answer(100, true, 2);
        openStats();
        QVERIFY2(page.readinessText->text().startsWith(QStringLiteral("下次模拟考试的合格概率约 ")),
                 qPrintable(page.readinessText->text()));
        QVERIFY(page.readinessText->text().contains(QStringLiteral("（区间 ")));
        QVERIFY(page.readinessText->text().endsWith(QStringLiteral("%）")));
    }

    void theScoresArePlottedPassedAndFailedApartWithThePassLine()
    {
        handIn(5, std::nullopt);
        handIn(20, std::nullopt);
        handIn(0, std::nullopt);
        StatsPage &page = openStats();
        QVERIFY(page.scoreChart->isVisibleTo(&page));
        QLineSeries *line = nullptr;
        QLineSeries *mark = nullptr;
        QScatterSeries *passed = nullptr;
        QScatterSeries *failed = nullptr;
        for (QAbstractSeries *series : page.scoreChart->chart()->series()) {
            if (auto *scatter = qobject_cast<QScatterSeries *>(series))
                (scatter->name() == QStringLiteral("合格") ? passed : failed) = scatter;
            else if (auto *l = qobject_cast<QLineSeries *>(series))
                (l->name().isEmpty() ? line : mark) = l;
        }
        QVERIFY(line && mark && passed && failed);
        // Oldest first along the line.
        QCOMPARE(line->count(), 3);
        QCOMPARE(line->at(0).y(), 95.0);
        QCOMPARE(line->at(1).y(), 80.0);
        QCOMPARE(line->at(2).y(), 100.0);
        QVERIFY(line->at(0).x() < line->at(1).x());
        QCOMPARE(passed->count(), 2);
        QCOMPARE(failed->count(), 1);
        QCOMPARE(failed->at(0).y(), 80.0);
        QVERIFY(passed->markerShape() != failed->markerShape());
        QVERIFY(passed->color() != failed->color());
        QCOMPARE(mark->at(0).y(), 90.0);
        QCOMPARE(mark->at(1).y(), 90.0);
        QVERIFY(mark->at(0).x() <= line->at(0).x() && mark->at(1).x() >= line->at(2).x());
    }

    void theCheckTellsWhetherTheForecastBeatsThePastPassRate_data()
    {
        QTest::addColumn<bool>("forecastRight");
        QTest::newRow("better") << true;
        QTest::newRow("worse") << false;
    }
    void theCheckTellsWhetherTheForecastBeatsThePastPassRate()
    {
        QFETCH(bool, forecastRight);
        // Pass, fail, pass, fail: the forecast either names each outcome or its opposite.
        for (int i = 0; i < 4; ++i) {
            const bool pass = i % 2 == 0;
            handIn(pass ? 2 : 30, pass == forecastRight ? 0.95 : 0.2);
        }
        handIn(0, std::nullopt);  // no stored chance: not checked
        StatsPage &page = openStats();
        QCOMPARE(column(page.checkTable, 1), (QStringList{"2", "0", "0", "2"}));
        if (forecastRight) {
            QCOMPARE(column(page.checkTable, 3), (QStringList{QStringLiteral("0（0%）"), QStringLiteral("—"),
                                                              QStringLiteral("—"), QStringLiteral("2（100%）")}));
            QVERIFY(page.checkVerdict->text().contains(QStringLiteral("预测比只看以往合格率准确")));
        } else {
            QCOMPARE(column(page.checkTable, 3), (QStringList{QStringLiteral("2（100%）"), QStringLiteral("—"),
                                                              QStringLiteral("—"), QStringLiteral("0（0%）")}));
            QVERIFY(page.checkVerdict->text().contains(QStringLiteral("预测不如以往合格率")));
        }
        QCOMPARE(page.checkTable->topLevelItem(3)->text(2), QStringLiteral("95%"));
    }

    void thePageIsReadWhenOpenedNotOnEveryChange()
    {
        StatsPage &page = openStats();
        QCOMPARE(page.coverageBar->parts()[3].count, 0);
        m_window->pages->setCurrentIndex(0);
        m_window->practise(study::PracticeMode::Sequential);
        m_window->view->answer(QStringLiteral("B"));
        // Still as it was opened; read again on the next opening.
        QCOMPARE(page.coverageBar->parts()[2].count, 0);
        openStats();
        QCOMPARE(page.coverageBar->parts()[2].count, 1);
    }

    void aBankChangeReplacesThePagesData()
    {
        answer(6, false, 5);
        StatsPage *before = &openStats();
        QCOMPARE(before->pointList->topLevelItem(0)->text(1), QStringLiteral("0%"));
        const QString otherId = QStringLiteral("/other/Dat/drvq.mdb");
        BankQuestions other = makeBank(30, QStringLiteral("另一题"));
        other.points.clear();
        m_window->setBank(otherId, other);
        StatsPage *after = m_window->statsPage();
        QVERIFY(after != before);
        QCOMPARE(after->bankId(), otherId);
        // Opened still, so read at once: the other bank has no answers and no keywords.
        QCOMPARE(m_window->pages->currentWidget()->findChild<StatsPage *>(), after);
        QCOMPARE(column(after->pointList, 0),
                 (QStringList{QStringLiteral("01001"), QStringLiteral("01002"), QStringLiteral("02001"), QStringLiteral("03001")}));
        QCOMPARE(column(after->pointList, 1), QStringList(4, QStringLiteral("作答太少")));
        QCOMPARE(after->coverageBar->parts().last().count, 30);
        QCOMPARE(column(after->chapterList, 0).at(1), QStringLiteral("第02章"));
    }
};

QTEST_MAIN(TestStatsPage)
#include "tst_statspage.moc"
