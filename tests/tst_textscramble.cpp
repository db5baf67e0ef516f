// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textscramble.h"

#include <QTest>

class TestTextScramble : public QObject {
    Q_OBJECT

private slots:
    void descramblesByteByByte_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("empty") << QByteArray() << 0x7F << QByteArray();
        QTest::newRow("ascii is xored every byte") << QByteArray("AB\r\n") << 0x21
                                                   << QByteArray("\x60\x63\x2C\x2B");
        QTest::newRow("last byte a lead byte stays") << QByteArray("\x41\xB0", 2) << 0x01
                                                     << QByteArray("\x40\xB0", 2);
        QTest::newRow("two double-byte characters: 1 and 3 plain, 2 and 4 xored")
            << QByteArray("\xB0\xA1\xC4\xE3", 4) << 0x0F << QByteArray("\xB0\xAE\xC4\xEC", 4);
        QTest::newRow("161 is a lead byte, 160 is not") << QByteArray("\xA0\xA1\xA1", 3) << 0x01
                                                         << QByteArray("\xA1\xA1\xA0", 3);
        QTest::newRow("a trail byte of 161 or more is xored, not a new lead")
            << QByteArray("\xB0\xB0\xB0\xB0", 4) << 0x02 << QByteArray("\xB0\xB2\xB0\xB2", 4);
    }

    void descramblesByteByByte()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, key);
        QFETCH(QByteArray, expected);
        const QByteArray plain = DescrambleText(stored, static_cast<std::uint8_t>(key));
        QCOMPARE(plain.size(), stored.size());
        QCOMPARE(plain, expected);
    }

    void scramblingIsUndoneByDescrambling_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::newRow("chinese with punctuation") << QStringLiteral("驾驶机动车在高速公路上，最高车速不得超过120公里/小时。");
        QTest::newRow("line breaks and tabs") << QStringLiteral("第一行\r\n第二行\tA");
        QTest::newRow("the character one") << QStringLiteral("一二三");
        QTest::newRow("ascii only") << QStringLiteral("Key: A, B or C?");
        QTest::newRow("full-width symbols") << QStringLiteral("（１）“停”、《》％");
    }

    void scramblingIsUndoneByDescrambling()
    {
        QFETCH(QString, plain);
        QVERIFY(survivesScrambling(plain));
        const QString column = scrambleColumn(plain);
        QVERIFY(column != plain);
        QCOMPARE(descrambleColumn(column), plain);
    }

    void everyGb2312CharacterSurvivesTheColumnRoundTrip()
    {
        // The key must map every trail byte of GB2312 onto another assigned GBK code.
        int tested = 0;
        for (int lead = 0xB0; lead <= 0xF7; ++lead) {
            for (int trail = 0xA1; trail <= 0xFE; ++trail) {
                const char bytes[] = {char(lead), char(trail)};
                const QString character = fromGbk(QByteArrayView(bytes, 2));
                if (character.size() != 1 || character[0].unicode() >= 0xE000)
                    continue;  // unassigned positions of the last rows
                QVERIFY2(survivesScrambling(character), qPrintable(character));
                ++tested;
            }
        }
        QVERIFY(tested > 6700);
    }

    void charactersOutsideGbkDoNotSurvive_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::newRow("emoji") << QStringLiteral("注意\U0001F6B8");
        QTest::newRow("gbk extension lead byte") << QStringLiteral("丂");  // 0x8140
        QTest::newRow("delete becomes nul") << QStringLiteral("a\x7F");
    }

    void charactersOutsideGbkDoNotSurvive()
    {
        QFETCH(QString, plain);
        QVERIFY(!survivesScrambling(plain));
    }
};

QTEST_APPLESS_MAIN(TestTextScramble)
#include "tst_textscramble.moc"
