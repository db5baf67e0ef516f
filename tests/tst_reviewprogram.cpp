// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sits a whole exam in the real program on an X server (under xvfb-run), from outside: the
// pointer and the keyboard through xdotool, the texts read back through the clipboard
// (select all and copy in the control), the bank read with the bank tool to know what the
// answers are worth. Start, answer all 100, hand in, read the total, review a question with
// its analysis and knowledge points, leave with "&Q退出" and start again. Screenshots of the
// score window and of the review go to <build>/screenshots.
#include "bankreader.h"
#include "questionref.h"
#include "studyrecord.h"

#include "tapplication.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

// Deadlines only: every wait ends as soon as what it waits for holds, so a slow program (as
// under the sanitizers) only makes the test take longer.
constexpr int Deadline = 30000;
// The wait message is 96 pixels high; every window the test looks for is taller.
constexpr int WaitMessageHeight = 96;

// Where controls sit inside their window: the background panel starts at (10, 50), and the
// points are the middles of the controls as laid out on it.
const QPoint ExamQuestion(10 + 12 + 8 + 236, 50 + 186 + 34 + 48);  // Edt_Tm
const QPoint ExamChoiceA(10 + 12 + 48 + 258, 50 + 186 + 140 + 12);  // Edt_Ans_A
const QPoint ExamChoiceB(10 + 12 + 48 + 258, 50 + 186 + 170 + 12);  // Edt_Ans_B
const QPoint ExamHandIn(10 + 428 + 11 + 24, 50 + 38 + 52 + 12);    // Btn_ping
const QPoint ExamLeave(10 + 428 + 11 + 24, 50 + 38 + 84 + 12);     // Btn_Close
const QPoint ExamKnowledge(10 + 512 + 24, 50 + 6 + 12);            // Btn_ZhiShiDian
const QPoint ExamAnalysisBox(10 + 512 + 54, 50 + 34 + 67);         // Mem_Analysis
const QPoint ScoreTotal(10 + 432 + 33, 50 + 170 + 10);             // Edit_sum
const QPoint ScoreQuit(10 + 432 + 42, 50 + 391 + 12);              // Button2

QPoint scoreNumber(int n)  // BitBtn<n> of the score window
{
    return {10 + 16 + 14 + ((n - 1) % 10) * 37 + 14, 50 + 76 + 22 + ((n - 1) / 10) * 31 + 12};
}

const QString StartTitle = QStringLiteral("Tarnel北京机动车驾驶员法培考试");
const QString ExamTitle = QStringLiteral("机动车驾驶员法培考试");
const QString ScoreTitle = QStringLiteral("评分");
const QString StudyTitle = QStringLiteral("练习与记录");

QString xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(Deadline);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString normalized(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class TestReviewProgram : public QObject {
    Q_OBJECT

    BankContent m_bank;
    QMultiHash<QString, const Question *> m_byText;

    // The visible window with exactly this title, waited for. The wait message ("正在随机抽题
    // 请等待....") carries the exam window's title for the moment a paper is drawn; it is told
    // apart by its height, since an id of it is gone again before it could be used.
    std::optional<QString> window(const QString &title, int ms = Deadline)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            const QString ids = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                         QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')});
            for (const QString &id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                const QString shell = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
                const int height = QRegularExpression(QStringLiteral("HEIGHT=(\\d+)")).match(shell).captured(1).toInt();
                if (height > WaitMessageHeight)
                    return id;
            }
            QTest::qWait(50);
        } while (clock.elapsed() < ms);
        return std::nullopt;
    }

    bool gone(const QString &title, int ms = Deadline)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            if (!window(title, 0))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    QPoint origin(const QString &id)
    {
        const QString shell = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
        const QRegularExpressionMatch x = QRegularExpression(QStringLiteral("X=(\\d+)")).match(shell);
        const QRegularExpressionMatch y = QRegularExpression(QStringLiteral("Y=(\\d+)")).match(shell);
        return {x.captured(1).toInt(), y.captured(1).toInt()};
    }

    void click(const QString &id, QPoint at)
    {
        const QPoint p = origin(id) + at;
        xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("click"),
                 QStringLiteral("1")});
    }

    void key(const QString &id, const QString &keys)
    {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
        xdotool(QStringList{QStringLiteral("key")} + keys.split(QLatin1Char(' ')));
    }

    // Keys to a window until what they should do has happened. Keys that come before the
    // window has taken the activation, a moment after it is mapped, are lost; sending them
    // again is harmless for the keys used here.
    bool keyUntil(const QString &id, const QString &keys, const std::function<bool()> &done)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            key(id, keys);
            QElapsedTimer attempt;
            attempt.start();
            while (attempt.elapsed() < 1000) {
                if (done())
                    return true;
                QTest::qWait(50);
            }
        } while (clock.elapsed() < Deadline);
        return false;
    }

    // The text of the control at `at`: clicked, all selected and copied. Every text read here
    // is non-empty.
    QString read(const QString &id, QPoint at)
    {
        static int round = 0;
        QElapsedTimer overall;
        overall.start();
        QString sentinel;
        // A copy whose keys reached the program before it took input is asked for again.
        do {
            sentinel = QStringLiteral("<nothing copied %1>").arg(++round);
            QGuiApplication::clipboard()->setText(sentinel);
            click(id, at);
            key(id, QStringLiteral("ctrl+a ctrl+c"));
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 1000) {
                const QString text = QGuiApplication::clipboard()->text();
                if (text != sentinel && !text.isEmpty())  // empty while the owner is changing
                    return normalized(text);
                QTest::qWait(20);
            }
        } while (overall.elapsed() < Deadline);
        return sentinel;
    }

    // The question on display in the exam window: by its text, and where several questions
    // share a text (signs asked about alike), by its choices too.
    const Question *questionOnDisplay(const QString &exam)
    {
        QList<const Question *> candidates = m_byText.values(read(exam, ExamQuestion));
        if (candidates.size() > 1) {
            const QString a = read(exam, ExamChoiceA);
            const QString b = read(exam, ExamChoiceB);
            candidates.removeIf([&](const Question *q) { return normalized(q->ANSWER_A) != a || normalized(q->ANSWER_B) != b; });
        }
        return candidates.size() == 1 ? candidates.first() : nullptr;
    }

    // The question on display once it is another than `previous`. An answer key clicks its
    // button after the button's short pressed look, so the next question comes a moment later.
    const Question *nextQuestion(const QString &exam, const Question *previous)
    {
        QElapsedTimer clock;
        clock.start();
        const Question *q = nullptr;
        do {
            q = questionOnDisplay(exam);
        } while (q == previous && clock.elapsed() < Deadline);
        return q;
    }

    // The knowledge texts of a question in the order the bank returns them, at most ten.
    QStringList knowledgeOf(const Question &q) const
    {
        QStringList codes;
        for (qsizetype i = 0; i < q.ZHISHIDIAN.size(); i += 5)
            codes << q.ZHISHIDIAN.mid(i, 5);
        QStringList texts;
        for (const KnowledgePoint &point : m_bank.knowledge) {
            if (codes.contains(point.recno) && texts.size() < 10)
                texts << point.Keyword + u'\n' + point.knowladge;
        }
        return texts;
    }

    QImage screenshot(const QString &name)
    {
        QDir().mkpath(QStringLiteral(DRVQ_BUILD_DIR "/screenshots"));
        const QImage image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        image.save(QStringLiteral(DRVQ_BUILD_DIR "/screenshots/%1.png").arg(name));
        return image;
    }

    // How many pixels of an area are strongly red and how many strongly green.
    static std::pair<int, int> captionInks(const QImage &image, const QRect &area)
    {
        int red = 0;
        int green = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() - std::max(c.green(), c.blue()) > 60;
                green += c.green() - std::max(c.red(), c.blue()) > 30;
            }
        }
        return {red, green};
    }

    // The trainer with its study record in `data`.
    static void startWithRecord(QProcess &program, const QString &data)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
        program.setProcessEnvironment(environment);
        program.setProgram(QStringLiteral(DRVQ_BUILD_DIR "/drvq"));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start();
    }

    static QString sampleBank() { return study::bankIdentity(QStringLiteral(DRVQ_BUILD_DIR "/Dat/drvq.mdb")); }

    bool quit(QProcess &program, const QString &start)
    {
        key(start, QStringLiteral("alt+q"));
        if (program.waitForFinished(Deadline))
            return program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
        program.kill();
        program.waitForFinished(Deadline);
        return false;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server: run under xvfb-run");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xdotool (scripts/setup installs it)");
        m_bank = BankReader::read(QStringLiteral(DRVQ_BUILD_DIR "/Dat"));
        for (const Question &q : m_bank.questions)
            m_byText.insert(normalized(q.Timu), &q);
    }

    void aWholeExamReviewedAndStartedAgain()
    {
        QProcess program;
        program.setProgram(QStringLiteral(DRVQ_BUILD_DIR "/drvq"));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start();
        QVERIFY(program.waitForStarted());
        const auto start = window(StartTitle);
        QVERIFY2(start, "no start window");

        QVERIFY2(keyUntil(*start, QStringLiteral("alt+s"), [&] { return window(ExamTitle, 0).has_value(); }),
                 "no exam window");
        const auto exam = window(ExamTitle);
        QVERIFY(exam);

        // Answer A and B by turns, adding up what the right answers are worth.
        QList<const Question *> paper;
        int expectedTotal = 0;
        QList<bool> right;
        const Question *previous = nullptr;
        for (int n = 1; n <= 100; ++n) {
            const Question *q = nextQuestion(*exam, previous);
            QVERIFY2(q, qPrintable(QStringLiteral("question %1 not found in the bank: %2").arg(n).arg(read(*exam, ExamQuestion))));
            QVERIFY2(!paper.contains(q), "a question came twice");
            paper << q;
            const QString letter = n % 2 ? QStringLiteral("A") : QStringLiteral("B");
            if (q->Key == letter)
                expectedTotal += q->Score;
            right << (q->Key == letter);
            key(*exam, QStringLiteral("alt+") + letter.toLower());
            previous = q;
        }
        // After question 100 the paper starts again at question 1.
        QCOMPARE(nextQuestion(*exam, previous), paper.first());

        click(*exam, ExamHandIn);
        const auto score = window(ScoreTitle);
        QVERIFY2(score, "no score window");
        QVERIFY(gone(ExamTitle));
        // Each number's caption is clearly green when answered right and red otherwise, once
        // the window is drawn.
        const QPoint scoreAt = origin(*score);
        QStringList wrongColour;
        QElapsedTimer drawn;
        drawn.start();
        for (;;) {
            const QImage shot = screenshot(QStringLiteral("score-mixed"));
            wrongColour.clear();
            for (int n = 1; n <= 100; ++n) {
                const auto [red, green] = captionInks(shot, QRect(scoreAt + scoreNumber(n) - QPoint(12, 10), QSize(24, 20)));
                if (right[n - 1] ? !(green > 5 && red == 0) : !(red > 5 && green == 0))
                    wrongColour << QStringLiteral("%1 (tid %2, key %3)").arg(n).arg(paper[n - 1]->tid).arg(paper[n - 1]->Key);
            }
            if (wrongColour.isEmpty() || drawn.elapsed() > Deadline)
                break;
            QTest::qWait(50);
        }
        QVERIFY2(wrongColour.isEmpty(), qPrintable(wrongColour.join(QStringLiteral(", "))));
        QCOMPARE(read(*score, ScoreTotal), QString::number(expectedTotal));

        // Review a question with a sign if the paper has one, otherwise question 1.
        int reviewed = 1;
        for (int n = 1; n <= 100; ++n) {
            if (!paper[n - 1]->biaozhi.trimmed().isEmpty()) {
                reviewed = n;
                break;
            }
        }
        const Question &q = *paper[reviewed - 1];
        click(*score, scoreNumber(reviewed));
        const auto review = window(ExamTitle);
        QVERIFY2(review, "the exam window did not come back for review");
        QCOMPARE(questionOnDisplay(*review), &q);
        screenshot(QStringLiteral("review-sign"));
        QCOMPARE(read(*review, ExamAnalysisBox), normalized(q.ANALYSIS));

        click(*review, ExamKnowledge);
        const QStringList points = knowledgeOf(q);
        const QString expectedPoint = points.isEmpty() ? QStringLiteral("本题没有相应的知识点解释")
                                                       : points[points.size() > 1 ? 1 : 0];
        QCOMPARE(read(*review, ExamAnalysisBox), expectedPoint);

        click(*review, ExamLeave);
        QVERIFY(gone(ExamTitle));
        QVERIFY(window(ScoreTitle, 0));

        click(*score, ScoreQuit);
        QVERIFY2(gone(ScoreTitle), "the score window stayed");
        QVERIFY(!window(ExamTitle, 0));

        QVERIFY2(keyUntil(*start, QStringLiteral("alt+s"), [&] { return window(ExamTitle, 0).has_value(); }),
                 "no exam window for the second exam");
        const auto again = window(ExamTitle);
        QVERIFY(again);
        QVERIFY(m_byText.contains(read(*again, ExamQuestion)));

        key(*start, QStringLiteral("alt+q"));
        if (!program.waitForFinished(Deadline)) {
            program.kill();
            QFAIL("\"&Q退出\" on the start window did not end the program");
        }
        QCOMPARE(program.exitCode(), 0);
    }
    // A paper handed in is on record when the program is started again; its wrong answers
    // are in the book and its unanswered questions are not.
    void aHandedInPaperOutlivesTheProgram()
    {
        QTemporaryDir data;
        const QString recordPath = data.filePath(QStringLiteral("drvq/study.sqlite"));
        {
            QProcess program;
            startWithRecord(program, data.path());
            QVERIFY(program.waitForStarted());
            const auto start = window(StartTitle);
            QVERIFY2(start, "no start window");
            QVERIFY2(keyUntil(*start, QStringLiteral("alt+s"), [&] { return window(ExamTitle, 0).has_value(); }),
                     "no exam window");
            const auto exam = window(ExamTitle);
            QVERIFY(exam);
            const QString letters = QStringLiteral("ABBAB");
            const Question *previous = nullptr;
            for (const QChar letter : letters) {
                previous = nextQuestion(*exam, previous);
                QVERIFY(previous);
                key(*exam, QStringLiteral("alt+") + letter.toLower());
            }
            QVERIFY(nextQuestion(*exam, previous));
            click(*exam, ExamHandIn);
            const auto score = window(ScoreTitle);
            QVERIFY2(score, "no score window");
            // The paper is written before the score window comes up.
            {
                study::StudyRecord record(recordPath);
                QCOMPARE(record.papers(sampleBank()).size(), 1);
            }
            click(*score, ScoreQuit);
            QVERIFY(gone(ScoreTitle));
            QVERIFY(quit(program, *start));
        }
        QList<qint32> wrong;
        {
            study::StudyRecord record(recordPath);
            const auto papers = record.papers(sampleBank());
            QCOMPARE(papers.size(), 1);
            const auto paper = record.paper(papers.first().id);
            QVERIFY(paper);
            QCOMPARE(paper->questions.size(), 100);
            for (int n = 0; n < 100; ++n) {
                const auto &q = paper->questions[n];
                QCOMPARE(q.given, n < 5 ? QString(QStringLiteral("ABBAB")[n]) : QString());
                if (n < 5 && q.given != q.key)
                    wrong << q.question.tid;
            }
            QList<qint32> book;
            for (const auto &entry : record.book(sampleBank()))
                book << entry.question.tid;
            std::sort(wrong.begin(), wrong.end());
            std::sort(book.begin(), book.end());
            QCOMPARE(book, wrong);
        }

        // Started again, the study window opens over the same record.
        QProcess program;
        startWithRecord(program, data.path());
        QVERIFY(program.waitForStarted());
        const auto start = window(StartTitle);
        QVERIFY2(start, "no start window the second time");
        QVERIFY2(keyUntil(*start, QStringLiteral("alt+p"), [&] { return window(StudyTitle, 0).has_value(); }),
                 "no study window");
        screenshot(QStringLiteral("study-after-restart"));
        QVERIFY(quit(program, *start));
        study::StudyRecord record(recordPath);
        QCOMPARE(record.papers(sampleBank()).size(), 1);
        QCOMPARE(record.book(sampleBank()).size(), wrong.size());
    }

    // Killed with SIGKILL in the middle of practice, the trainer keeps every answer it
    // had written, and starts again over the same record.
    void killedDuringPracticeKeepsEveryAnswer()
    {
        QTemporaryDir data;
        const QString recordPath = data.filePath(QStringLiteral("drvq/study.sqlite"));
        const auto answersOnRecord = [&] {
            study::StudyRecord record(recordPath);
            return int(record.answerEvents(sampleBank()).size());
        };
        QProcess program;
        startWithRecord(program, data.path());
        QVERIFY(program.waitForStarted());
        const auto start = window(StartTitle);
        QVERIFY2(start, "no start window");
        QVERIFY2(keyUntil(*start, QStringLiteral("alt+p"), [&] { return window(StudyTitle, 0).has_value(); }),
                 "no study window");
        const auto studyWindow = window(StudyTitle);
        QVERIFY(studyWindow);
        // The first way to practise has the focus: in bank order.
        key(*studyWindow, QStringLiteral("space"));
        int given = 0;
        for (int i = 0; i < 8; ++i) {
            QVERIFY2(keyUntil(*studyWindow, QStringLiteral("alt+a"), [&] { return answersOnRecord() > given; }),
                     qPrintable(QStringLiteral("answer %1 was not written").arg(i + 1)));
            ++given;
            QCOMPARE(answersOnRecord(), given);
            key(*studyWindow, QStringLiteral("Right"));
        }
        screenshot(QStringLiteral("study-practice"));
        program.kill();
        QVERIFY(program.waitForFinished(Deadline));
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);
        QCOMPARE(answersOnRecord(), given);

        QProcess again;
        startWithRecord(again, data.path());
        QVERIFY(again.waitForStarted());
        const auto start2 = window(StartTitle);
        QVERIFY2(start2, "no start window after the kill");
        QVERIFY2(keyUntil(*start2, QStringLiteral("alt+p"), [&] { return window(StudyTitle, 0).has_value(); }),
                 "no study window after the kill");
        QVERIFY(quit(again, *start2));
        QCOMPARE(answersOnRecord(), given);
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestReviewProgram test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reviewprogram.moc"
