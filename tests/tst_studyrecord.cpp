// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The trainee's record: the review schedule, the question digest, what is written where,
// and files the record did not write or cannot write.
#include "studyrecord.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace study;

using Answers = QList<QPair<int, bool>>;

namespace {

const QDateTime Start = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);

QuestionRef question(int tid, const QString &bank = QStringLiteral("/bank/drvq.mdb"))
{
    return {bank, tid, questionDigest(QStringLiteral("题%1").arg(tid), QStringLiteral("正确"), QStringLiteral("错误"), {}, QStringLiteral("A"))};
}

PaperRecord paperOf(const QList<QPair<int, QString>> &answers)
{
    PaperRecord paper;
    paper.bank = QStringLiteral("/bank/drvq.mdb");
    paper.startedAt = Start;
    paper.secondsUsed = 600;
    paper.fullMarks = answers.size();
    for (const auto &[tid, given] : answers) {
        paper.questions << PaperQuestion{question(tid), given, QStringLiteral("A"), 1};
        paper.score += given == QLatin1String("A") ? 1 : 0;
    }
    paper.passed = paper.score * 10 >= paper.fullMarks * 9;
    return paper;
}

} // namespace

class TestStudyRecord : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QDateTime m_now = Start;

    QString recordPath() const { return m_dir.filePath(QStringLiteral("drvq/study.sqlite")); }
    std::unique_ptr<StudyRecord> openRecord(const QString &path = {})
    {
        return std::make_unique<StudyRecord>(path.isEmpty() ? recordPath() : path, [this] { return m_now; });
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_now = Start;
    }

    void theDefaultPathIsInTheUsersDataFolder()
    {
        qputenv("XDG_DATA_HOME", m_dir.path().toUtf8());
        QCOMPARE(StudyRecord::defaultPath(), m_dir.path() + QStringLiteral("/drvq/study.sqlite"));
    }

    // Days after entering at Start; true for a right answer.
    void theScheduleSpacesReviewsByDate_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("dueInDays");  // from the last answer
        QTest::addColumn<bool>("mastered");
        QTest::newRow("entered") << Answers{} << 0 << 1 << false;
        QTest::newRow("right when due") << Answers{{1, true}} << 1 << 3 << false;
        QTest::newRow("right before due changes nothing") << Answers{{0, true}} << 0 << 1 << false;
        QTest::newRow("two steps") << Answers{{1, true}, {4, true}} << 2 << 7 << false;
        QTest::newRow("three steps master it") << Answers{{1, true}, {4, true}, {11, true}} << 3 << 15 << true;
        QTest::newRow("wrong goes back to the first step")
            << Answers{{1, true}, {4, true}, {5, false}} << 0 << 1 << false;
        QTest::newRow("wrong resets the streak")
            << Answers{{1, true}, {2, false}, {3, true}, {6, true}} << 2 << 7 << false;
        QTest::newRow("a mastered question answered wrong re-enters")
            << Answers{{1, true}, {4, true}, {11, true}, {12, false}} << 0 << 1 << false;
    }

    void theScheduleSpacesReviewsByDate()
    {
        QFETCH(Answers, answers);
        QFETCH(int, step);
        QFETCH(int, dueInDays);
        QFETCH(bool, mastered);
        ReviewSchedule::Step s = ReviewSchedule::entered(Start);
        QDateTime last = Start;
        for (const auto &[day, right] : answers) {
            const QDateTime at = Start.addDays(day);
            const auto next = ReviewSchedule::answered(s, right, at);
            if (!(next == s))
                last = at;
            s = next;
        }
        QCOMPARE(s.step, step);
        QCOMPARE(s.mastered, mastered);
        QCOMPARE(s.due, last.addDays(dueInDays));
    }

    void theDigestTellsQuestionsApart_data()
    {
        QTest::addColumn<QStringList>("a");
        QTest::addColumn<QStringList>("b");
        QTest::addColumn<bool>("same");
        const QStringList base{"题", "甲", "乙", "丙", "A"};
        QTest::newRow("same texts") << base << base << true;
        QTest::newRow("another key") << base << QStringList{"题", "甲", "乙", "丙", "B"} << false;
        QTest::newRow("a choice reworded") << base << QStringList{"题", "甲", "乙乙", "丙", "A"} << false;
        QTest::newRow("texts run together differently")
            << QStringList{"ab", "c", "", "", "A"} << QStringList{"a", "bc", "", "", "A"} << false;
    }

    void theDigestTellsQuestionsApart()
    {
        QFETCH(QStringList, a);
        QFETCH(QStringList, b);
        QFETCH(bool, same);
        QCOMPARE(questionDigest(a[0], a[1], a[2], a[3], a[4]) == questionDigest(b[0], b[1], b[2], b[3], b[4]), same);
    }

    void aWrongPracticeAnswerEntersTheBookAndARightOneWhenDueMovesItOn()
    {
        auto record = openRecord();
        QVERIFY(record->isKept());
        QVERIFY(record->addPracticeAnswer({question(7), QStringLiteral("B"), QStringLiteral("A"), PracticeMode::Random, {}}));
        QVERIFY(record->addPracticeAnswer({question(8), QStringLiteral("A"), QStringLiteral("A"), PracticeMode::Random, {}}));
        auto book = record->book(question(7).bank);
        QCOMPARE(book.size(), 1);
        QCOMPARE(book[0].question, question(7));
        QCOMPARE(book[0].step.due, Start.addDays(1));
        m_now = Start.addDays(1);
        QVERIFY(record->addPracticeAnswer({question(7), QStringLiteral("A"), QStringLiteral("A"), PracticeMode::WrongBook, {}}));
        QCOMPARE(record->book(question(7).bank)[0].step.step, 1);
        QCOMPARE(record->answerEvents(question(7).bank).size(), 3);
    }

    void aPaperIsKeptWithItsQuestionsInOrderAndOnlyAttemptsEnterTheBook()
    {
        auto record = openRecord();
        PaperRecord handedIn = paperOf({{3, "A"}, {1, "B"}, {2, ""}, {9, "a"}});
        handedIn.questions[2].given = QString();  // the exam leaves an unanswered one null
        const auto id = record->addPaper(handedIn);
        QVERIFY(id);
        const auto back = record->paper(*id);
        QVERIFY(back);
        QCOMPARE(back->questions.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(back->questions[i].question, handedIn.questions[i].question);
            QCOMPARE(back->questions[i].given, handedIn.questions[i].given);
        }
        // Left unanswered is no attempt; a lower-case "a" is wrong, as the score window says.
        QList<int> inBook;
        for (const BookEntry &entry : record->book(handedIn.bank))
            inBook << entry.question.tid;
        QCOMPARE(inBook, (QList<int>{1, 9}));
        const auto summaries = record->papers(handedIn.bank);
        QCOMPARE(summaries.size(), 1);
        QCOMPARE(summaries[0].score, 1);
        QCOMPARE(summaries[0].wrongCount, 3);
        QCOMPARE(record->answerEvents(handedIn.bank).size(), 3);
        QVERIFY(record->papers(QStringLiteral("/another/drvq.mdb")).isEmpty());
    }

    // The tallies count what answerEvents() lists: practice and paper attempts of one bank,
    // over every digest a tid has had, unanswered paper questions left out.
    void theTalliesCountEveryAttemptOfTheBank()
    {
        auto record = openRecord();
        QVERIFY(record->addPaper(paperOf({{3, "A"}, {1, "B"}, {2, ""}, {9, "a"}})));
        QVERIFY(record->addPracticeAnswer({question(3), QStringLiteral("B"), QStringLiteral("A"), PracticeMode::Random, {}}));
        QuestionRef rewritten = question(3);
        rewritten.digest = questionDigest(QStringLiteral("新题"), {}, {}, {}, QStringLiteral("A"));
        QVERIFY(record->addPracticeAnswer({rewritten, QStringLiteral("A"), QStringLiteral("A"), PracticeMode::Topic, {}}));
        QVERIFY(record->addPracticeAnswer({question(3, QStringLiteral("/other/drvq.mdb")), QStringLiteral("A"),
                                           QStringLiteral("A"), PracticeMode::Random, {}}));
        const QHash<qint32, Tally> tallies = record->tallies(QStringLiteral("/bank/drvq.mdb"));
        QHash<qint32, Tally> counted;
        for (const AnswerEvent &e : record->answerEvents(QStringLiteral("/bank/drvq.mdb"))) {
            ++counted[e.tid].answers;
            counted[e.tid].right += e.right;
        }
        QCOMPARE(tallies.keys().size(), counted.keys().size());
        for (auto it = counted.cbegin(); it != counted.cend(); ++it) {
            QCOMPARE(tallies.value(it.key()).answers, it->answers);
            QCOMPARE(tallies.value(it.key()).right, it->right);
        }
        QCOMPARE(tallies.value(3).answers, 3);
        QCOMPARE(tallies.value(3).right, 2);
        QVERIFY(!tallies.contains(2));
    }

    // Oldest first, whatever order they were written in; at one moment the practice answers
    // before a paper's, each in the order given. `before` leaves out what came from then on.
    void answerEventsComeOldestFirstInTheOrderGiven()
    {
        auto record = openRecord();
        const auto practise = [&](int tid, const char *given) {
            QVERIFY(record->addPracticeAnswer(
                {question(tid), QString::fromLatin1(given), QStringLiteral("A"), PracticeMode::Random, {}}));
        };
        m_now = Start.addSecs(60);
        QVERIFY(record->addPaper(paperOf({{5, "A"}, {2, ""}, {4, "B"}})));
        m_now = Start;  // the clock set back: an earlier answer written after
        practise(8, "B");
        m_now = Start.addSecs(60);
        practise(7, "A");
        practise(6, "A");
        m_now = Start.addSecs(120);
        QVERIFY(record->addPaper(paperOf({{3, "A"}})));
        QList<int> tids;
        QList<bool> inPaper;
        for (const AnswerEvent &e : record->answerEvents(question(0).bank)) {
            tids << e.tid;
            inPaper << e.inPaper;
        }
        QCOMPARE(tids, (QList<int>{8, 7, 6, 5, 4, 3}));
        QCOMPARE(inPaper, (QList<bool>{false, false, false, true, true, true}));
        const QList<AnswerEvent> earlier = record->answerEvents(question(0).bank, Start.addSecs(60));
        QCOMPARE(earlier.size(), 1);
        QCOMPARE(earlier[0].tid, 8);
        QCOMPARE(earlier[0].at, Start);
        QCOMPARE(earlier[0].digest, question(8).digest);
        QVERIFY(!earlier[0].right);
    }

    void aRewrittenQuestionDoesNotInheritTheOldOnesRecord()
    {
        auto record = openRecord();
        QVERIFY(record->addPracticeAnswer({question(5), QStringLiteral("B"), QStringLiteral("A"), PracticeMode::Random, {}}));
        QuestionRef rewritten = question(5);
        rewritten.digest = questionDigest(QStringLiteral("新题"), QStringLiteral("甲"), QStringLiteral("乙"), {}, QStringLiteral("A"));
        QVERIFY(!record->isFavourite(rewritten));
        QVERIFY(record->setFavourite(question(5), true));
        QVERIFY(record->isFavourite(question(5)));
        QVERIFY(!record->isFavourite(rewritten));
        QCOMPARE(record->book(rewritten.bank)[0].question.digest, question(5).digest);
    }

    void theRecordOutlivesTheProgramAndTwoTrainersShareIt()
    {
        {
            auto first = openRecord();
            auto second = openRecord();
            QVERIFY(first->isKept() && second->isKept());
            for (int i = 0; i < 20; ++i) {
                QVERIFY(first->addPracticeAnswer({question(i), QStringLiteral("A"), QStringLiteral("A"), PracticeMode::Sequential, {}}));
                QVERIFY(second->addPracticeAnswer({question(100 + i), QStringLiteral("B"), QStringLiteral("A"), PracticeMode::Random, {}}));
            }
            QVERIFY(first->setSequentialPosition(question(0).bank, 20));
            QCOMPARE(second->answerEvents(question(0).bank).size(), 40);
        }
        auto again = openRecord();
        QCOMPARE(again->answerEvents(question(0).bank).size(), 40);
        QCOMPARE(again->book(question(0).bank).size(), 20);
        QCOMPARE(again->sequentialPosition(question(0).bank), 20);
        QVERIFY(again->takeNotices().isEmpty());
    }

    void anOlderRecordIsMigratedWithItsData()
    {
        QDir().mkpath(QFileInfo(recordPath()).absolutePath());
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
            db.setDatabaseName(recordPath());
            QVERIFY(db.open());
            QSqlQuery q(db);
            // Version 1 of the schema, as the first release wrote it, with one answer.
            QVERIFY(q.exec("CREATE TABLE question (id INTEGER PRIMARY KEY, bank TEXT NOT NULL, tid INTEGER NOT NULL, digest TEXT NOT NULL, UNIQUE (bank, tid, digest))"));
            QVERIFY(q.exec("CREATE TABLE practice_answer (id INTEGER PRIMARY KEY, question INTEGER NOT NULL, given TEXT NOT NULL, answer_key TEXT NOT NULL, correct INTEGER NOT NULL, mode INTEGER NOT NULL, at INTEGER NOT NULL)"));
            QVERIFY(q.exec("CREATE TABLE paper (id INTEGER PRIMARY KEY, bank TEXT NOT NULL, started_at INTEGER NOT NULL, handed_in_at INTEGER NOT NULL, seconds_used INTEGER NOT NULL, score INTEGER NOT NULL, full_marks INTEGER NOT NULL, passed INTEGER NOT NULL, pass_chance REAL)"));
            QVERIFY(q.exec("CREATE TABLE paper_question (paper INTEGER NOT NULL, position INTEGER NOT NULL, question INTEGER NOT NULL, given TEXT NOT NULL, answer_key TEXT NOT NULL, score INTEGER NOT NULL, PRIMARY KEY (paper, position))"));
            QVERIFY(q.exec("CREATE TABLE book (question INTEGER PRIMARY KEY, step INTEGER NOT NULL, streak INTEGER NOT NULL, due INTEGER NOT NULL, mastered INTEGER NOT NULL, entered_at INTEGER NOT NULL)"));
            QVERIFY(q.exec("CREATE TABLE favourite (question INTEGER PRIMARY KEY, added_at INTEGER NOT NULL)"));
            QVERIFY(q.exec("CREATE TABLE sequential_position (bank TEXT PRIMARY KEY, tid INTEGER NOT NULL)"));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO question VALUES (1, '/bank/drvq.mdb', 4, '%1')").arg(QString::fromLatin1(question(4).digest))));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO practice_answer VALUES (1, 1, 'A', 'A', 1, 1, %1)").arg(Start.toMSecsSinceEpoch())));
            QVERIFY(q.exec(QStringLiteral("PRAGMA application_id=%1").arg(StudyRecord::ApplicationId)));
            QVERIFY(q.exec("PRAGMA user_version=1"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v1"));
        auto record = openRecord();
        QVERIFY(record->isKept());
        QCOMPARE(record->answerEvents(question(4).bank).size(), 1);
        QVERIFY(record->addPracticeAnswer({question(4), QStringLiteral("B"), QStringLiteral("A"), PracticeMode::Random, {}}));
    }

    // What is at the record's place, and whether it is moved aside (kept under another
    // name) or left alone; either way the trainee is told once, with the path.
    void aFileTheRecordCannotUseIsNeverOverwritten_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("movedAside");
        QTest::addColumn<bool>("kept");
        QByteArray random(8192, '\0');
        QRandomGenerator gen(17);
        for (char &c : random)
            c = char(gen.bounded(256));
        QTest::newRow("random bytes") << random << true << true;
        QTest::newRow("truncated") << QByteArray("truncated") << true << true;
        QTest::newRow("newer version") << QByteArray("newer") << false << false;
        QTest::newRow("another program's database") << QByteArray("foreign") << true << true;
    }

    void aFileTheRecordCannotUseIsNeverOverwritten()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, movedAside);
        QFETCH(bool, kept);
        QDir().mkpath(QFileInfo(recordPath()).absolutePath());
        if (content == "truncated" || content == "newer" || content == "foreign") {
            {
                auto record = openRecord();
                for (int i = 0; i < 300; ++i)
                    record->addPracticeAnswer({question(i), QStringLiteral("B"), QStringLiteral("A"), PracticeMode::Random, {}});
            }
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("edit"));
            db.setDatabaseName(recordPath());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("PRAGMA wal_checkpoint(TRUNCATE)"));
            if (content == "newer")
                QVERIFY(q.exec(QStringLiteral("PRAGMA user_version=%1").arg(StudyRecord::SchemaVersion + 1)));
            if (content == "foreign")
                QVERIFY(q.exec("PRAGMA application_id=12345"));
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("edit"));
            if (content == "truncated") {
                QFile file(recordPath());
                QVERIFY(file.open(QIODevice::ReadWrite));
                QVERIFY(file.resize(file.size() / 2));
            }
        } else {
            QFile file(recordPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QFile original(recordPath());
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray before = original.readAll();
        original.close();

        auto record = openRecord();
        QCOMPARE(record->isKept(), kept);
        const QStringList notices = record->takeNotices();
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].contains(recordPath()), qPrintable(notices[0]));
        QVERIFY(record->takeNotices().isEmpty());
        const QStringList aside = QDir(QFileInfo(recordPath()).absolutePath())
                                      .entryList({QStringLiteral("study.sqlite.damaged-*")}, QDir::Files);
        QCOMPARE(aside.filter(QRegularExpression("\\d$")).size(), movedAside ? 1 : 0);
        const QString keptAs = movedAside ? QFileInfo(recordPath()).absolutePath() + '/' + aside.filter(QRegularExpression("\\d$"))[0]
                                          : recordPath();
        QFile still(keptAs);
        QVERIFY(still.open(QIODevice::ReadOnly));
        QCOMPARE(still.readAll(), before);
        if (kept)
            QVERIFY(record->addPracticeAnswer({question(1), QStringLiteral("B"), QStringLiteral("A"), PracticeMode::Random, {}}));
        else
            QVERIFY(!record->addPracticeAnswer({question(1), QStringLiteral("B"), QStringLiteral("A"), PracticeMode::Random, {}}));
    }

    // The trainer killed while it writes: every answer it had been told was written is there.
    void aKilledWriterLosesNoAnswerItHadWritten()
    {
        QProcess writer;
        writer.start(QStringLiteral(DRVQ_STUDY_WRITER), {recordPath()});
        QVERIFY(writer.waitForStarted());
        QByteArray told;
        while (told.count('\n') < 200 && writer.state() == QProcess::Running) {
            QVERIFY(writer.waitForReadyRead(30000));
            told += writer.readAllStandardOutput();
        }
        writer.kill();  // SIGKILL: no destructor, no checkpoint
        QVERIFY(writer.waitForFinished());
        told += writer.readAllStandardOutput();
        const QList<QByteArray> lines = told.left(told.lastIndexOf('\n')).split('\n');
        const int last = lines.last().toInt();
        QVERIFY(last >= 200);

        auto record = openRecord();
        QVERIFY(record->isKept());
        QVERIFY(record->takeNotices().isEmpty());
        QSet<int> written;
        for (const AnswerEvent &event : record->answerEvents(QStringLiteral("/bank/drvq.mdb")))
            written.insert(event.tid);
        for (int n = 1; n <= last; ++n)
            QVERIFY2(written.contains(n), qPrintable(QStringLiteral("answer %1 lost").arg(n)));
        // Every third answer was wrong, so the book holds those, and nothing else.
        QCOMPARE(record->book(QStringLiteral("/bank/drvq.mdb")).size(), int(written.size() / 3));
    }

    // A data folder that cannot be made: a regular file stands where it should be, which
    // holds for root too.
    void aFolderThatCannotBeWrittenStopsNothing()
    {
        QFile blocker(m_dir.filePath(QStringLiteral("drvq")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto record = openRecord();
        QVERIFY(!record->isKept());
        const QStringList notices = record->takeNotices();
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices[0].contains(recordPath()));
        QVERIFY(!record->addPracticeAnswer({question(1), QStringLiteral("B"), QStringLiteral("A"), PracticeMode::Random, {}}));
        QVERIFY(!record->addPaper(paperOf({{1, "A"}})));
        QVERIFY(record->papers(question(1).bank).isEmpty());
        QVERIFY(record->takeNotices().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStudyRecord)
#include "tst_studyrecord.moc"
