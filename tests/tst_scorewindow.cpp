// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The score window: colouring and totalling the handed-in paper, opening a question for
// review in the exam window, and the ways the review ends.
#include "examstart.h"
#include "examtestbank.h"

#include "exampaper.h"
#include "tfrm_ks_choose.h"
#include "tfrm_ping.h"

#include "exceptionreporter.h"
#include "findbyname.h"
#include "tapplication.h"
#include "tdxbutton.h"
#include "tkvlabel.h"
#include "winstyle.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

constexpr quint32 Green = 32768;

QPushButton *numberOf(QWidget *window, int n)
{
    return qobject_cast<QPushButton *>(findComponent(window, QStringLiteral("BitBtn%1").arg(n)));
}

std::vector<qint32> paperIds()
{
    std::vector<qint32> ids;
    for (int n = 1; n <= ExamLength; ++n)
        ids.push_back(ExamPaper[n].QuestionId);
    return ids;
}

} // namespace

class TestScoreWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<QWidget> m_start;  // stands in for the program's start window
    QPushButton *m_startButton = nullptr;
    int m_startClicks = 0;
    std::unique_ptr<TDm> m_dm;
    std::unique_ptr<TFrm_Ks_Choose> m_exam;
    QStringList m_reported;

    void startExam()
    {
        examtest::startExam(*m_exam);
        QCOMPARE(m_exam->Tag, 1);
    }

    QList<int> redInExam() const
    {
        QList<int> red;
        for (int n = 1; n <= ExamLength; ++n) {
            if (fontColor(numberOf(m_exam.get(), n)) == clRed)
                red << n;
        }
        return red;
    }

    // Hands the paper in with "交卷" and runs `whileUp` inside the score window's modal
    // showing. Whatever `whileUp` does, the score window is closed afterwards so that the
    // hand-in returns.
    void handIn(const std::function<void(TFrm_Ping &)> &whileUp)
    {
        setScoreWindowRunner(&TFrm_Ping::runModal);
        QTimer::singleShot(0, this, [&] {
            if (!Frm_Ping)
                return;
            QPointer<TFrm_Ping> ping = Frm_Ping;
            whileUp(*ping);
            if (ping)
                ping->close();
        });
        QTest::mouseClick(m_exam->Btn_ping, Qt::LeftButton);
        setScoreWindowRunner([] {});
    }

    static void fillPaper(const QStringList &keys, const QStringList &answers)
    {
        for (int n = 1; n <= ExamLength; ++n) {
            ExamPaper[n].CorrectKey = keys[(n - 1) % keys.size()];
            ExamPaper[n].GivenAnswer = answers[(n - 1) % answers.size()];
            ExamPaper[n].QuestionScore = n;
        }
    }

private slots:
    void initTestCase()
    {
        BankContent content = examtest::bank(150);
        content.signs.push_back({QStringLiteral("bad.jpg"), QByteArray("not a picture")});
        examtest::writeBank(content, m_folder.path());
        setExceptionReporter([this](const QString &message) { m_reported << message; });
        setScoreWindowRunner([] {});

        m_start = std::make_unique<QWidget>();
        m_start->setObjectName(QStringLiteral("Frm_Ks_Sta"));
        m_startButton = new QPushButton(QStringLiteral("&S开始考试"), m_start.get());
        connect(m_startButton, &QPushButton::clicked, this, [this] { ++m_startClicks; });
        m_start->show();

        m_dm = std::make_unique<TDm>();
        examtest::connect(*m_dm, m_folder.path());
        m_dm->ado_biaozhi->Open();
        m_exam = std::make_unique<TFrm_Ks_Choose>();
    }

    void init()
    {
        m_reported.clear();
        m_startClicks = 0;
        startExam();
    }

    void cleanup() { QVERIFY2(m_reported.isEmpty(), qPrintable(m_reported.join('\n'))); }

    void cleanupTestCase()
    {
        m_exam.reset();
        m_dm.reset();
        m_start.reset();
    }

    void theWindowHoldsTenRowsOfTenNumbers()
    {
        TFrm_Ping ping;
        QCOMPARE(ping.windowTitle(), QStringLiteral("评分"));
        QCOMPARE(ping.size(), QSize(561, 508));
        QCOMPARE(ping.KvLabel1->text(), QStringLiteral("机动车驾驶员法培考试成绩"));
        QCOMPARE(ping.Button2->Caption(), QStringLiteral("&Q退出"));
        QCOMPARE(ping.Button2->width(), 84);
        QVERIFY(ping.Edit_sum->isReadOnly());
        const QRect box = ping.GrpBx_Choose->rect();
        for (int n = 1; n <= ExamLength; ++n) {
            QPushButton *number = numberOf(&ping, n);
            QCOMPARE(number->parentWidget(), ping.GrpBx_Choose);
            QCOMPARE(number->text(), QString::number(n));
            QCOMPARE(number->size(), QSize(28, 25));
            QVERIFY(box.contains(number->geometry()));
            if (n % 10 != 1) {  // right of the one before, in the same row
                QPushButton *before = numberOf(&ping, n - 1);
                QCOMPARE(number->y(), before->y());
                QVERIFY(number->x() > before->geometry().right());
            } else if (n > 1) {  // a new row under the one before
                QVERIFY(number->y() > numberOf(&ping, n - 10)->geometry().bottom());
                QCOMPARE(number->x(), numberOf(&ping, n - 10)->x());
            }
        }
        for (QWidget *w : {static_cast<QWidget *>(ping.KvLabel1), static_cast<QWidget *>(ping.Label5),
                           static_cast<QWidget *>(ping.GrpBx_Choose), static_cast<QWidget *>(ping.Label4),
                           static_cast<QWidget *>(ping.Edit_sum), static_cast<QWidget *>(ping.Button2)})
            QVERIFY2(ping.Panel1->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    void theNumbersAreColouredByAnExactComparison_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("total");
        // Question n is worth n points; keys and answers repeat over the paper.
        QTest::newRow("all right") << QStringList{"A", "B", "C"} << QStringList{"A", "B", "C"} << 100 << 5050;
        QTest::newRow("no answers") << QStringList{"A", "B", "C"} << QStringList{""} << 0 << 0;
        QTest::newRow("every other right") << QStringList{"A"} << QStringList{"A", "B"} << 50 << 2500;
        QTest::newRow("lower-case key") << QStringList{"a"} << QStringList{"A"} << 0 << 0;
        QTest::newRow("key with a blank") << QStringList{"A "} << QStringList{"A"} << 0 << 0;
        QTest::newRow("empty key, unanswered") << QStringList{""} << QStringList{""} << 100 << 5050;
        QTest::newRow("empty key, answered") << QStringList{""} << QStringList{"A"} << 0 << 0;
    }
    void theNumbersAreColouredByAnExactComparison()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, answers);
        QFETCH(int, right);
        QFETCH(int, total);
        fillPaper(keys, answers);
        TFrm_Ping ping;
        ping.show();
        int green = 0;
        for (int n = 1; n <= ExamLength; ++n) {
            const bool isRight = ExamPaper[n].CorrectKey == ExamPaper[n].GivenAnswer;
            const QColor shown = numberOf(&ping, n)->palette().color(QPalette::Active, QPalette::ButtonText);
            QCOMPARE(shown, isRight ? QColor(0, 128, 0) : QColor(255, 0, 0));
            green += fontColor(numberOf(&ping, n)) == Green;
        }
        QCOMPARE(green, right);
        QCOMPARE(ping.TotalScore, total);
        QCOMPARE(ping.Edit_sum->text(), QString::number(total));

        // Every showing counts afresh.
        ping.hide();
        fillPaper({"A"}, {"B"});
        ping.show();
        QCOMPARE(ping.Edit_sum->text(), QStringLiteral("0"));
        QCOMPARE(fontColor(numberOf(&ping, 1)), clRed);
    }

    void aNumberOpensItsQuestionOnItsPage_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("page");
        for (const auto &[number, page] : {std::pair{1, 0}, {20, 0}, {21, 1}, {40, 1}, {41, 2}, {60, 2}, {61, 3},
                                           {80, 3}, {81, 4}, {100, 4}})
            QTest::addRow("%d", number) << number << page;
    }
    void aNumberOpensItsQuestionOnItsPage()
    {
        QFETCH(int, number);
        QFETCH(int, page);
        SetReviewMode(true);
        QVERIFY(!m_exam->isVisible());
        TFrm_Ping ping;
        ping.show();
        QSignalSpy questionShown(m_exam->Edt_Tm, &QPlainTextEdit::textChanged);
        QTest::mouseClick(numberOf(&ping, number), Qt::LeftButton);
        QVERIFY(m_exam->isVisible());
        QCOMPARE(m_exam->PageControl1->currentIndex(), page);
        QCOMPARE(CurrentNo, number);
        QCOMPARE(m_exam->Edt_Tm->toPlainText(), ExamPaper[number].QuestionText);
        QCOMPARE(m_exam->Mem_Analysis->toPlainText(), ExamPaper[number].AnalysisText);
        QCOMPARE(redInExam(), QList<int>{number});
        // Only the chosen question was shown: the page's first question did not come up on the way.
        QCOMPARE(questionShown.count(), 1);
        QCOMPARE(m_exam->Tag, 1);
    }

    void anotherNumberMovesTheExamWindow()
    {
        SetReviewMode(true);
        TFrm_Ping ping;
        ping.show();
        for (int number : {5, 95, 30, 31}) {
            QTest::mouseClick(numberOf(&ping, number), Qt::LeftButton);
            QVERIFY(m_exam->isVisible());
            QCOMPARE(CurrentNo, number);
            QCOMPARE(m_exam->PageControl1->currentIndex(), (number - 1) / 20);
            QCOMPARE(redInExam(), QList<int>{number});
        }
    }

    void theExamWindowTakesInputBesideTheModalScoreWindowAndTheStartWindowDoesNot()
    {
        QTest::mouseClick(m_exam->Btn_Ans_B, Qt::LeftButton);  // question 1 answered
        struct {
            bool up = false;
            bool startDisabled = false;
            bool examHidden = false;
            bool examShown = false;
            int afterNumberClick = 0;
            int afterStartClick = 0;
            bool examLeft = false;
        } seen;
        QPointer<TFrm_Ping> ping;
        handIn([&](TFrm_Ping &window) {
            ping = &window;
            seen.up = window.isVisible();
            seen.startDisabled = !m_start->isEnabled();
            seen.examHidden = !m_exam->isVisible();
            QTest::mouseClick(numberOf(&window, 33), Qt::LeftButton);
            seen.examShown = m_exam->isVisible() && m_exam->isEnabled();
            QTest::mouseClick(numberOf(m_exam.get(), 34), Qt::LeftButton);
            seen.afterNumberClick = CurrentNo;
            QTest::mouseClick(m_startButton, Qt::LeftButton);
            seen.afterStartClick = m_startClicks;
            QTest::mouseClick(m_exam->Btn_Close, Qt::LeftButton);
            seen.examLeft = !m_exam->isVisible() && window.isVisible();
        });
        QVERIFY(seen.up);
        QVERIFY(seen.startDisabled);
        QVERIFY(seen.examHidden);
        QVERIFY(seen.examShown);
        QCOMPARE(seen.afterNumberClick, 34);
        QCOMPARE(seen.afterStartClick, 0);
        QVERIFY(seen.examLeft);
        QVERIFY(ping.isNull());  // freed when its showing ended
        QCOMPARE(Frm_Ping, nullptr);
        QVERIFY(m_start->isEnabled());
        QCOMPARE(ExamPaper[1].GivenAnswer, QStringLiteral("B"));
    }

    void quittingEndsTheReviewAndTheNextStartDrawsANewPaper()
    {
        QTest::mouseClick(m_exam->Btn_Ans_A, Qt::LeftButton);
        const std::vector<qint32> before = paperIds();
        bool examUpBeforeQuit = false;
        QPointer<TFrm_Ping> ping;
        handIn([&](TFrm_Ping &window) {
            ping = &window;
            QTest::mouseClick(numberOf(&window, 50), Qt::LeftButton);
            examUpBeforeQuit = m_exam->isVisible();
            QTest::mouseClick(window.Button2, Qt::LeftButton);
        });
        QVERIFY(examUpBeforeQuit);
        QVERIFY(ping.isNull());
        QVERIFY(!m_exam->isVisible());
        QCOMPARE(m_exam->Tag, 0);
        QVERIFY(m_start->isVisible());
        QVERIFY(m_start->isEnabled());

        startExam();
        QVERIFY(paperIds() != before);
        QCOMPARE(CurrentNo, 1);
        QVERIFY(m_exam->Btn_ping->isEnabled());
        QVERIFY(qobject_cast<QLineEdit *>(findComponent(m_exam.get(), QStringLiteral("Edit1")))->text().isEmpty());
    }

    void closingTheScoreWindowItselfLeavesTheReviewOnScreen()
    {
        QPointer<TFrm_Ping> ping;
        handIn([&](TFrm_Ping &window) {
            ping = &window;
            QTest::mouseClick(numberOf(&window, 10), Qt::LeftButton);
            window.close();
        });
        QVERIFY(ping.isNull());
        QCOMPARE(m_exam->Tag, 1);
        QVERIFY(m_exam->isVisible());
        QCOMPARE(CurrentNo, 10);
        QVERIFY(!m_exam->Btn_ping->isEnabled());
        QVERIFY(m_exam->Mem_Analysis->isVisible());
        QVERIFY(m_start->isEnabled());
        m_exam->hide();
    }

    void aNumberWhoseSignFailsIsReportedAndStillReviewed()
    {
        ExamPaper[12].SignName = QStringLiteral("bad.jpg");
        bool shownAfterFailure = false;
        QString analysis;
        bool shownAfterNext = false;
        handIn([&](TFrm_Ping &window) {
            QTest::mouseClick(numberOf(&window, 12), Qt::LeftButton);
            shownAfterFailure = m_exam->isVisible() && CurrentNo == 12
                                && m_exam->Edt_Tm->toPlainText() == ExamPaper[12].QuestionText;
            analysis = m_exam->Mem_Analysis->toPlainText();
            QTest::mouseClick(numberOf(&window, 13), Qt::LeftButton);
            shownAfterNext = m_exam->isVisible() && CurrentNo == 13;
        });
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(m_reported[0].contains(QStringLiteral("bad.jpg")));
        m_reported.clear();
        QVERIFY(shownAfterFailure);
        QCOMPARE(analysis, ExamPaper[12].AnalysisText);
        QVERIFY(shownAfterNext);
        m_exam->hide();
    }

    void theVerdictBesideTheTotal_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("verdict");
        // Question n is worth n points, 5,050 in all: 90 % is 4,545.
        QTest::newRow("all right") << QStringList{"A"} << QStringList{"A"} << QStringLiteral("合格");
        QTest::newRow("nothing right") << QStringList{"A"} << QStringList{"B"} << QStringLiteral("不合格");
        QTest::newRow("every other right") << QStringList{"A"} << QStringList{"A", "B"} << QStringLiteral("不合格");
    }
    void theVerdictBesideTheTotal()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, answers);
        QFETCH(QString, verdict);
        fillPaper(keys, answers);
        TFrm_Ping ping;
        ping.show();
        QCOMPARE(ping.Lbl_Verdict->text(), verdict);
        QCOMPARE(fontColor(ping.Lbl_Verdict), verdict == QStringLiteral("合格") ? Green : clRed);
        QVERIFY(ping.Lbl_Verdict->isVisible());
        // Beside the total, clear of every designed control.
        const QRect verdictArea = ping.Lbl_Verdict->geometry();
        QVERIFY(ping.Panel1->rect().contains(verdictArea));
        QVERIFY(qAbs(verdictArea.left() - ping.Edit_sum->x()) < 10);
        for (QWidget *w : {static_cast<QWidget *>(ping.KvLabel1), static_cast<QWidget *>(ping.Label5),
                           static_cast<QWidget *>(ping.GrpBx_Choose), static_cast<QWidget *>(ping.Label4),
                           static_cast<QWidget *>(ping.Edit_sum), static_cast<QWidget *>(ping.Button2)})
            QVERIFY2(!verdictArea.intersects(w->geometry()), qPrintable(w->objectName()));
        QVERIFY(ping.Lbl_Verdict->fontMetrics().horizontalAdvance(QStringLiteral("不合格")) <= verdictArea.width());
        // A screen reader reads it as text.
        QAccessibleInterface *text = QAccessible::queryAccessibleInterface(ping.Lbl_Verdict);
        QVERIFY(text);
        QCOMPARE(text->role(), QAccessible::StaticText);
        QCOMPARE(text->text(QAccessible::Name), verdict);
    }

    void theWindowIsSizeableByItsEdges()
    {
        TFrm_Ping ping;
        QVERIFY(ping.GetcanResize());
        QCOMPARE(ping.hitTest(QPoint(ping.width() - 1, ping.height() / 2)), FrameHit::HTRIGHT);
        QCOMPARE(ping.hitTest(QPoint(ping.width() - 1, ping.height() - 1)), FrameHit::HTBOTTOMRIGHT);
    }

    void enterOnAFocusedButtonClicksIt()
    {
        handIn([&](TFrm_Ping &window) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QPushButton *number = numberOf(&window, 42);
            number->setFocus(Qt::TabFocusReason);
            QTest::keyClick(number, Qt::Key_Return);
            QVERIFY(m_exam->isVisible());
            QCOMPARE(CurrentNo, 42);
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            window.Button2->setFocus(Qt::TabFocusReason);
            QTest::keyClick(window.Button2, Qt::Key_Enter, Qt::KeypadModifier);
        });
        QVERIFY(!m_exam->isVisible());
        QCOMPARE(m_exam->Tag, 0);  // the exit button ended the review
        QCOMPARE(Frm_Ping, nullptr);
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestScoreWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scorewindow.moc"
