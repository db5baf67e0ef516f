// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exam window in answering and review mode, driven by its controls' names.
#include "examstart.h"
#include "examtestbank.h"

#include "exampaper.h"
#include "tfrm_ks_choose.h"

#include "exceptionreporter.h"
#include "findbyname.h"
#include "tapplication.h"
#include "winstyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

class TestExamWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<TDm> m_dm;
    std::unique_ptr<TFrm_Ks_Choose> m_window;
    QStringList m_reported;

    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        return qobject_cast<T *>(findComponent(m_window.get(), name));
    }
    QPushButton *numberButton(int n) const { return control<QPushButton>(QStringLiteral("BitBtn%1").arg(n)); }
    QLineEdit *answerBox(int n) const { return control<QLineEdit>(QStringLiteral("Edit%1").arg(n)); }

    void clickTab(int index)
    {
        QTabBar *bar = m_window->PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    // Makes question n current the way the trainee does: its page's tab, then its number.
    void goTo(int n)
    {
        const int page = (n - 1) / 20;
        if (m_window->PageControl1->currentIndex() != page)
            clickTab(page);
        QTest::mouseClick(numberButton(n), Qt::LeftButton);
        QCOMPARE(CurrentNo, n);
    }

    QList<int> redButtons() const
    {
        QList<int> red;
        for (int n = 1; n <= ExamLength; ++n) {
            if (fontColor(numberButton(n)) == clRed)
                red << n;
        }
        return red;
    }

    void startExam()
    {
        examtest::startExam(*m_window);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->Tag, 1);
    }

private slots:
    void initTestCase()
    {
        examtest::writeBank(examtest::bank(150), m_folder.path());
        setExceptionReporter([this](const QString &message) { m_reported << message; });
        // A hand-in here stops at the exam window; the score window has tests of its own.
        setScoreWindowRunner([] {});
        m_dm = std::make_unique<TDm>();
        examtest::connect(*m_dm, m_folder.path());
        m_window = std::make_unique<TFrm_Ks_Choose>();
    }

    void init()
    {
        m_reported.clear();
        startExam();
    }

    void cleanup() { QVERIFY2(m_reported.isEmpty(), qPrintable(m_reported.join('\n'))); }

    void cleanupTestCase()
    {
        m_window.reset();
        m_dm.reset();
    }

    void theWindowIsSizedFromItsPanel()
    {
        QCOMPARE(m_window->size(), QSize(654, 490));
        QCOMPARE(m_window->PanelBkGnd->geometry(), QRect(10, 50, 634, 430));
        QCOMPARE(m_window->PageControl1->count(), 5);
        // Each tab names the first and last question its page holds, so no question
        // appears to be on two pages.
        for (int i = 0; i < 5; ++i) {
            const QRegularExpressionMatch range =
                QRegularExpression(QStringLiteral("^（(\\d+)-(\\d+)）$")).match(m_window->PageControl1->tabText(i));
            QVERIFY2(range.hasMatch(), qPrintable(m_window->PageControl1->tabText(i)));
            QCOMPARE(numberButton(range.captured(1).toInt())->parentWidget(), m_window->TabSheet[i]);
            QCOMPARE(numberButton(range.captured(2).toInt())->parentWidget(), m_window->TabSheet[i]);
            QCOMPARE(range.captured(2).toInt() - range.captured(1).toInt() + 1, 20);
        }
        // Each page holds its twenty numbers, each answer box right under its button.
        for (int n = 1; n <= ExamLength; ++n) {
            QWidget *page = m_window->TabSheet[(n - 1) / 20];
            QCOMPARE(numberButton(n)->parentWidget(), page);
            QCOMPARE(answerBox(n)->parentWidget(), page);
            QCOMPARE(answerBox(n)->x(), numberButton(n)->x());
            QVERIFY(answerBox(n)->y() >= numberButton(n)->geometry().bottom());
            QVERIFY(!answerBox(n)->isEnabled());
        }
    }

    void anExamBeginsOnQuestionOne()
    {
        QCOMPARE(m_window->PageControl1->currentIndex(), 0);
        QCOMPARE(CurrentNo, 1);
        QCOMPARE(CurrentAnswerBox, answerBox(1));
        QCOMPARE(CurrentNumberButton, numberButton(1));
        QCOMPARE(redButtons(), QList<int>{1});
        QCOMPARE(m_window->Edt_Tm->toPlainText(), ExamPaper[1].QuestionText);
        QCOMPARE(m_window->Edt_Tm->toolTip(), QString::number(ExamPaper[1].QuestionId));
        QCOMPARE(m_window->Edt_Ans_A->text(), ExamPaper[1].ChoiceA);
        QVERIFY(m_window->Timer1->isActive());
        QCOMPARE(MinutesLeft, 45);
        QCOMPARE(SecondsLeft, 0);
    }

    void theNumberComesFromTheNameNotTheCaption()
    {
        clickTab(1);
        numberButton(27)->setText(QStringLiteral("99"));
        QTest::mouseClick(numberButton(27), Qt::LeftButton);
        numberButton(27)->setText(QStringLiteral("27"));
        QCOMPARE(CurrentNo, 27);
        QCOMPARE(m_window->Edt_Tm->toPlainText(), ExamPaper[27].QuestionText);
    }

    void answeringMovesOnAndTurnsThePage_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("next");
        QTest::newRow("7") << 7 << 0 << 8;
        QTest::newRow("20") << 20 << 1 << 21;
        QTest::newRow("40") << 40 << 2 << 41;
        QTest::newRow("60") << 60 << 3 << 61;
        QTest::newRow("80") << 80 << 4 << 81;
        QTest::newRow("99") << 99 << 4 << 100;
        QTest::newRow("100") << 100 << 0 << 1;
    }
    void answeringMovesOnAndTurnsThePage()
    {
        QFETCH(int, question);
        QFETCH(int, page);
        QFETCH(int, next);
        goTo(question);
        QTest::mouseClick(m_window->Btn_Ans_B, Qt::LeftButton);
        QCOMPARE(answerBox(question)->text(), QStringLiteral("B"));
        QCOMPARE(ExamPaper[question].GivenAnswer, QStringLiteral("B"));
        QCOMPARE(m_window->PageControl1->currentIndex(), page);
        QCOMPARE(CurrentNo, next);
        QCOMPARE(m_window->Edt_Tm->toPlainText(), ExamPaper[next].QuestionText);
        QCOMPARE(redButtons(), QList<int>{next});
    }

    void answeringAgainReplacesTheAnswer()
    {
        goTo(5);
        QTest::mouseClick(m_window->Btn_Ans_A, Qt::LeftButton);
        goTo(5);
        QTest::mouseClick(m_window->Btn_Ans_C, Qt::LeftButton);
        QCOMPARE(answerBox(5)->text(), QStringLiteral("C"));
        QCOMPARE(ExamPaper[5].GivenAnswer, QStringLiteral("C"));
    }

    void theAnswerKeysAnswer()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(ExamPaper[1].GivenAnswer, QStringLiteral("C"));  // an access key clicks after a short press
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(ExamPaper[2].GivenAnswer, QStringLiteral("A"));
        QCOMPARE(CurrentNo, 3);
    }

    void choiceCIsOfferedOnlyWhenThereIsOne_data()
    {
        QTest::addColumn<QString>("choiceC");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("control characters") << "\t\r\n";
    }
    void choiceCIsOfferedOnlyWhenThereIsOne()
    {
        QFETCH(QString, choiceC);
        ExamPaper[8].ChoiceC = choiceC;
        goTo(8);
        QVERIFY(m_window->Btn_Ans_C->isHidden());
        QVERIFY(m_window->Edt_Ans_C->isHidden());
        QVERIFY(!m_window->Btn_Ans_A->isHidden());
        QVERIFY(!m_window->Edt_Ans_B->isHidden());
        QTest::mouseClick(m_window->Btn_Ans_A, Qt::LeftButton);  // question 9 has a choice C
        QVERIFY(!m_window->Btn_Ans_C->isHidden());
        QVERIFY(!m_window->Edt_Ans_C->isHidden());
        QCOMPARE(m_window->Edt_Ans_C->text(), ExamPaper[9].ChoiceC);
    }

    void theCheckMarkSitsOnTheCorrectRow_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("row");  // the row of the mark after showing that key
        QTest::newRow("A") << "A" << "Edt_Ans_A";
        QTest::newRow("C") << "C" << "Edt_Ans_C";
        QTest::newRow("lower case keeps the row") << "c" << "Edt_Ans_B";
        QTest::newRow("a blank keeps the row") << " A" << "Edt_Ans_B";
        QTest::newRow("empty keeps the row") << "" << "Edt_Ans_B";
    }
    void theCheckMarkSitsOnTheCorrectRow()
    {
        QFETCH(QString, key);
        QFETCH(QString, row);
        ExamPaper[11].CorrectKey = QStringLiteral("B");
        ExamPaper[12].CorrectKey = key;
        goTo(11);
        goTo(12);
        const QLineEdit *box = control<QLineEdit>(row);
        QCOMPARE(m_window->Img_DuiHao->y(), box->y());
        QCOMPARE(m_window->Img_DuiHao->x(), box->x() + box->width());
    }

    void onlyTheCurrentNumberIsRed()
    {
        goTo(3);
        goTo(64);
        QCOMPARE(redButtons(), QList<int>{64});
        QTest::mouseClick(m_window->Btn_Close, Qt::LeftButton);
        QVERIFY(redButtons().isEmpty());
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_window->Timer1->isActive());  // leaving the window does not stop the clock
    }

    void aTabShowsThePagesFirstQuestionAndCodeDoesNot()
    {
        goTo(5);
        m_window->setActivePage(2);
        QCOMPARE(CurrentNo, 5);
        clickTab(3);
        QCOMPARE(CurrentNo, 61);
        clickTab(3);  // the active page again: nothing
        QCOMPARE(CurrentNo, 61);
        SetReviewMode(true);
        m_window->show();
        clickTab(4);
        QCOMPARE(CurrentNo, 81);
        QCOMPARE(m_window->Mem_Analysis->toPlainText(), ExamPaper[81].AnalysisText);
    }

    void theClockCountsDownAndHandsInAfterZero()
    {
        m_window->Timer1Timer(m_window->Timer1);
        QCOMPARE(m_window->Lbl_Minute->text(), QStringLiteral("44"));
        QCOMPARE(m_window->Lbl_Second->text(), QStringLiteral("59"));
        for (int tick = 2; tick <= 2691; ++tick)
            m_window->Timer1Timer(m_window->Timer1);
        QCOMPARE(m_window->Lbl_Minute->text(), QStringLiteral("00"));
        QCOMPARE(m_window->Lbl_Second->text(), QStringLiteral("09"));
        for (int tick = 2692; tick <= 2700; ++tick)
            m_window->Timer1Timer(m_window->Timer1);
        QCOMPARE(m_window->Lbl_Minute->text(), QStringLiteral("00"));
        QCOMPARE(m_window->Lbl_Second->text(), QStringLiteral("00"));
        QVERIFY(m_window->Btn_ping->isEnabled());
        QVERIFY(m_window->isVisible());

        m_window->Timer1Timer(m_window->Timer1);  // tick 2701
        QVERIFY(!m_window->Btn_ping->isEnabled());
        QVERIFY(!m_window->Timer1->isActive());
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_window->Lbl_Minute->text(), QStringLiteral("00"));
        QCOMPARE(m_window->Lbl_Second->text(), QStringLiteral("00"));
    }

    void aHandInIsToldOnceWithThePaperBeforeTheScoreWindow_data()
    {
        QTest::addColumn<bool>("timeOut");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("secondsUsed");
        QTest::newRow("交卷 after 70 seconds") << false << 70 << 70;
        QTest::newRow("交卷 at once") << false << 0 << 0;
        QTest::newRow("time out") << true << 2701 << 2700;
    }
    void aHandInIsToldOnceWithThePaperBeforeTheScoreWindow()
    {
        QFETCH(bool, timeOut);
        QFETCH(int, ticks);
        QFETCH(int, secondsUsed);
        static int toldBeforeScoreWindow;
        static int told;
        toldBeforeScoreWindow = -1;
        told = 0;
        setScoreWindowRunner([] {
            if (toldBeforeScoreWindow < 0)
                toldBeforeScoreWindow = told;
        });
        QList<QString> answersWhenTold;
        QList<int> seconds;
        QDateTime startedAt;
        const QDateTime before = m_window->answeringBegan();
        auto connection = connect(m_window.get(), &TFrm_Ks_Choose::paperHandedIn, this,
                                  [&](const QDateTime &at, int used) {
                                      ++told;
                                      startedAt = at;
                                      seconds << used;
                                      answersWhenTold << ExamPaper[1].GivenAnswer;
                                  });
        QTest::mouseClick(m_window->Btn_Ans_B, Qt::LeftButton);
        for (int tick = 0; tick < ticks; ++tick)
            m_window->Timer1Timer(m_window->Timer1);
        if (!timeOut)
            QTest::mouseClick(m_window->Btn_ping, Qt::LeftButton);
        // A past paper reviewed through the same mode is no hand-in.
        SetReviewMode(true);
        disconnect(connection);
        setScoreWindowRunner([] {});

        QCOMPARE(told, 1);
        QCOMPARE(toldBeforeScoreWindow, 1);
        QCOMPARE(seconds, QList<int>{secondsUsed});
        QCOMPARE(answersWhenTold, QList<QString>{QStringLiteral("B")});
        QVERIFY(startedAt.isValid());
        QCOMPARE(startedAt, before);
    }

    void reviewModeSwitchesTheControls()
    {
        QTest::mouseClick(m_window->Btn_ping, Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        QVERIFY(!m_window->Timer1->isActive());
        m_window->show();  // brought back for review: nothing is drawn
        QCOMPARE(m_window->Tag, 1);
        const QList<QWidget *> reviewOnly{m_window->Btn_ZhiShiDian, m_window->Btn_Analysis, m_window->Mem_Analysis,
                                          m_window->Lbl_count, m_window->Lbl_Ip, m_window->Img_DuiHao};
        for (QWidget *w : reviewOnly)
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        for (QWidget *w : {static_cast<QWidget *>(m_window->Btn_ping), static_cast<QWidget *>(m_window->Btn_Ans_A),
                           static_cast<QWidget *>(m_window->Btn_Ans_B), static_cast<QWidget *>(m_window->Btn_Ans_C)})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(m_window->Btn_Close->isEnabled());
        QVERIFY(numberButton(50)->isEnabled());
        QVERIFY(m_window->PageControl1->isEnabled());

        SetReviewMode(false);
        for (QWidget *w : reviewOnly)
            QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
        QVERIFY(m_window->Btn_ping->isEnabled());
        QVERIFY(m_window->Btn_Ans_C->isEnabled());
        QVERIFY(m_window->Timer1->isActive());
    }

    void showingAPaperAgainKeepsIt()
    {
        goTo(33);
        QTest::mouseClick(m_window->Btn_Ans_B, Qt::LeftButton);
        const qint32 id = ExamPaper[33].QuestionId;
        m_window->hide();
        m_window->show();
        QCOMPARE(ExamPaper[33].QuestionId, id);
        QCOMPARE(answerBox(33)->text(), QStringLiteral("B"));
        QCOMPARE(CurrentNo, 34);
    }

    void aLongChoiceShowsItsBeginning()
    {
        const QString choice = QStringLiteral("驾驶人血液中的酒精含量大于或者等于20毫克/100毫升，小于80毫克/100毫升的驾驶行为");
        ExamPaper[6].ChoiceB = choice;
        goTo(6);
        QLineEdit *box = m_window->Edt_Ans_B;
        QVERIFY(box->fontMetrics().horizontalAdvance(choice) > box->width());
        QCOMPARE(box->text(), choice);
        QCOMPARE(box->toolTip(), choice);
        box->grab();  // lays the text out as it is painted
        QCOMPARE(box->cursorPosition(), 0);
        QVERIFY(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() < box->width() / 4);
        // In review too, and after a question whose choice was long as well.
        QTest::mouseClick(m_window->Btn_Ans_A, Qt::LeftButton);
        SetReviewMode(true);
        m_window->show();
        goTo(6);
        box->grab();
        QVERIFY(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() < box->width() / 4);
    }

    void theKnowledgeLabelsStartEmptyForANewPaper()
    {
        m_window->Lbl_count->setText(QStringLiteral("共有'3'个知识点"));
        m_window->Lbl_Ip->setText(QStringLiteral("2"));
        startExam();
        QVERIFY(m_window->Lbl_count->text().isEmpty());
        QVERIFY(m_window->Lbl_Ip->text().isEmpty());
    }

    void aClockWithoutAPaperHandsNothingIn()
    {
        m_window->Tag = 0;  // as after a start whose drawing failed
        MinutesLeft = 0;
        SecondsLeft = 0;
        m_window->Timer1Timer(m_window->Timer1);
        QVERIFY(!m_window->Timer1->isActive());
        QVERIFY(m_window->Btn_ping->isEnabled());
        QVERIFY(m_window->isVisible());
    }

    void enterClicksTheFocusedButtonAndSpaceStillDoes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    }
    void enterClicksTheFocusedButtonAndSpaceStillDoes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const auto press = [&](QWidget *button) {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        };
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        press(numberButton(7));
        QCOMPARE(CurrentNo, 7);
        press(m_window->Btn_Ans_C);
        QCOMPARE(ExamPaper[7].GivenAnswer, QStringLiteral("C"));
        QCOMPARE(CurrentNo, 8);
        // Enter with Ctrl is no click.
        m_window->Btn_Ans_A->setFocus(Qt::TabFocusReason);
        QTest::keyClick(m_window->Btn_Ans_A, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(CurrentNo, 8);

        press(m_window->Btn_ping);  // hand-in: review mode, window hidden
        QVERIFY(!m_window->Timer1->isActive());
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        ExamPaper[8].AnalysisText = QStringLiteral("第八题的评析");
        press(m_window->Btn_ZhiShiDian);
        QCOMPARE(m_window->Mem_Analysis->toPlainText(), QStringLiteral("本题没有相应的知识点解释"));
        press(m_window->Btn_Analysis);
        QCOMPARE(m_window->Mem_Analysis->toPlainText(), ExamPaper[8].AnalysisText);
        press(m_window->Btn_Close);
        QVERIFY(!m_window->isVisible());
    }

    void theFocusOnAButtonIsClearlyVisible()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        for (QPushButton *button : {numberButton(3), m_window->Btn_Ans_A, m_window->Btn_ping}) {
            m_window->Btn_Close->setFocus(Qt::TabFocusReason);
            const QImage plain = button->grab().toImage();
            button->setFocus(Qt::TabFocusReason);
            QVERIFY(button->hasFocus());
            const QImage focused = button->grab().toImage();
            // A mark all round the face: changed pixels near each of the four sides.
            int top = 0, bottom = 0, left = 0, right = 0;
            for (int y = 0; y < plain.height(); ++y) {
                for (int x = 0; x < plain.width(); ++x) {
                    if (plain.pixel(x, y) == focused.pixel(x, y))
                        continue;
                    top += y < plain.height() / 3;
                    bottom += y >= plain.height() * 2 / 3;
                    left += x < plain.width() / 4;
                    right += x >= plain.width() * 3 / 4;
                }
            }
            QVERIFY2(top > 3 && bottom > 3 && left > 3 && right > 3, qPrintable(button->objectName()));
        }
    }

    void aSecondExamStartsOnPageOneAtQuestionOne()
    {
        goTo(45);
        QTest::mouseClick(m_window->Btn_ping, Qt::LeftButton);
        m_window->show();
        goTo(77);
        startExam();
        QCOMPARE(m_window->PageControl1->currentIndex(), 0);
        QCOMPARE(CurrentNo, 1);
        QCOMPARE(redButtons(), QList<int>{1});
        QTest::mouseClick(m_window->Btn_Ans_A, Qt::LeftButton);
        QCOMPARE(CurrentNo, 2);
        QVERIFY(answerBox(45)->text().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestExamWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_examwindow.moc"
