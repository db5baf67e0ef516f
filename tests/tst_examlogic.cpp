// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown, the knowledge cycling of the review and the blanks around bank values,
// without any window.
#include "blanks.h"
#include "countdown.h"
#include "knowledgecycle.h"

#include <QTest>

class TestExamLogic : public QObject {
    Q_OBJECT

private slots:
    void aTick_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("handIn");
        QTest::addColumn<QString>("shown");  // after the tick
        QTest::newRow("the first tick") << 45 << 0 << false << "44:59";
        QTest::newRow("within a minute") << 12 << 34 << false << "12:33";
        QTest::newRow("the last second of a minute") << 1 << 1 << false << "01:00";
        QTest::newRow("the tick that shows 00:00") << 0 << 1 << false << "00:00";
        QTest::newRow("the tick after 00:00 hands in") << 0 << 0 << true << "00:00";
        QTest::newRow("below zero hands in") << -1 << 59 << true << "-1:59";
    }
    void aTick()
    {
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(bool, handIn);
        QFETCH(QString, shown);
        const Countdown::Tick tick = Countdown::tick(minutes, seconds);
        QCOMPARE(tick == Countdown::Tick::HandIn, handIn);
        QCOMPARE(Countdown::figure(minutes) + u':' + Countdown::figure(seconds), shown);
    }

    void aWholeExamHandsInOnTick2701()
    {
        int minutes = Countdown::ExamMinutes;
        int seconds = 0;
        int ticks = 0;
        while (Countdown::tick(minutes, seconds) == Countdown::Tick::Counted) {
            ++ticks;
            QVERIFY(minutes >= 0 && seconds >= 0 && seconds < 60);
        }
        QCOMPARE(ticks + 1, 2701);
    }

    void theKnowledgeCycle_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("start");  // the index the drawing left
        QTest::addColumn<QList<int>>("shown");  // by successive presses
        QTest::newRow("none") << 0 << 0 << QList<int>{0, 0};
        QTest::newRow("one") << 1 << 1 << QList<int>{1, 1, 1};
        QTest::newRow("three, second first") << 3 << 1 << QList<int>{2, 3, 1, 2};
        QTest::newRow("ten") << 10 << 1 << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2};
        QTest::newRow("never preloaded") << 2 << 0 << QList<int>{1, 2, 1};
        QTest::newRow("out of range starts over") << 3 << 7 << QList<int>{1, 2};
    }
    void theKnowledgeCycle()
    {
        QFETCH(int, count);
        QFETCH(int, start);
        QFETCH(QList<int>, shown);
        QList<int> seen;
        int index = start;
        for (qsizetype press = 0; press < shown.size(); ++press)
            seen << (index = KnowledgeCycle::next(index, count));
        QCOMPARE(seen, shown);
    }

    void blanksAroundABankValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blanks only") << "   " << "";
        QTest::newRow("control characters") << "\t\r\n\x01" << "";
        QTest::newRow("around a name") << "  jg_a.jpg \r\n" << "jg_a.jpg";
        QTest::newRow("inside kept") << " A B " << "A B";
        QTest::newRow("ideographic space kept") << QStringLiteral("\u3000甲\u3000") << QStringLiteral("\u3000甲\u3000");
    }
    void blanksAroundABankValue()
    {
        QFETCH(QString, value);
        QFETCH(QString, trimmed);
        QCOMPARE(trimBlanks(value), trimmed);
    }

    void theCountAsTheReviewSaysIt()
    {
        QCOMPARE(KnowledgeCycle::countText(10), QStringLiteral("共有'10'个知识点"));
    }
};

QTEST_GUILESS_MAIN(TestExamLogic)
#include "tst_examlogic.moc"
