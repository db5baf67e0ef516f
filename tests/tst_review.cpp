// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Review in the exam window: the analysis and the knowledge points of the question on display.
#include "examstart.h"
#include "examtestbank.h"

#include "exampaper.h"
#include "tfrm_ks_choose.h"

#include "exceptionreporter.h"
#include "findbyname.h"
#include "tapplication.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString NoPoints = QStringLiteral("本题没有相应的知识点解释");

// Question tid gets `count` knowledge points, "要点<tid>-<i>" with the explanation "说明<tid>-<i>".
void addPoints(BankContent &content, qint32 tid, int count)
{
    QString codes;
    for (int i = 1; i <= count; ++i) {
        const QString recno = QStringLiteral("K%1%2").arg(tid, 2, 10, QLatin1Char('0')).arg(i, 2, 10, QLatin1Char('0'));
        codes += recno;
        content.knowledge.push_back(
            {recno, QStringLiteral("要点%1-%2").arg(tid).arg(i), QStringLiteral("说明%1-%2").arg(tid).arg(i)});
    }
    content.questions[std::size_t(tid - 1)].ZHISHIDIAN = codes;
}

int slotOf(qint32 tid)
{
    for (int n = 1; n <= ExamLength; ++n) {
        if (ExamPaper[n].QuestionId == tid)
            return n;
    }
    qFatal("question %d was not drawn", tid);
}

} // namespace

class TestReview : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<TDm> m_dm;
    std::unique_ptr<TFrm_Ks_Choose> m_window;
    QStringList m_reported;

    // Shows question tid in review the way the score window does: its page, then its number.
    void review(qint32 tid)
    {
        const int n = slotOf(tid);
        m_window->setActivePage((n - 1) / 20);
        QTest::mouseClick(qobject_cast<QPushButton *>(findComponent(m_window.get(), QStringLiteral("BitBtn%1").arg(n))),
                          Qt::LeftButton);
        QCOMPARE(CurrentNo, n);
    }

    void pressKnowledge() { QTest::mouseClick(m_window->Btn_ZhiShiDian, Qt::LeftButton); }

    // The memo shows point `index` of question tid.
    void verifyShowsPoint(qint32 tid, int index)
    {
        const QString text = m_window->Mem_Analysis->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("要点%1-%2").arg(tid).arg(index)), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("说明%1-%2").arg(tid).arg(index)), qPrintable(text));
    }

private slots:
    void initTestCase()
    {
        // All hundred questions make up the paper, so every one of them is drawn.
        BankContent content = examtest::bank(ExamLength);
        addPoints(content, 1, 3);
        addPoints(content, 3, 1);
        addPoints(content, 4, 2);
        addPoints(content, 5, 10);
        examtest::writeBank(content, m_folder.path());
        setExceptionReporter([this](const QString &message) { m_reported << message; });
        setScoreWindowRunner([] {});
        m_dm = std::make_unique<TDm>();
        examtest::connect(*m_dm, m_folder.path());
        m_window = std::make_unique<TFrm_Ks_Choose>();
    }

    void init()
    {
        m_reported.clear();
        examtest::startExam(*m_window);
        SetReviewMode(true);
        m_window->show();
    }

    void cleanup() { QVERIFY2(m_reported.isEmpty(), qPrintable(m_reported.join('\n'))); }

    void cleanupTestCase()
    {
        m_window.reset();
        m_dm.reset();
    }

    void eachPressShowsTheNextPointStartingWithTheSecond_data()
    {
        QTest::addColumn<int>("tid");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("three points") << 1 << "共有'3'个知识点" << QList<int>{2, 3, 1, 2, 3, 1};
        QTest::newRow("two points") << 4 << "共有'2'个知识点" << QList<int>{2, 1, 2};
        QTest::newRow("one point") << 3 << "共有'1'个知识点" << QList<int>{1, 1, 1};
        QTest::newRow("ten points") << 5 << "共有'10'个知识点" << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 1};
    }
    void eachPressShowsTheNextPointStartingWithTheSecond()
    {
        QFETCH(int, tid);
        QFETCH(QString, count);
        QFETCH(QList<int>, shown);
        review(tid);
        QCOMPARE(m_window->Mem_Analysis->toPlainText(), ExamPaper[CurrentNo].AnalysisText);
        for (int index : shown) {
            pressKnowledge();
            QVERIFY(m_window->Lbl_count->isVisible());
            QVERIFY(m_window->Lbl_Ip->isVisible());
            QCOMPARE(m_window->Lbl_count->text(), count);
            QVERIFY(m_window->Lbl_count->fontMetrics().horizontalAdvance(count) <= m_window->Lbl_count->width());
            QCOMPARE(m_window->Lbl_Ip->text(), QString::number(index));
            verifyShowsPoint(tid, index);
        }
    }

    void theCycleGoesOnAfterLeavingAndComingBack()
    {
        review(1);
        pressKnowledge();
        QCOMPARE(m_window->Lbl_Ip->text(), QStringLiteral("2"));
        review(2);
        // Another question leaves the labels as they were and shows its analysis.
        QCOMPARE(m_window->Lbl_Ip->text(), QStringLiteral("2"));
        QVERIFY(m_window->Lbl_Ip->isVisible());
        QCOMPARE(m_window->Mem_Analysis->toPlainText(), QStringLiteral("评析2"));
        review(1);
        QCOMPARE(m_window->Mem_Analysis->toPlainText(), QStringLiteral("评析1"));
        pressKnowledge();
        QCOMPARE(m_window->Lbl_Ip->text(), QStringLiteral("3"));
        verifyShowsPoint(1, 3);

        // Leaving the window with "退出" and coming back from the score window changes nothing either.
        QTest::mouseClick(m_window->Btn_Close, Qt::LeftButton);
        m_window->show();
        review(1);
        pressKnowledge();
        verifyShowsPoint(1, 1);
    }

    void aQuestionWithoutPointsSaysSoAndTheAnalysisComesBack()
    {
        review(1);
        pressKnowledge();
        review(2);
        pressKnowledge();
        QCOMPARE(m_window->Mem_Analysis->toPlainText(), NoPoints);
        QVERIFY(m_window->Lbl_count->isHidden());
        QVERIFY(m_window->Lbl_Ip->isHidden());
        QCOMPARE(ExamPaper[CurrentNo].KnowledgeIndex, 0);

        QTest::mouseClick(m_window->Btn_Analysis, Qt::LeftButton);
        QCOMPARE(m_window->Mem_Analysis->toPlainText(), QStringLiteral("评析2"));
        QVERIFY(m_window->Lbl_count->isHidden());

        // The labels come back with the next question that has points.
        review(4);
        pressKnowledge();
        QVERIFY(m_window->Lbl_count->isVisible());
        QCOMPARE(m_window->Lbl_count->text(), QStringLiteral("共有'2'个知识点"));
        QTest::mouseClick(m_window->Btn_Analysis, Qt::LeftButton);
        QCOMPARE(m_window->Mem_Analysis->toPlainText(), QStringLiteral("评析4"));
    }

    void aNewPaperStartsEveryCycleAgain()
    {
        review(1);
        pressKnowledge();
        pressKnowledge();
        QCOMPARE(m_window->Lbl_Ip->text(), QStringLiteral("3"));
        init();  // the next exam
        review(1);
        pressKnowledge();
        QCOMPARE(m_window->Lbl_Ip->text(), QStringLiteral("2"));
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestReview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_review.moc"
