// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scoring a handed-in paper and the pass rule, without any window.
#include "examscore.h"

#include <QTest>

#include <algorithm>

namespace {

// Question n worth scores[(n - 1) % size], with keys and answers repeating alike.
std::array<_Tk, ExamLength + 1> paper(const QList<int> &scores, const QStringList &keys, const QStringList &answers)
{
    std::array<_Tk, ExamLength + 1> sheet;
    for (int n = 1; n <= ExamLength; ++n) {
        _Tk &slot = sheet[std::size_t(n)];
        slot.QuestionScore = scores[(n - 1) % scores.size()];
        slot.CorrectKey = keys[(n - 1) % keys.size()];
        slot.GivenAnswer = answers[(n - 1) % answers.size()];
    }
    return sheet;
}

} // namespace

class TestExamScore : public QObject {
    Q_OBJECT

private slots:
    void thePassRule_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("fullMarks");
        QTest::addColumn<bool>("passed");
        QTest::newRow("90 of 100") << qint64(90) << qint64(100) << true;
        QTest::newRow("89 of 100") << qint64(89) << qint64(100) << false;
        QTest::newRow("100 of 100") << qint64(100) << qint64(100) << true;
        QTest::newRow("0 of 100") << qint64(0) << qint64(100) << false;
        QTest::newRow("180 of 200") << qint64(180) << qint64(200) << true;
        QTest::newRow("179 of 200") << qint64(179) << qint64(200) << false;
        QTest::newRow("9 of 10, no rounding") << qint64(9) << qint64(10) << true;
        QTest::newRow("89.9 % of 1,000") << qint64(899) << qint64(1000) << false;
        QTest::newRow("a paper worth nothing") << qint64(0) << qint64(0) << false;
        QTest::newRow("a paper worth less than nothing") << qint64(0) << qint64(-5) << false;
        QTest::newRow("large scores do not overflow") << qint64(2'000'000'000) << qint64(2'100'000'000) << true;
    }
    void thePassRule()
    {
        QFETCH(qint64, total);
        QFETCH(qint64, fullMarks);
        QFETCH(bool, passed);
        QCOMPARE(passes(total, fullMarks), passed);
    }

    void scoringAPaper_data()
    {
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("right");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("fullMarks");
        QTest::addColumn<bool>("passed");
        QTest::newRow("all right") << QList<int>{1} << QStringList{"A", "B", "C"} << QStringList{"A", "B", "C"} << 100
                                   << qint64(100) << qint64(100) << true;
        QTest::newRow("nine in ten right") << QList<int>{1} << QStringList{"A"}
                                           << QStringList{"A", "A", "A", "A", "A", "A", "A", "A", "A", "B"} << 90
                                           << qint64(90) << qint64(100) << true;
        QTest::newRow("unanswered") << QList<int>{1} << QStringList{"A"} << QStringList{""} << 0 << qint64(0)
                                    << qint64(100) << false;
        QTest::newRow("lower-case key is wrong") << QList<int>{1} << QStringList{"a"} << QStringList{"A"} << 0
                                                 << qint64(0) << qint64(100) << false;
        QTest::newRow("empty key, unanswered, is right") << QList<int>{1} << QStringList{""} << QStringList{""} << 100
                                                         << qint64(100) << qint64(100) << true;
        // Worth 2 and 0 by turns: the 50 right ones are the ones worth nothing.
        QTest::newRow("right only where worth nothing") << QList<int>{2, 0} << QStringList{"A"} << QStringList{"B", "A"}
                                                        << 50 << qint64(0) << qint64(100) << false;
    }
    void scoringAPaper()
    {
        QFETCH(QList<int>, scores);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, answers);
        QFETCH(int, right);
        QFETCH(qint64, total);
        QFETCH(qint64, fullMarks);
        QFETCH(bool, passed);
        std::array<_Tk, ExamLength + 1> sheet = paper(scores, keys, answers);
        sheet[0].QuestionScore = 1000;  // slot 0 is never part of a paper
        sheet[0].GivenAnswer = sheet[0].CorrectKey;
        const ExamScore score = scorePaper(sheet);
        QCOMPARE(int(std::count(score.right.begin() + 1, score.right.end(), true)), right);
        QVERIFY(!score.right[0]);
        QCOMPARE(score.total, total);
        QCOMPARE(score.fullMarks, fullMarks);
        QCOMPARE(score.passed(), passed);
    }
};

QTEST_GUILESS_MAIN(TestExamScore)
#include "tst_examscore.moc"
