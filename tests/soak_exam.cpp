// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A day of exams in one process: 1,000 exams over the sample bank, each started from the start
// window, answered at random, handed in, scored and reviewed from the score window. The
// resident memory after exam 100 and after the last one may differ by at most 5 %.
// Not part of `make test`; `make soak` runs it. SOAK_EXAMS sets another number of exams.
#include "programfolder.h"
#include "tfrm_ks_sta.h"
#include "tfrm_logo.h"

#include "exampaper.h"
#include "tfrm_ks_choose.h"
#include "tfrm_ping.h"

#include "exceptionreporter.h"
#include "findbyname.h"
#include "tapplication.h"
#include "tdxbutton.h"
#include "tx_printmessage.h"

#include "tdm.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr int WarmUpExams = 100;
constexpr double AllowedGrowthPercent = 5.0;
constexpr int ReviewedQuestions = 3;

// VmRSS of this process in kB, or -1 when /proc does not say.
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Texts as a text box gives them back: its line breaks are single LFs.
QString plain(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// The offscreen platform cannot raise windows; the review raises the exam window each time.
QtMessageHandler forwardMessage = nullptr;
void dropRaiseWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("does not support raise()")))
        forwardMessage(type, context, message);
}

int examCount()
{
    const int fromEnvironment = qEnvironmentVariableIntValue("SOAK_EXAMS");
    return fromEnvironment > WarmUpExams ? fromEnvironment : 1000;
}

} // namespace

class SoakExam : public QObject {
    Q_OBJECT

    std::unique_ptr<TFrm_Ks_Sta> m_start;
    std::unique_ptr<TDm> m_dm;
    std::unique_ptr<Tx_printmessage> m_wait;
    std::unique_ptr<TFrm_Ks_Choose> m_exam;
    QStringList m_failures;  // what went wrong inside the score window's own event loop
    QRandomGenerator m_random{20261208};

    void fail(int exam, const QString &what) { m_failures << QStringLiteral("exam %1: %2").arg(exam).arg(what); }

    template<typename T>
    T *child(QWidget *root, const QString &name) const
    {
        return qobject_cast<T *>(findComponent(root, name));
    }

    // Answers the whole paper from question 1 at random: mostly a random choice among those
    // shown, sometimes no answer (the trainee moves on with the next number button).
    // Returns the score the score window must show.
    int answerAtRandom(int exam)
    {
        int expected = 0;
        for (int n = 1; n <= ExamLength; ++n) {
            if (CurrentNo != n) {
                fail(exam, QStringLiteral("question %1 on display instead of %2").arg(CurrentNo).arg(n));
                return -1;
            }
            const _Tk &slot = ExamPaper[n];
            const bool skip = m_random.bounded(10) == 0 && n < ExamLength;
            if (skip) {
                m_exam->setActivePage(n / 20);
                QTest::mouseClick(child<QPushButton>(m_exam.get(), QStringLiteral("BitBtn%1").arg(n + 1)), Qt::LeftButton);
                if (slot.CorrectKey.isEmpty())
                    expected += slot.QuestionScore;  // an empty key matches no answer
                continue;
            }
            QList<QPushButton *> choices{m_exam->Btn_Ans_A, m_exam->Btn_Ans_B};
            if (m_exam->Btn_Ans_C->isVisible())
                choices << m_exam->Btn_Ans_C;
            QPushButton *choice = choices[int(m_random.bounded(qsizetype(choices.size())))];
            QTest::mouseClick(choice, Qt::LeftButton);
            const QString letter = choice->text().mid(1, 1);
            if (ExamPaper[n].GivenAnswer != letter)
                fail(exam, QStringLiteral("question %1: answer %2 not kept").arg(n).arg(letter));
            if (letter == slot.CorrectKey)
                expected += slot.QuestionScore;
        }
        return expected;
    }

    // Runs inside the score window's modal loop: checks the total, reviews a few questions
    // with their analysis and knowledge points, then ends the review.
    void review(int exam, int expectedScore)
    {
        TFrm_Ping *ping = Frm_Ping;
        if (!ping) {
            fail(exam, QStringLiteral("no score window after hand-in"));
            return;
        }
        if (ping->Edit_sum->text() != QString::number(expectedScore))
            fail(exam, QStringLiteral("total %1, expected %2").arg(ping->Edit_sum->text()).arg(expectedScore));

        for (int i = 0; i < ReviewedQuestions; ++i) {
            const int n = 1 + int(m_random.bounded(ExamLength));
            QTest::mouseClick(child<QPushButton>(ping->GrpBx_Choose, QStringLiteral("BitBtn%1").arg(n)), Qt::LeftButton);
            const _Tk &slot = ExamPaper[n];
            if (CurrentNo != n || !m_exam->isVisible() || m_exam->Edt_Tm->toPlainText() != slot.QuestionText) {
                fail(exam, QStringLiteral("review of question %1 shows question %2").arg(n).arg(CurrentNo));
                continue;
            }
            QTest::mouseClick(m_exam->Btn_ZhiShiDian, Qt::LeftButton);
            QTest::mouseClick(m_exam->Btn_ZhiShiDian, Qt::LeftButton);
            QTest::mouseClick(m_exam->Btn_Analysis, Qt::LeftButton);
            if (plain(m_exam->Mem_Analysis->toPlainText()) != plain(slot.AnalysisText))
                fail(exam, QStringLiteral("question %1: the analysis is not shown").arg(n));
        }
        QTest::mouseClick(ping->Button2, Qt::LeftButton);
        // Whatever went wrong above, the modal loop must end for the soak to go on.
        if (Frm_Ping == ping)
            ping->close();
    }

    void runExam(int exam)
    {
        QTest::mouseClick(m_start->Button1, Qt::LeftButton);
        if (!m_exam->isVisible() || CurrentNo != 1) {
            fail(exam, QStringLiteral("the exam window did not open on question 1"));
            return;
        }
        QSet<qint32> ids;
        for (int n = 1; n <= ExamLength; ++n)
            ids.insert(ExamPaper[n].QuestionId);
        if (ids.size() != ExamLength)
            fail(exam, QStringLiteral("%1 distinct questions drawn").arg(ids.size()));

        const int expectedScore = answerAtRandom(exam);
        QTimer::singleShot(0, this, [this, exam, expectedScore] { review(exam, expectedScore); });
        QTest::mouseClick(m_exam->Btn_ping, Qt::LeftButton);

        if (Frm_Ping)
            fail(exam, QStringLiteral("the score window outlived its review"));
        if (m_exam->isVisible() || m_exam->Tag != 0)
            fail(exam, QStringLiteral("the exam window is not ready for the next paper"));
        if (!m_start->isVisible())
            fail(exam, QStringLiteral("the start window is not back"));
        // Let deferred deletions and queued events run as the event loop would between exams.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        forwardMessage = qInstallMessageHandler(dropRaiseWarnings);
        setExceptionReporter([this](const QString &message) { m_failures << QStringLiteral("exception: %1").arg(message); });
        setProgramFolder(QStringLiteral(DRVQ_BUILD_DIR));
        Tfrm_logo::displayMs = 1;
        m_start = std::make_unique<TFrm_Ks_Sta>();
        m_dm = std::make_unique<TDm>();
        m_wait = std::make_unique<Tx_printmessage>();
        m_exam = std::make_unique<TFrm_Ks_Choose>();
        m_start->show();  // the splash comes and goes here, once
        QTRY_VERIFY(m_start->isVisible() && m_start->isEnabled());
    }

    void cleanupTestCase()
    {
        setExceptionReporter({});
        qInstallMessageHandler(forwardMessage);
        m_exam.reset();
        m_wait.reset();
        m_dm.reset();
        m_start.reset();
        setProgramFolder({});
    }

    void aThousandExamsKeepTheResidentMemoryWithinFivePercent()
    {
        const int exams = examCount();
        QElapsedTimer clock;
        clock.start();
        qint64 afterWarmUp = -1;
        qint64 atEnd = -1;
        for (int exam = 1; exam <= exams; ++exam) {
            runExam(exam);
            if (!m_failures.isEmpty())
                QFAIL(qPrintable(m_failures.join(u'\n')));
            if (exam == WarmUpExams)
                afterWarmUp = residentKb();
            if (exam % 100 == 0)
                std::printf("soak: %d exams, %lld kB resident, %.1f s\n", exam, residentKb(), clock.elapsed() / 1000.0);
        }
        atEnd = residentKb();
        QVERIFY(afterWarmUp > 0 && atEnd > 0);
        const double growth = 100.0 * double(atEnd - afterWarmUp) / double(afterWarmUp);
        std::printf("soak: VmRSS after exam %d: %lld kB; after exam %d: %lld kB; growth %+.2f %% (limit %.0f %%)\n",
                    WarmUpExams, afterWarmUp, exams, atEnd, growth, AllowedGrowthPercent);
        std::fflush(stdout);
        QVERIFY2(growth <= AllowedGrowthPercent, qPrintable(QStringLiteral("resident memory grew by %1 %").arg(growth, 0, 'f', 2)));
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    SoakExam soak;
    return QTest::qExec(&soak, argc, argv);
}

#include "soak_exam.moc"
