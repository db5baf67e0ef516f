// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A handed-in paper as the study record keeps it: paper order, answers, keys, the verdict
// judged as the score window judges it.
#include "handin.h"

#include "exampaper.h"
#include "examscore.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestHandIn : public QObject {
    Q_OBJECT

    QTemporaryDir m_data;

    static void fillPaper(int right)
    {
        for (int n = 1; n <= ExamLength; ++n) {
            _Tk &slot = ExamPaper[n];
            slot = _Tk{};
            slot.QuestionId = 1000 - n;
            slot.QuestionText = QStringLiteral("题%1").arg(n);
            slot.ChoiceA = QStringLiteral("甲");
            slot.ChoiceB = QStringLiteral("乙");
            slot.CorrectKey = QStringLiteral("A");
            slot.QuestionScore = 1;
            slot.GivenAnswer = n <= right ? QStringLiteral("A") : n == ExamLength ? QString() : QStringLiteral("B");
        }
    }

    QStringList m_notices;

private slots:

    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        practice::setNoticeShower([this](QWidget *, const QString &notice) { m_notices << notice; });
    }
    void init() { m_notices.clear(); }

    void thePaperIsKeptInPaperOrderAndJudgedAsScored_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<bool>("passed");
        QTest::newRow("90 right passes") << 90 << true;
        QTest::newRow("89 right fails") << 89 << false;
    }
    void thePaperIsKeptInPaperOrderAndJudgedAsScored()
    {
        QFETCH(int, right);
        QFETCH(bool, passed);
        fillPaper(right);
        const QDateTime start = QDateTime::currentDateTime().addSecs(-600);
        const auto paper = practice::paperRecordFromExam(QStringLiteral("bank"), start, 600);
        QCOMPARE(paper.score, scorePaper(ExamPaper).total);
        QCOMPARE(paper.score, right);
        QCOMPARE(paper.fullMarks, 100);
        QCOMPARE(paper.passed, passed);
        QCOMPARE(paper.questions.size(), ExamLength);
        QCOMPARE(paper.questions.first().question.tid, 999);
        QCOMPARE(paper.questions.last().question.tid, 900);
        QVERIFY(paper.questions.last().given.isEmpty());
        QCOMPARE(paper.questions.first().question.digest,
                 study::questionDigest(QStringLiteral("题1"), QStringLiteral("甲"), QStringLiteral("乙"), {}, "A"));

        // Written and read back, the record holds the same paper; the wrong ones are in the book,
        // the unanswered one is not.
        study::StudyRecord record(m_data.filePath(QStringLiteral("drvq/study-%1.sqlite").arg(right)));
        QVERIFY(record.isKept());
        practice::recordHandedInPaper(record, QStringLiteral("bank"), {}, start, 600, nullptr);
        const auto papers = record.papers(QStringLiteral("bank"));
        QVERIFY2(m_notices.isEmpty(), qPrintable(m_notices.join('\n')));
        QCOMPARE(papers.size(), 1);
        QCOMPARE(papers.first().score, right);
        QCOMPARE(papers.first().passed, passed);
        QCOMPARE(papers.first().secondsUsed, 600);
        QCOMPARE(record.book(QStringLiteral("bank")).size(), ExamLength - right - 1);
        // No practice before the paper: no pass chance was worth storing.
        QVERIFY(!papers.first().passChanceAtStart.has_value());
        QVERIFY2(m_notices.isEmpty(), qPrintable(m_notices.join('\n')));
    }

    void aRecordNotKeptWritesNothingAndSaysSoOnce()
    {
        fillPaper(95);
        const QString path = m_data.filePath(QStringLiteral("drvq/newer.sqlite"));
        { study::StudyRecord made(path); }
        {
            // Stamped as written by a newer program.
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("stamp"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = %1").arg(study::StudyRecord::SchemaVersion + 1)));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("stamp"));
        study::StudyRecord record(path);
        QVERIFY(!record.isKept());
        practice::recordHandedInPaper(record, QStringLiteral("bank"), {}, QDateTime::currentDateTime(), 60, nullptr);
        practice::recordHandedInPaper(record, QStringLiteral("bank"), {}, QDateTime::currentDateTime(), 60, nullptr);
        QCOMPARE(m_notices.size(), 1);
        QVERIFY(m_notices.first().contains(path));
        QVERIFY(record.papers(QStringLiteral("bank")).isEmpty());
    }
    // The chance stored with a paper is the estimate from the answers before the paper
    // began: answers given later, during or after it, must not leak into it.
    void thePassChanceAtTheStartIsFromEarlierAnswersOnly()
    {
        const QString bank = QStringLiteral("bank");
        QList<study::BankQuestion> questions;
        for (int tid = 1; tid <= 300; ++tid)
            questions.append({tid, study::questionDigest(QString::number(tid), {}, {}, {}, "A"), {QStringLiteral("01001")}});
        study::StudyRecord record(m_data.filePath(QStringLiteral("drvq/chance.sqlite")));
        QVERIFY(record.isKept());
        const QDateTime start(QDate(2026, 11, 20), QTime(9, 0));
        QVERIFY(!practice::passChanceAt(record, bank, questions, start).has_value());
        for (int i = 0; i < 400; ++i) {
            const auto &q = questions[i % 300];
            // Mostly right before the start, all wrong after it.
            QVERIFY(record.addPracticeAnswer({{bank, q.tid, q.digest}, i % 10 == 0 ? "B" : "A", "A",
                                              study::PracticeMode::Sequential, start.addSecs(-86400 + i)}));
            QVERIFY(record.addPracticeAnswer({{bank, q.tid, q.digest}, "B", "A", study::PracticeMode::Random,
                                              start.addSecs(60 + i)}));
        }
        const auto chance = practice::passChanceAt(record, bank, questions, start);
        QVERIFY(chance.has_value());
        const study::Readiness expected =
            study::estimateReadiness(questions, record.answerEvents(bank, start), start);
        QCOMPARE(*chance, expected.chance);
        QVERIFY(*chance > 0.5);

        fillPaper(95);
        practice::recordHandedInPaper(record, bank, [&] { return questions; }, start, 900, nullptr);
        const auto papers = record.papers(bank);
        QCOMPARE(papers.size(), 1);
        QVERIFY(papers.first().passChanceAtStart.has_value());
        QCOMPARE(*papers.first().passChanceAtStart, *chance);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TestHandIn test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_handin.moc"
