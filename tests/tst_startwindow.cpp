// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start window: starting an exam over a bank beside the program, the splash, the links.
#include "examtestbank.h"

#include "programfolder.h"
#include "tfrm_ks_sta.h"
#include "tfrm_logo.h"

#include "exampaper.h"
#include "tfrm_ks_choose.h"
#include "tfrm_ping.h"

#include "exceptionreporter.h"
#include "findbyname.h"
#include "tapplication.h"
#include "tanimate.h"
#include "tx_printmessage.h"
#include "translations.h"

#include "jet4writer.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestStartWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<TFrm_Ks_Sta> m_start;
    std::unique_ptr<TDm> m_dm;
    std::unique_ptr<Tx_printmessage> m_wait;
    std::unique_ptr<TFrm_Ks_Choose> m_exam;
    QStringList m_reported;

    std::vector<qint32> paperIds() const
    {
        std::vector<qint32> ids;
        for (int n = 1; n <= ExamLength; ++n)
            ids.push_back(ExamPaper[n].QuestionId);
        return ids;
    }

    void clickStart() { QTest::mouseClick(m_start->Button1, Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        examtest::writeBank(examtest::bank(200), m_folder.path());
        setExceptionReporter([this](const QString &message) { m_reported << message; });
        m_start = std::make_unique<TFrm_Ks_Sta>();
        m_dm = std::make_unique<TDm>();
        m_wait = std::make_unique<Tx_printmessage>();
        m_exam = std::make_unique<TFrm_Ks_Choose>();
    }

    void init()
    {
        m_reported.clear();
        setProgramFolder(m_folder.path());
        m_exam->hide();
    }

    void cleanupTestCase()
    {
        setProgramFolder({});
        m_exam.reset();
        m_wait.reset();
        m_dm.reset();
        m_start.reset();
    }

    void theStartWindowIsSizedFromItsPanel()
    {
        // The study button's row made the window 33 taller; the rows above it did not move.
        QCOMPARE(m_start->size(), QSize(397, 293 + 33));
        QCOMPARE(m_start->PanelBkGnd->geometry(), QRect(10, 50, 377, 233 + 33));
        QCOMPARE(m_start->Button1->pos(), QPoint(83, 156));
        QCOMPARE(m_start->Button3->pos(), QPoint(83, 189));
        QCOMPARE(m_start->Button2->pos(), QPoint(83, 222));
        QVERIFY(!m_start->GetcanResize());
        QCOMPARE(m_start->Button1->text(), QStringLiteral("&S开始考试"));
        QCOMPARE(m_start->Button2->text(), QStringLiteral("&Q退出"));
        QCOMPARE(m_start->Button3->text(), QStringLiteral("&P练习与记录"));
        QCOMPARE(m_start->Label6->text(), QStringLiteral("Tarnel机动车驾驶员法培考试  3.0"));
        // Every text fits its control.
        for (QLabel *label : {m_start->Label6, m_start->Label4, m_start->Label5}) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->objectName()));
            QVERIFY(m_start->Panel1->rect().contains(label->geometry()));
        }
    }

    void startingAnExamShowsQuestionOne()
    {
        bool waitMessageUpWhileDrawing = false;


        // The drawing runs while the exam window is being shown; look at the wait message then.
        class ShowProbe : public QObject {
        public:
            bool *seen;
            explicit ShowProbe(bool *s) : seen(s) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Show)
                    *seen = x_printmessage->isVisible() && x_printmessage->LabHint->text() == QStringLiteral("正在随机抽题请等待....")
                            && x_printmessage->Animate1->Active();
                return false;
            }
        } showProbe(&waitMessageUpWhileDrawing);
        m_exam->installEventFilter(&showProbe);
        clickStart();
        m_exam->removeEventFilter(&showProbe);

        QVERIFY2(m_reported.isEmpty(), qPrintable(m_reported.join('\n')));
        QVERIFY(waitMessageUpWhileDrawing);
        QVERIFY(m_exam->isVisible());
        QVERIFY(!m_wait->isVisible());
        QVERIFY(!m_wait->Animate1->Active());
        QCOMPARE(m_exam->Tag, 1);
        QCOMPARE(CurrentNo, 1);
        QCOMPARE(m_exam->Edt_Tm->toPlainText(), ExamPaper[1].QuestionText);
        QCOMPARE(DatabasePath, m_folder.path() + QStringLiteral("/Dat/drvq.mdb"));
    }

    void startingAgainWhileTheExamIsUpBeginsAFreshExam_data()
    {
        QTest::addColumn<bool>("review");
        QTest::newRow("answering") << false;
        QTest::newRow("review left open") << true;
    }
    void startingAgainWhileTheExamIsUpBeginsAFreshExam()
    {
        QFETCH(bool, review);
        clickStart();
        QTest::mouseClick(m_exam->Btn_Ans_B, Qt::LeftButton);
        QTest::mouseClick(m_exam->Btn_Ans_B, Qt::LeftButton);
        for (int tick = 0; tick < 70; ++tick)
            m_exam->Timer1Timer(m_exam->Timer1);
        const std::vector<qint32> first = paperIds();
        if (review) {
            // Handed in, a number opened for review, the score window closed by its frame.
            QTimer::singleShot(0, this, [] {
                QTest::mouseClick(qobject_cast<QPushButton *>(findComponent(Frm_Ping, QStringLiteral("BitBtn10"))),
                                  Qt::LeftButton);
                Frm_Ping->close();  // as its frame button does
            });
            QTest::mouseClick(m_exam->Btn_ping, Qt::LeftButton);
            QCOMPARE(m_exam->Tag, 1);
            QCOMPARE(CurrentNo, 10);
            QVERIFY(!m_exam->Btn_ping->isEnabled());
        }
        QVERIFY(m_exam->isVisible());

        clickStart();
        QVERIFY(m_reported.isEmpty());
        QVERIFY(m_exam->isVisible());
        QCOMPARE(m_exam->Tag, 1);
        QVERIFY(paperIds() != first);
        for (int n = 1; n <= ExamLength; ++n) {
            QVERIFY(ExamPaper[n].GivenAnswer.isEmpty());
            QVERIFY(qobject_cast<QLineEdit *>(findComponent(m_exam.get(), QStringLiteral("Edit%1").arg(n)))->text().isEmpty());
        }
        QCOMPARE(CurrentNo, 1);
        QCOMPARE(MinutesLeft, 45);
        QCOMPARE(SecondsLeft, 0);
        QVERIFY(m_exam->Timer1->isActive());
        // Answering mode: the answers and the hand-in work, the review controls are gone.
        QVERIFY(m_exam->Btn_ping->isEnabled());
        QVERIFY(m_exam->Btn_Ans_A->isEnabled());
        QVERIFY(m_exam->Mem_Analysis->isHidden());
        m_exam->Timer1Timer(m_exam->Timer1);
        QCOMPARE(m_exam->Lbl_Minute->text() + u':' + m_exam->Lbl_Second->text(), QStringLiteral("44:59"));
    }

    void aFailedStartLeavesNeitherWaitMessageNorExamWindow_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("no bank") << "missing" << "drvq.mdb";
        QTest::newRow("no workgroup file") << "no workgroup" << "Morvel.mdw";
        QTest::newRow("wrong password") << "password" << "password";
    }
    void aFailedStartLeavesNeitherWaitMessageNorExamWindow()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(QStringLiteral("Dat"));
        const QString dat = folder.filePath(QStringLiteral("Dat"));
        if (damage == QLatin1String("no workgroup")) {
            examtest::writeBank(examtest::bank(100), folder.path());
            QFile::remove(dat + QStringLiteral("/Morvel.mdw"));
        } else if (damage == QLatin1String("password")) {
            examtest::writeBank(examtest::bank(100), folder.path());
            jet4::Database other = BankBuilder::bankDatabase(examtest::bank(100), BankBuilder::now());
            other.password = QStringLiteral("另一个口令");
            QFile file(dat + QStringLiteral("/drvq.mdb"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(jet4::writeDatabase(other));
        }
        setProgramFolder(folder.path());
        clickStart();
        QCOMPARE(m_reported.size(), 1);
        QVERIFY2(m_reported[0].contains(message, Qt::CaseInsensitive), qPrintable(m_reported[0]));
        QVERIFY(!m_wait->isVisible());
        QVERIFY(!m_exam->isVisible());
    }

    void aBankOfNinetyNineQuestionsStopsTheClockAndHandsNothingIn()
    {
        // An earlier exam in the same run has its clock running.
        clickStart();
        QVERIFY(m_exam->Timer1->isActive());
        int handIns = 0;
        static int *counter = nullptr;
        counter = &handIns;
        setScoreWindowRunner([] { ++*counter; });
        bool waitMessageUpAtTheError = true;
        setExceptionReporter([&](const QString &message) {
            m_reported << message;
            waitMessageUpAtTheError = m_wait->isVisible();
        });

        QTemporaryDir folder;
        examtest::writeBank(examtest::bank(99), folder.path());
        setProgramFolder(folder.path());
        clickStart();
        QCOMPARE(m_reported.size(), 1);
        QVERIFY2(m_reported[0].contains(QStringLiteral("99")), qPrintable(m_reported[0]));
        QVERIFY(!waitMessageUpAtTheError);
        QVERIFY(!m_wait->isVisible());
        QVERIFY(!m_exam->isVisible());
        QCOMPARE(m_exam->Tag, 0);
        QVERIFY(!m_exam->Timer1->isActive());
        // A tick that still comes (one queued before the stop) hands nothing in.
        m_exam->Timer1Timer(m_exam->Timer1);
        QCOMPARE(handIns, 0);
        QVERIFY(m_start->isEnabled());

        // The next start, over a full bank, begins at 45:00 on a fresh paper.
        setExceptionReporter([this](const QString &message) { m_reported << message; });
        setProgramFolder(m_folder.path());
        clickStart();
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(m_exam->isVisible());
        QCOMPARE(m_exam->Tag, 1);
        QCOMPARE(MinutesLeft, 45);
        QCOMPARE(SecondsLeft, 0);
        QVERIFY(m_exam->Timer1->isActive());
        QCOMPARE(handIns, 0);
        setScoreWindowRunner(&TFrm_Ping::runModal);
        m_reported.clear();
    }

    void theLinksOpenTheirAddresses()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        QTest::mouseClick(m_start->Label4, Qt::LeftButton);
        QTest::mouseClick(m_start->Label5, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl(QStringLiteral("http://www.example.org/drvq")),
                                           QUrl(QStringLiteral("mailto:drvq-trainer@example.org"))}));
    }

    void theSplashComesOnceBeforeTheStartWindow()
    {
        Tfrm_logo::displayMs = 40;
        bool splashSeen = false;
        bool startWindowLocked = false;
        QTimer::singleShot(10, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QLatin1String("frm_logo") && w->isVisible()) {
                    splashSeen = w->size() == QSize(399, 300) && w->windowFlags().testFlag(Qt::FramelessWindowHint);
                }
            }
            startWindowLocked = !m_start->isEnabled();
        });
        m_start->show();  // returns once the splash has closed
        QVERIFY(splashSeen);
        QVERIFY(startWindowLocked);
        QVERIFY(m_start->isEnabled());
        QVERIFY(m_start->isVisible());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(w->objectName() != QLatin1String("frm_logo"));

        bool again = false;
        QTimer::singleShot(0, this, [&] { again = !m_start->isEnabled(); });
        m_start->show();  // already on screen: no second splash
        QCoreApplication::processEvents();
        QVERIFY(!again);
        m_start->hide();
    }

    // Last, since the catalogue stays installed: a bank too small for a paper names the folder
    // it was read from, and a damaged one says what to do, as the trainee reads them.
    void failedStartsNameTheBankFolderAndTheWayOut()
    {
        QVERIFY(installTranslations(*QCoreApplication::instance(), QLocale(QLocale::Chinese, QLocale::China)));
        QTemporaryDir small;
        examtest::writeBank(examtest::bank(99), small.path());
        setProgramFolder(small.path());
        clickStart();
        QCOMPARE(m_reported.size(), 1);
        QCOMPARE(m_reported[0], small.path() + QStringLiteral("/Dat 中的题库只有 99 道不同的题，不够抽出一份 100 道题的试卷。"
                                                              "请换用至少有 100 道题的题库。"));

        m_reported.clear();
        QTemporaryDir damaged;
        examtest::writeBank(examtest::bank(100), damaged.path());
        // A bank written with another database password cannot be opened.
        jet4::Database other = BankBuilder::bankDatabase(examtest::bank(100), BankBuilder::now());
        other.password = QStringLiteral("另一个口令");
        QFile bank(damaged.filePath(QStringLiteral("Dat/drvq.mdb")));
        QVERIFY(bank.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bank.write(jet4::writeDatabase(other));
        bank.close();
        setProgramFolder(damaged.path());
        clickStart();
        QCOMPARE(m_reported.size(), 1);
        QVERIFY2(m_reported[0].endsWith(QStringLiteral("\n\n无法读取 ") + damaged.path()
                                        + QStringLiteral("/Dat/ 中的题库。请把题库的两个文件 drvq.mdb 和 Morvel.mdw "
                                                         "重新复制到这个文件夹（运行“make build”会在那里生成示例题库）。")),
                 qPrintable(m_reported[0]));
        QVERIFY(!m_exam->isVisible());

        // Damage that shows only while the paper is drawn (the sign table is still open from
        // the starts before) gets the same advice: every table's data pages name the wrong table.
        m_reported.clear();
        QVERIFY(m_dm->ado_biaozhi->Active());
        QTemporaryDir pages;
        examtest::writeBank(examtest::bank(100), pages.path());
        QFile paged(pages.filePath(QStringLiteral("Dat/drvq.mdb")));
        QVERIFY(paged.open(QIODevice::ReadWrite));
        QByteArray bytes = paged.readAll();
        for (qsizetype page = 4096; page + 8 <= bytes.size(); page += 4096) {
            // The catalog's pages (its definition is page 2) stay whole, so that the bank opens.
            if (bytes[page] == 0x01 && bytes[page + 1] == 0x01 && bytes[page + 4] != 0x02)
                ++bytes[page + 4];
        }
        paged.seek(0);
        paged.write(bytes);
        paged.close();
        setProgramFolder(pages.path());
        clickStart();
        QCOMPARE(m_reported.size(), 1);
        QVERIFY2(m_reported[0].endsWith(QStringLiteral("\n\n无法读取 ") + pages.path()
                                        + QStringLiteral("/Dat/ 中的题库。请把题库的两个文件 drvq.mdb 和 Morvel.mdw "
                                                         "重新复制到这个文件夹（运行“make build”会在那里生成示例题库）。")),
                 qPrintable(m_reported[0]));
        QVERIFY(!m_exam->isVisible());
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestStartWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startwindow.moc"
