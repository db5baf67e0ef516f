// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "banksource.h"
#include "recordfile.h"
#include "sourceerror.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestBankSource : public QObject {
    Q_OBJECT

private slots:
    void parsesRecordsContinuationsAndQuotes()
    {
        const QString text = QStringLiteral(
            "# comment\n"
            "tid: 1\n"
            "Timu: 第一行\n"
            "  第二行\n"
            "ANSWER_C:\n"
            "\n\n"
            "tid: 2\r\n"
            "Key: \" A\\t\\x01\\\"\"\r\n");
        const auto records = RecordFile::parse(text, QStringLiteral("choose.txt"));
        QCOMPARE(records.size(), size_t(2));
        QCOMPARE(records[0].line, 2);
        QCOMPARE(records[0].find(QStringLiteral("TIMU"))->value, QStringLiteral("第一行\r\n第二行"));
        QCOMPARE(records[0].find(QStringLiteral("answer_c"))->value, QString());
        QCOMPARE(records[1].find(QStringLiteral("Key"))->value, QStringLiteral(" A\t\x01\""));
        QVERIFY(records[1].find(QStringLiteral("Key"))->quoted);
        QCOMPARE(records[1].find(QStringLiteral("tid"))->line, 8);
        // A line of blanks only ends a record rather than continuing a value.
        QCOMPARE(RecordFile::parse(QStringLiteral("a: 1\n  \nb: 2\n"), QStringLiteral("t")).size(), size_t(2));
    }

    void refusesMalformedLinesNamingFileAndLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("no colon") << QStringLiteral("tid: 1\nTimu\n") << QStringLiteral("f.txt:2: expected");
        QTest::newRow("field twice") << QStringLiteral("tid: 1\nTID: 2\n") << QStringLiteral("f.txt:2: field \"TID\" given twice");
        QTest::newRow("continuation first") << QStringLiteral("  x\n") << QStringLiteral("f.txt:1: continuation line outside");
        QTest::newRow("open quote") << QStringLiteral("\ntid: \"1\n") << QStringLiteral("f.txt:2: quoted value has no closing quote");
        QTest::newRow("bad escape") << QStringLiteral("tid: \"\\q\"\n") << QStringLiteral("f.txt:1: unknown escape \\q");
        QTest::newRow("continued quote") << QStringLiteral("tid: \"1\"\n  2\n") << QStringLiteral("f.txt:2: a quoted value cannot go on");
    }

    void refusesMalformedLinesNamingFileAndLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            (void)RecordFile::parse(text, QStringLiteral("f.txt"));
            QFAIL("no error");
        } catch (const SourceError &e) {
            QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
        }
    }

    void formattedFieldsReadBackExactly()
    {
        // Random texts over an alphabet of the characters that make quoting necessary.
        const QString alphabet = QStringLiteral("ab 一\"\\\r\n\t\x01#:");
        auto *random = QRandomGenerator::global();
        for (int round = 0; round < 2000; ++round) {
            QString value;
            const int length = random->bounded(12);
            for (int i = 0; i < length; ++i)
                value += alphabet[random->bounded(alphabet.size())];
            const QString text = RecordFile::formatField(QStringLiteral("Timu"), value);
            const auto records = RecordFile::parse(QStringLiteral("tid: 1\n") + text, QStringLiteral("t"));
            QCOMPARE(records.size(), size_t(1));
            const RecordField *field = records[0].find(QStringLiteral("Timu"));
            QVERIFY2(field, qPrintable(text));
            QCOMPARE(field->value, value);
        }
    }

    void refusesBadSourcesNamingFileAndLine_data()
    {
        QTest::addColumn<QByteArray>("choose");
        QTest::addColumn<QString>("message");
        QTest::newRow("tid missing") << QByteArray("Timu: x\n") << QStringLiteral("choose.txt:1: tid is missing");
        QTest::newRow("tid not a number") << QByteArray("tid: 1a\n") << QStringLiteral("choose.txt:1: tid \"1a\" is not a whole number");
        QTest::newRow("tid used twice") << QByteArray("tid: 1\n\ntid: 1\n")
                                        << QStringLiteral("choose.txt:3: tid 1 is already used by the question at line 1");
        QTest::newRow("unknown field") << QByteArray("tid: 1\nTimuu: x\n") << QStringLiteral("choose.txt:2: unknown field \"Timuu\"");
        QTest::newRow("choice too long") << QByteArray("tid: 1\nANSWER_A: ") + QByteArray(256, 'x') + "\n"
                                         << QStringLiteral("choose.txt:2: ANSWER_A has 256 characters; the column holds 255");
        QTest::newRow("character outside gb2312") << QByteArray("tid: 1\nTimu: \xe4\xb8\x82\n")
                                                  << QStringLiteral("choose.txt:2: Timu: the character \"丂\" (U+4e02)");
        QTest::newRow("not utf-8") << QByteArray("tid: 1\nTimu: \xb0\xa1\n") << QStringLiteral("choose.txt: is not UTF-8 text");
    }

    void refusesBadSourcesNamingFileAndLine()
    {
        QFETCH(QByteArray, choose);
        QFETCH(QString, message);
        QTemporaryDir dir;
        writeText(dir.filePath(QStringLiteral("choose.txt")), choose);
        writeText(dir.filePath(QStringLiteral("tzhishidian.txt")), "");
        writeText(dir.filePath(QStringLiteral("biaozhi.txt")), "");
        try {
            (void)BankSource::read(dir.path());
            QFAIL("no error");
        } catch (const SourceError &e) {
            QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
        }
    }

    void findsPicturesInTheSourceOrAPictureFolder()
    {
        QTemporaryDir dir;
        QTemporaryDir pictures;
        writeText(dir.filePath(QStringLiteral("choose.txt")), "");
        writeText(dir.filePath(QStringLiteral("tzhishidian.txt")), "");
        writeText(dir.filePath(QStringLiteral("biaozhi.txt")),
                  "filename: a.jpg\nfiles: signs/a.jpg\n\nfilename: b.jpg\nfiles: missing/b.jpg\n");
        writeText(pictures.filePath(QStringLiteral("a.jpg")), "AAA");
        try {
            (void)BankSource::read(dir.path(), {pictures.path()});
            QFAIL("no error");
        } catch (const SourceError &e) {
            // Names the record, the file, every folder it looked in and the way to add one.
            QVERIFY2(e.message().startsWith(QStringLiteral("biaozhi.txt:4: picture file \"missing/b.jpg\" not found")),
                     qPrintable(e.message()));
            QVERIFY(e.message().contains(dir.path()));
            QVERIFY(e.message().contains(pictures.path()));
            QVERIFY(e.message().contains(QStringLiteral("--pictures")));
        }
        writeText(pictures.filePath(QStringLiteral("b.jpg")), "BBB");
        const BankContent content = BankSource::read(dir.path(), {pictures.path()});
        QCOMPARE(content.signs.size(), size_t(2));
        QCOMPARE(content.signs[0].files, QByteArray("AAA"));
        QCOMPARE(content.signs[1].files, QByteArray("BBB"));
    }

    void writingNeverLeavesTheTargetFolder()
    {
        BankContent content;
        content.signs.push_back({QStringLiteral("../../escape.jpg"), "X", 0});
        content.signs.push_back({QStringLiteral("/etc/passwd"), "Y", 0});
        content.signs.push_back({QStringLiteral("ok.jpg"), "Z", 0});
        content.signs.push_back({QStringLiteral("OK.jpg"), "W", 0});
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        BankSource::write(content, out);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("escape.jpg"))));
        const BankContent back = BankSource::read(out);
        QCOMPARE(back.signs.size(), size_t(4));
        for (size_t i = 0; i < back.signs.size(); ++i) {
            QCOMPARE(back.signs[i].filename, content.signs[i].filename);
            QCOMPARE(back.signs[i].files, content.signs[i].files);
        }
    }

    void codesAreJoinedForTheBankAndSplitForReading()
    {
        QCOMPARE(BankSource::joinCodes(QStringLiteral("01001 02003  03005")), QStringLiteral("010010200303005"));
        QCOMPARE(BankSource::splitCodes(QStringLiteral("0100102003")), QStringLiteral("01001 02003"));
        QCOMPARE(BankSource::splitCodes(QStringLiteral("0100102")), QStringLiteral("01001 02"));
    }
};

QTEST_APPLESS_MAIN(TestBankSource)
#include "tst_banksource.moc"
