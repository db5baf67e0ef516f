// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Practising one question: the answer judged at once, the feedback, moving on by keys.
#include "examtestbank.h"

#include "practiceview.h"

#include "tapplication.h"
#include "tdm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace practice;

class TestPracticeView : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<TDm> m_dm;
    BankQuestions m_bank;
    std::unique_ptr<PracticeView> m_view;

    void practiseAll()
    {
        QList<const BankQuestion *> all;
        for (const BankQuestion &q : m_bank.questions)
            all << &q;
        m_view->setQuestions(m_bank, all);
    }

private slots:
    void initTestCase()
    {
        BankContent content = examtest::bank(4);
        content.questions[1].ANSWER_C.clear();  // tid 2: two choices
        content.questions[1].Key = "B";
        content.questions[0].ZHISHIDIAN = "01001";
        content.knowledge.push_back({"01001", QStringLiteral("让行"), QStringLiteral("让行的规定"), 0});
        examtest::writeBank(content, m_folder.path());
        m_dm = std::make_unique<TDm>();
        examtest::connect(*m_dm, m_folder.path());
        m_dm->ado_biaozhi->Open();
        m_bank = loadBankQuestions();
        m_view = std::make_unique<PracticeView>();
        m_view->resize(640, 480);
        m_view->show();
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    }

    void init() { practiseAll(); }

    void cleanupTestCase()
    {
        m_view.reset();
        m_dm.reset();
    }

    void anAnswerIsJudgedAndExplainedAtOnce_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("right") << "A" << true << QStringLiteral("回答正确");
        QTest::newRow("wrong") << "C" << false << QStringLiteral("回答错误，正确答案是 A");
    }
    void anAnswerIsJudgedAndExplainedAtOnce()
    {
        QFETCH(QString, letter);
        QFETCH(bool, right);
        QFETCH(QString, verdict);
        QSignalSpy answers(m_view.get(), &PracticeView::answered);
        QVERIFY(m_view->verdict->text().isEmpty());
        const int chosen = letter.at(0).toLatin1() - 'A';
        QTest::mouseClick(m_view->answerButtons[chosen], Qt::LeftButton);
        QCOMPARE(answers.count(), 1);
        QCOMPARE(answers.at(0).at(1).toString(), letter);
        QCOMPARE(answers.at(0).at(2).toBool(), right);
        QCOMPARE(m_view->verdict->text(), verdict);
        QCOMPARE(m_view->choiceTexts[0]->property("mark").toString(), QStringLiteral("right"));
        QCOMPARE(m_view->choiceTexts[chosen]->property("mark").toString(), right ? "right" : "wrong");
        QVERIFY(m_view->explanation->toPlainText().contains(QStringLiteral("评析1")));
        QVERIFY(m_view->explanation->toPlainText().contains(QStringLiteral("让行的规定")));
        QCOMPARE(m_view->progress->text(),
                 right ? QStringLiteral("第 1 / 4 题　答对 1　答错 0") : QStringLiteral("第 1 / 4 题　答对 0　答错 1"));
        // A second answer to the same question counts for nothing.
        m_view->answer(QStringLiteral("B"));
        QCOMPARE(answers.count(), 1);
    }

    void aQuestionWithTwoChoicesOffersNoC()
    {
        m_view->next();
        QCOMPARE(m_view->currentQuestion()->tid, 2);
        QVERIFY(m_view->answerButtons[2]->isHidden());
        QSignalSpy answers(m_view.get(), &PracticeView::answered);
        m_view->answer(QStringLiteral("C"));
        QCOMPARE(answers.count(), 0);
        m_view->answer(QStringLiteral("B"));
        QCOMPARE(m_view->verdict->text(), QStringLiteral("回答正确"));
    }

    void keysMoveAndEnterMovesOnOnlyAfterAnAnswer()
    {
        m_view->questionText->setFocus();
        QTest::keyClick(m_view->questionText, Qt::Key_Right);
        QCOMPARE(m_view->currentIndex(), 1);
        QTest::keyClick(m_view->questionText, Qt::Key_Left);
        QCOMPARE(m_view->currentIndex(), 0);
        QTest::keyClick(m_view->questionText, Qt::Key_Left);  // nothing before the first
        QCOMPARE(m_view->currentIndex(), 0);
        m_view->answer(QStringLiteral("A"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_view->currentIndex(), 1);
        // Back to an answered question: its feedback is shown again, its answer kept.
        m_view->previous();
        QCOMPARE(m_view->verdict->text(), QStringLiteral("回答正确"));
        QVERIFY(!m_view->answerButtons[0]->isEnabled());
    }

    void theStarFollowsTheLookup()
    {
        QSet<qint32> starred{1};
        m_view->setFavouriteLookup([&starred](const BankQuestion &q) { return starred.contains(q.tid); });
        QCOMPARE(m_view->favouriteButton->text(), QStringLiteral("取消收藏"));
        QSignalSpy toggles(m_view.get(), &PracticeView::favouriteToggled);
        connect(m_view.get(), &PracticeView::favouriteToggled, this,
                [&starred](const BankQuestion &q, bool on) { on ? void(starred.insert(q.tid)) : void(starred.remove(q.tid)); });
        QTest::mouseClick(m_view->favouriteButton, Qt::LeftButton);
        QCOMPARE(toggles.at(0).at(1).toBool(), false);
        QCOMPARE(m_view->favouriteButton->text(), QStringLiteral("收藏"));
        m_view->setFavouriteLookup({});
        disconnect(m_view.get(), &PracticeView::favouriteToggled, this, nullptr);
    }

    void anEmptyListOffersNothingToAnswer()
    {
        m_view->setQuestions(m_bank, {});
        QCOMPARE(m_view->progress->text(), QStringLiteral("第 0 / 0 题　答对 0　答错 0"));
        QVERIFY(!m_view->answerButtons[0]->isEnabled());
        m_view->answer(QStringLiteral("A"));  // no crash, nothing sent
        m_view->next();
        QCOMPARE(m_view->currentIndex(), 0);
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestPracticeView test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_practiceview.moc"
