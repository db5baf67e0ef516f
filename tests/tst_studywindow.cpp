// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The study window over a small bank and a record in a temporary folder: what practice
// writes, the book and favourites pages, practice by topic, and a past paper reviewed as
// it was handed in without recording or drawing anything.
#include "drawnslot.h"
#include "examtestbank.h"

#include "exampaper.h"
#include "handin.h"
#include "pastpaper.h"
#include "practiceview.h"
#include "studywindow.h"

#include "tdm.h"
#include "tdxbutton.h"
#include "tfrm_ks_choose.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

using namespace practice;
using Mode = study::PracticeMode;

namespace {

// What the score window was shown with, read as it came up.
struct ScoreWindowSeen {
    int times = 0;
    int tag = 0;
    std::array<_Tk, ExamLength + 1> paper;
} scoreWindowSeen;

} // namespace

class TestStudyWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<TDm> m_dm;
    std::unique_ptr<TFrm_Ks_Choose> m_exam;
    BankQuestions m_bank;
    const QString m_bankId = QStringLiteral("/test/Dat/drvq.mdb");
    QDateTime m_now = QDateTime(QDate(2026, 11, 2), QTime(8, 0));
    std::unique_ptr<study::StudyRecord> m_record;
    std::unique_ptr<StudyWindow> m_window;
    QStringList m_notices;
    int m_recordNumber = 0;

    void newRecordAndWindow()
    {
        m_window.reset();
        m_record = std::make_unique<study::StudyRecord>(
            m_folder.filePath(QStringLiteral("record-%1/study.sqlite").arg(++m_recordNumber)), [this] { return m_now; });
        QVERIFY(m_record->isKept());
        reopenWindow();
    }

    void reopenWindow()
    {
        m_window = std::make_unique<StudyWindow>(*m_record);
        m_window->confirm = [](const QString &) { return true; };
        m_window->setBank(m_bankId, m_bank);
        m_window->show();
    }

    QStringList column(QTreeWidget *list, int c) const
    {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(c);
        return texts;
    }

    // Fills the exam paper with the bank's first 100 questions, `wrong` of them answered B.
    void fillPaper(int wrong)
    {
        for (int n = 1; n <= ExamLength; ++n) {
            ExamPaper[n] = examtest::drawnSlot(m_bank.questions[n - 1], n <= wrong ? QStringLiteral("B") : QStringLiteral("A"));
        }
    }

private slots:
    void initTestCase()
    {
        BankContent content = examtest::bank(110);
        content.questions[0].ZHISHIDIAN = "01001";
        content.questions[1].ZHISHIDIAN = "0100102001";
        content.questions[2].ZHISHIDIAN = "02001";
        content.knowledge.push_back({"01001", QStringLiteral("让行"), QStringLiteral("让行的规定"), 0});
        content.knowledge.push_back({"02001", QStringLiteral("信号灯"), QStringLiteral("信号灯的含义"), 0});
        examtest::writeBank(content, m_folder.path());
        m_dm = std::make_unique<TDm>();
        examtest::connect(*m_dm, m_folder.path());
        m_dm->ado_biaozhi->Open();
        m_bank = loadBankQuestions();
        m_exam = std::make_unique<TFrm_Ks_Choose>();
        setScoreWindowRunner([] {
            ++scoreWindowSeen.times;
            scoreWindowSeen.tag = Frm_Ks_Choose->Tag;
            scoreWindowSeen.paper = ExamPaper;
        });
        setNoticeShower([this](QWidget *, const QString &notice) { m_notices << notice; });
    }

    void init()
    {
        m_notices.clear();
        newRecordAndWindow();
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_record.reset();
        m_exam.reset();
        m_dm.reset();
    }

    void everyPracticeAnswerIsWrittenWithItsMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("sequential") << int(Mode::Sequential);
        QTest::newRow("random") << int(Mode::Random);
    }
    void everyPracticeAnswerIsWrittenWithItsMode()
    {
        QFETCH(int, mode);
        m_window->practise(Mode(mode));
        QCOMPARE(m_window->view->count(), 110);
        const BankQuestion first = *m_window->view->currentQuestion();
        m_window->view->answer(QStringLiteral("B"));  // every key is A: wrong
        m_window->view->next();
        m_window->view->answer(QStringLiteral("A"));
        const auto events = m_record->answerEvents(m_bankId);
        QCOMPARE(events.size(), 2);
        QCOMPARE(events[0].tid, first.tid);
        QVERIFY(!events[0].right);
        QVERIFY(events[1].right);
        QVERIFY(!events[0].inPaper);
        // The wrong one is in the book at once.
        const auto book = m_record->book(m_bankId);
        QCOMPARE(book.size(), 1);
        QCOMPARE(book.first().question, questionRef(m_bankId, first));
        QVERIFY2(m_notices.isEmpty(), qPrintable(m_notices.join(u'\n')));
    }

    void sequentialPracticeGoesOnWhereItStoppedInANewWindow()
    {
        m_window->practise(Mode::Sequential);
        QCOMPARE(m_window->view->currentQuestion()->tid, 1);
        for (int i = 0; i < 5; ++i)
            m_window->view->next();
        QCOMPARE(m_window->view->currentQuestion()->tid, 6);
        reopenWindow();
        m_window->practise(Mode::Sequential);
        QCOMPARE(m_window->view->currentQuestion()->tid, 6);
        // Random practice does not move it.
        m_window->practise(Mode::Random);
        m_window->view->next();
        m_window->practise(Mode::Sequential);
        QCOMPARE(m_window->view->currentQuestion()->tid, 6);
    }

    void theModeButtonsCountTheirQuestions()
    {
        m_window->practise(Mode::Sequential);
        m_window->view->answer(QStringLiteral("C"));
        m_window->view->next();
        m_window->view->favouriteButton->click();
        // The counts follow every answer and star at once.
        QCOMPARE(m_window->modeButtons[0]->Caption(), QStringLiteral("顺序练习（110 题）"));
        QCOMPARE(m_window->modeButtons[2]->Caption(), QStringLiteral("错题练习（1 题）"));
        QCOMPARE(m_window->modeButtons[3]->Caption(), QStringLiteral("收藏练习（1 题）"));
        // The favourites page shows the record as it is when it is opened.
        m_window->pages->setCurrentIndex(2);
        QCOMPARE(column(m_window->favouriteList, 0), QStringList{QStringLiteral("2")});
        m_window->practise(Mode::Favourites);
        QCOMPARE(m_window->view->count(), 1);
        QCOMPARE(m_window->view->currentQuestion()->tid, 2);
        QCOMPARE(m_window->view->favouriteButton->text(), QStringLiteral("取消收藏"));
    }

    void topicsPractiseTheirQuestionsAndChaptersAllOfTheirPoints_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("tids");
        QTest::newRow("one point") << "01001" << QList<int>{1, 2};
        QTest::newRow("another point") << "02001" << QList<int>{2, 3};
        QTest::newRow("a chapter") << "02" << QList<int>{2, 3};
        QTest::newRow("a point no question has") << "09009" << QList<int>{};
    }
    void topicsPractiseTheirQuestionsAndChaptersAllOfTheirPoints()
    {
        QFETCH(QString, code);
        QFETCH(QList<int>, tids);
        m_window->practiseTopic(code);
        QList<int> shown;
        for (int i = 0; i < m_window->view->count(); ++i) {
            shown << m_window->view->currentQuestion()->tid;
            m_window->view->next();
        }
        QCOMPARE(shown, tids);
    }

    void theTopicListGroupsByChapterWithTheShareRight()
    {
        m_window->practiseTopic(QStringLiteral("01001"));
        m_window->view->answer(QStringLiteral("A"));  // tid 1 right
        m_window->view->next();
        m_window->view->answer(QStringLiteral("B"));  // tid 2 wrong
        m_window->refresh();
        QTreeWidget *topics = m_window->topicList;
        QCOMPARE(topics->topLevelItemCount(), 2);
        QTreeWidgetItem *chapter = topics->topLevelItem(0);
        QCOMPARE(chapter->childCount(), 1);
        QCOMPARE(chapter->child(0)->text(0), QStringLiteral("01001 让行"));
        QCOMPARE(chapter->child(0)->text(1), QStringLiteral("2"));
        QCOMPARE(chapter->child(0)->text(2), QStringLiteral("50%（2 次）"));
        QCOMPARE(topics->topLevelItem(1)->child(0)->text(2), QStringLiteral("0%（1 次）"));
        // Activating a topic practises it.
        topics->setCurrentItem(topics->topLevelItem(1)->child(0));
        emit topics->itemActivated(topics->currentItem(), 0);
        QCOMPARE(m_window->view->count(), 2);
        QCOMPARE(m_window->practising->text(), QStringLiteral("专项练习：02001 信号灯"));
    }

    void theBookShowsDueQuestionsFirstAndLetsOneBeTakenOut()
    {
        m_window->practise(Mode::Sequential);
        m_window->view->answer(QStringLiteral("B"));  // tid 1 wrong now
        m_now = m_now.addDays(2);
        m_window->view->next();
        m_window->view->answer(QStringLiteral("B"));  // tid 2 wrong two days later
        m_window->refresh();
        QCOMPARE(column(m_window->bookList, 0), (QStringList{"1", "2"}));
        QCOMPARE(m_window->bookList->topLevelItem(0)->text(1), QStringLiteral("已到期"));
        QCOMPARE(m_window->bookList->topLevelItem(1)->text(1), m_now.addDays(1).toString("yyyy-MM-dd HH:mm"));
        m_window->bookList->setCurrentItem(m_window->bookList->topLevelItem(0));
        m_window->removeFromBookButton->click();
        QCOMPARE(column(m_window->bookList, 0), QStringList{"2"});
        QCOMPARE(m_record->book(m_bankId).size(), 1);
    }

    void masteredQuestionsCanBePractisedAndEmptied()
    {
        m_window->practise(Mode::Sequential);
        m_window->view->answer(QStringLiteral("B"));
        // Right at three successive steps, each when due.
        for (int days : {1, 3, 7}) {
            m_now = m_now.addDays(days);
            m_window->practise(Mode::WrongBook);
            QCOMPARE(m_window->view->count(), 1);
            m_window->view->answer(QStringLiteral("A"));
        }
        m_window->refresh();
        QCOMPARE(m_window->bookList->topLevelItemCount(), 0);
        QCOMPARE(column(m_window->masteredList, 0), QStringList{"1"});
        m_window->practiseMasteredButton->click();
        QCOMPARE(m_window->view->count(), 1);
        QCOMPARE(m_window->view->currentQuestion()->tid, 1);
        m_window->clearMasteredButton->click();
        QCOMPARE(m_window->masteredList->topLevelItemCount(), 0);
        QVERIFY(m_record->mastered(m_bankId).isEmpty());
        // The answers stay on record.
        QCOMPARE(m_record->answerEvents(m_bankId).size(), 4);
    }

    void aPastPaperIsReviewedAsHandedInAndNothingIsRecordedOrDrawn()
    {
        fillPaper(12);
        recordHandedInPaper(*m_record, m_bankId, {}, m_now, 1200, nullptr);
        m_window->refresh();
        QCOMPARE(m_window->paperList->topLevelItemCount(), 1);
        QTreeWidgetItem *row = m_window->paperList->topLevelItem(0);
        QCOMPARE(row->text(1), QStringLiteral("88 / 100"));
        QCOMPARE(row->text(2), QStringLiteral("不合格"));
        QCOMPARE(row->text(3), QStringLiteral("20:00"));
        QCOMPARE(row->text(4), QStringLiteral("12"));
        const int answersBefore = int(m_record->answerEvents(m_bankId).size());

        // Another paper on display meanwhile: the past one replaces it for the review.
        fillPaper(0);
        const int seenBefore = scoreWindowSeen.times;
        emit m_window->paperList->itemActivated(row, 0);
        QCOMPARE(scoreWindowSeen.times, seenBefore + 1);
        QCOMPARE(scoreWindowSeen.tag, 1);  // the exam window draws nothing when it opens
        for (int n = 1; n <= ExamLength; ++n) {
            const _Tk &slot = scoreWindowSeen.paper[n];
            QCOMPARE(slot.QuestionId, n);
            QCOMPARE(slot.GivenAnswer, n <= 12 ? QStringLiteral("B") : QStringLiteral("A"));
            QCOMPARE(slot.QuestionText, m_bank.questions[n - 1].question);
        }
        // The papers are listed newest first.
        fillPaper(0);
        recordHandedInPaper(*m_record, m_bankId, {}, m_now.addDays(1), 900, nullptr);
        m_window->refresh();
        QCOMPARE(m_window->paperList->topLevelItemCount(), 2);
        QCOMPARE(m_window->paperList->topLevelItem(0)->text(2), QStringLiteral("合格"));
        QCOMPARE(m_window->paperList->topLevelItem(1)->text(1), QStringLiteral("88 / 100"));
        // The clock shows what was left at the hand-in: 20 of 45 minutes used.
        QCOMPARE(m_exam->Lbl_Minute->text(), QStringLiteral("25"));
        QCOMPARE(m_exam->Lbl_Second->text(), QStringLiteral("00"));
        const auto *box = m_exam->findChild<QLineEdit *>(QStringLiteral("Edit5"));
        QCOMPARE(box->text(), QStringLiteral("B"));
        QCOMPARE(scoreWindowSeen.paper[1].AnalysisText, m_bank.questions[0].analysis);
        QCOMPARE(scoreWindowSeen.paper[1].KnowledgeCount, 1);
        QCOMPARE(scoreWindowSeen.paper[1].KnowledgeTexts[0], QStringLiteral("让行\r\n让行的规定"));
        QCOMPARE(m_record->papers(m_bankId).size(), 2);
        QCOMPARE(int(m_record->answerEvents(m_bankId).size()), answersBefore + 100);
        QVERIFY2(m_notices.isEmpty(), qPrintable(m_notices.join(u'\n')));
    }

    void aQuestionTheBankChangedShowsItsRecordedAnswerAndKey()
    {
        fillPaper(3);
        ExamPaper[2].QuestionText += QStringLiteral("（旧版）");  // the bank holds it changed now
        ExamPaper[4].QuestionId = 9999;                          // the bank no longer holds it
        ExamPaper[4].CorrectKey = QStringLiteral("C");
        recordHandedInPaper(*m_record, m_bankId, {}, m_now, 600, nullptr);
        const auto paper = m_record->paper(m_record->papers(m_bankId).first().id);
        QVERIFY(paper);
        QCOMPARE(loadPastPaper(*paper, m_bank, m_bankId), 2);
        QCOMPARE(ExamPaper[1].QuestionText, m_bank.questions[0].question);
        for (int n : {2, 4}) {
            QCOMPARE(ExamPaper[n].QuestionText, QStringLiteral("本题已从题库中删除或修改"));
            QVERIFY(ExamPaper[n].ChoiceA.isEmpty());
            QVERIFY(ExamPaper[n].SignName.isEmpty());
        }
        QCOMPARE(ExamPaper[2].GivenAnswer, QStringLiteral("B"));
        QCOMPARE(ExamPaper[2].CorrectKey, QStringLiteral("A"));
        QCOMPARE(ExamPaper[4].CorrectKey, QStringLiteral("C"));
        QCOMPARE(ExamPaper[4].QuestionId, 9999);
    }

    void aPastPaperIsRefusedWhileAnExamIsAnswered()
    {
        fillPaper(0);
        recordHandedInPaper(*m_record, m_bankId, {}, m_now, 600, nullptr);
        m_window->refresh();
        fillPaper(50);
        const auto answering = ExamPaper;
        m_exam->Tag = 1;  // a paper in place: showing draws nothing
        SetReviewMode(false);
        m_exam->show();
        QVERIFY(examInProgress());
        const int seenBefore = scoreWindowSeen.times;
        m_window->openPaperButton->click();
        QCOMPARE(scoreWindowSeen.times, seenBefore);
        QCOMPARE(m_notices.size(), 1);
        for (int n = 1; n <= ExamLength; ++n)
            QCOMPARE(ExamPaper[n].GivenAnswer, answering[n].GivenAnswer);
        m_exam->Timer1->stop();
        m_exam->hide();
        m_exam->Tag = 0;
    }
};

QTEST_MAIN(TestStudyWindow)
#include "tst_studywindow.moc"
