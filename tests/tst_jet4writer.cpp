// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jet4writer.h"
#include "jetheader.h"
#include "textcodec.h"

#include "conformance/stricttext.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace jet4;

Q_DECLARE_METATYPE(jet4::Database)

namespace {

QString controlCharacters()
{
    QString text;
    for (char16_t c = 1; c < 32; ++c)
        text.append(QChar(c));
    return text;
}

QByteArray pattern(qsizetype size, int seed)
{
    QByteArray out(size, Qt::Uninitialized);
    std::uint32_t x = 2463534242u + std::uint32_t(seed);
    for (qsizetype i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        out[i] = char(x & 0xFF);
    }
    return out;
}

// A question table shaped like the bank's: long id, texts, two memos, a picture.
Table bankTable(int rows, int pictures)
{
    Table table{"choose",
                {{"ID", ColumnType::LongInteger, 0}, {"Kind", ColumnType::Integer, 0},
                 {"Chapter", ColumnType::Byte, 0}, {"Question", ColumnType::Text, 255},
                 {"A", ColumnType::Text, 255}, {"B", ColumnType::Text, 255},
                 {"Answer", ColumnType::Text, 4}, {"Explain", ColumnType::Memo, 0},
                 {"Note", ColumnType::Memo, 0}, {"Picture", ColumnType::OleObject, 0},
                 {"Added", ColumnType::DateTime, 0}},
                {}, false};
    table.rows.reserve(rows);
    const QString memo = QStringLiteral("机动车驾驶人应当遵守道路交通安全法律、法规的规定，按照操作规范安全驾驶、文明驾驶。")
                             .repeated(5).left(200);
    for (int i = 0; i < rows; ++i) {
        Row row{std::int32_t(i + 1), std::int32_t(i % 3), std::int32_t(i % 20 + 1),
                QStringLiteral("第%1题：驾驶机动车在道路上行驶应当怎样？").arg(i + 1),
                QStringLiteral("选项一 %1").arg(i), QStringLiteral("选项B\t%1").arg(i), QStringLiteral("AB"),
                memo, memo + QString::number(i), std::monostate{}, 45000.0 + i / 100.0};
        if (i < pictures)
            row[9] = pattern(5000 + i, i);
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace

class TestJet4Writer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    QString write(const Database &database)
    {
        const QString path = m_dir.filePath(QStringLiteral("db%1.mdb").arg(++m_files));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(writeDatabase(database)) < 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QByteArray run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() != 0) {
            qWarning("%s %s failed: %s", qPrintable(program), qPrintable(arguments.join(' ')),
                     process.readAllStandardError().constData());
            return QByteArray("<failed>");
        }
        return process.readAllStandardOutput();
    }

    // mdb-json prints one object per row and leaves out null (and empty) columns.
    static QList<QJsonObject> libmdbRows(const QString &file, const QString &table)
    {
        QList<QJsonObject> rows;
        const QByteArray out = run("mdb-json", {file, table});
        for (const QByteArray &line : out.split('\n')) {
            if (!line.trimmed().isEmpty())
                rows.append(QJsonDocument::fromJson(line).object());
        }
        return rows;
    }

    static QByteArray libmdbBlob(const QJsonValue &value)
    {
        return QByteArray::fromBase64(value.toObject().value("$binary").toString().toLatin1());
    }

    static QByteArray pageBytes(const QByteArray &image, int page)
    {
        return image.mid(qsizetype(page) * 4096, 4096);
    }

    static int get16(const QByteArray &b, int at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; }
    static quint32 get32(const QByteArray &b, int at) { return quint32(get16(b, at)) | quint32(get16(b, at + 2)) << 16; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        if (QStandardPaths::findExecutable("mdb-json").isEmpty())
            QSKIP("mdbtools are not installed");
    }

    // --- what the mdbtools see ---------------------------------------------------------

    void toolsSeeAJet4FileWithItsTablesAndTypes()
    {
        Database database;
        database.creationDate = 45000.5;
        database.tables.push_back({"types",
                                   {{"Flag", ColumnType::Boolean, 0}, {"Small", ColumnType::Byte, 0},
                                    {"Int", ColumnType::Integer, 0}, {"Long", ColumnType::LongInteger, 0},
                                    {"Real", ColumnType::Double, 0}, {"When", ColumnType::DateTime, 0},
                                    {"Bytes", ColumnType::Binary, 16}, {"Short", ColumnType::Text, 20},
                                    {"Long text", ColumnType::Memo, 0}, {"Blob", ColumnType::OleObject, 0}},
                                   {}, false});
        database.tables.push_back({"tzhishidian", {{"ID", ColumnType::LongInteger, 0}}, {}, false});
        const QString file = write(database);
        QCOMPARE(run("mdb-ver", {file}).trimmed(), QByteArray("JET4"));
        const QByteArray tables = run("mdb-tables", {"-1", file});
        QVERIFY2(tables.contains("types\n") && tables.contains("tzhishidian\n"), tables.constData());
        QVERIFY2(!tables.contains("MSysObjects"), "system tables are hidden without -S");
        const QString schema = QString::fromUtf8(run("mdb-schema", {"--no-indexes", "-T", "types", file}));
        for (const char *expected : {"[Flag]\t\t\tBoolean", "[Small]\t\t\tByte", "[Int]\t\t\tInteger",
                                     "[Long]\t\t\tLong Integer", "[Real]\t\t\tDouble",
                                     "[When]\t\t\tDateTime", "[Bytes]\t\t\tBinary",
                                     "[Short]\t\t\tText (20)", "[Long text]\t\t\tMemo/Hyperlink",
                                     "[Blob]\t\t\tOLE"})
            QVERIFY2(schema.contains(QLatin1String(expected)), qPrintable(expected + QString("\n") + schema));
        QCOMPARE(run("mdb-count", {file, "tzhishidian"}).trimmed(), QByteArray("0"));
    }

    void textsReadBackThroughLibmdb_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << "Which lane?";
        QTest::newRow("chinese with 一") << QStringLiteral("一次记满12分的，应当参加学习一");
        QTest::newRow("only 一") << QStringLiteral("一");
        QTest::newRow("CR LF TAB") << "line1\r\nline2\tcell";
        QTest::newRow("U+0001..U+001F") << controlCharacters();
        QTest::newRow("mixed scripts") << QStringLiteral("A选项a：B选项b（）①②③ ÄÖÜ");
        QTest::newRow("255 chinese") << QString(255, QChar(0x9A7E));
        QTest::newRow("255 latin") << QString(255, QChar('z'));
        QTest::newRow("U+0100 and U+FFFD") << QStringLiteral("\u0100x\uFFFDy");
    }

    void textsReadBackThroughLibmdb()
    {
        QFETCH(QString, text);
        Database database;
        const QString memo1000 = text.repeated(1000 / text.size() + 1).left(1000);
        const QString memo20k = text.repeated(20480 / text.size() + 1).left(20480);
        database.tables.push_back({"t",
                                   {{"ID", ColumnType::LongInteger, 0}, {"S", ColumnType::Text, 255},
                                    {"M", ColumnType::Memo, 0}},
                                   {{1, text, text}, {2, text, memo1000}, {3, text, memo20k}}, false});
        const auto rows = libmdbRows(write(database), "t");
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].value("S").toString(), text);
        QCOMPARE(rows[0].value("M").toString(), text);
        QCOMPARE(rows[1].value("M").toString(), memo1000);
        QCOMPARE(rows[2].value("M").toString(), memo20k);
    }

    void numbersAndNullsReadBackThroughLibmdb()
    {
        Database database;
        database.tables.push_back({"n",
                                   {{"B", ColumnType::Byte, 0}, {"I", ColumnType::Integer, 0},
                                    {"L", ColumnType::LongInteger, 0}, {"D", ColumnType::Double, 0},
                                    {"F", ColumnType::Boolean, 0}, {"S", ColumnType::Text, 10}},
                                   {{255, -32768, std::int32_t(-2147483647 - 1), -1.5, true, QStringLiteral("x")},
                                    {0, 32767, 2147483647, 1e300, false, std::monostate{}},
                                    {std::monostate{}, std::monostate{}, std::monostate{},
                                     std::monostate{}, std::monostate{}, QStringLiteral("z")}},
                                   false});
        const auto rows = libmdbRows(write(database), "n");
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].value("B").toInt(), 255);
        QCOMPARE(rows[0].value("I").toInt(), -32768);
        QCOMPARE(rows[0].value("L").toDouble(), -2147483648.0);
        QCOMPARE(rows[0].value("D").toDouble(), -1.5);
        QCOMPARE(rows[0].value("F").toInt(), 1);  // mdb-json prints booleans as 1 and 0
        QCOMPARE(rows[1].value("I").toInt(), 32767);
        QCOMPARE(rows[1].value("L").toInt(), 2147483647);
        QCOMPARE(rows[1].value("D").toDouble(), 1e300);
        QCOMPARE(rows[1].value("F").toInt(), 0);
        QVERIFY(!rows[1].contains("S"));
        for (const char *column : {"B", "I", "L", "D"})
            QVERIFY2(!rows[2].contains(column), column);
        QCOMPARE(rows[2].value("S").toString(), "z");
    }

    void blobsReadBackByteForByte_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {0, 1, 64, 65, 100, 3000, 4080, 4081, 4076 * 2, 10000, 200 * 1024})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void blobsReadBackByteForByte()
    {
        QFETCH(int, size);
        Database database;
        Table table{"pics", {{"ID", ColumnType::LongInteger, 0}, {"Pic", ColumnType::OleObject, 0}}, {}, false};
        // Two blobs per file, so that chains and single rows share long-value pages.
        table.rows.push_back({1, pattern(size, 1)});
        table.rows.push_back({2, pattern(size, 2)});
        table.rows.push_back({3, pattern(100, 3)});
        database.tables.push_back(table);
        const auto rows = libmdbRows(write(database), "pics");
        QCOMPARE(rows.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(libmdbBlob(rows[i].value("Pic")), std::get<QByteArray>(table.rows[i][1]));
    }

    // --- the file's structure -----------------------------------------------------------

    void passwordAndCreationDateReadBack_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("none") << "";
        QTest::newRow("ascii") << "password";
        QTest::newRow("chinese") << QStringLiteral("春风吹过山岗绿水长流白云飘荡-青松翠柏");
    }

    void passwordAndCreationDateReadBack()
    {
        QFETCH(QString, password);
        Database database;
        database.password = password;
        database.creationDate = 45321.123456;
        database.tables.push_back({"t", {{"ID", ColumnType::LongInteger, 0}}, {{7}}, false});
        const QByteArray image = writeDatabase(database);
        const jet::DefinitionPage header = jet::readDefinitionPage(image.first(4096), "written");
        QCOMPARE(header.version, jet::Version::Jet4);
        QCOMPARE(header.password, password);
        QCOMPARE(header.creationDate, 45321.123456);
        QCOMPARE(header.pageEncodingKey, 0u);
    }

    // Every data page: at most 255 rows, rows packed downward without gaps, offsets free of
    // flag bits, and a free-space field that matches.
    void dataPagesArePackedAndAccounted()
    {
        Database database;
        database.tables.push_back(bankTable(10000, 300));
        const QByteArray image = writeDatabase(database);
        QCOMPARE(image.size() % 4096, 0);
        int dataPages = 0;
        for (int page = 1; page < image.size() / 4096; ++page) {
            const QByteArray p = pageBytes(image, page);
            if (p[0] != 0x01)
                continue;
            ++dataPages;
            const int rows = get16(p, 12);
            QVERIFY(rows >= 1 && rows <= 255);
            int previous = 4096;
            int used = 0;
            for (int r = 0; r < rows; ++r) {
                const int offset = get16(p, 14 + 2 * r);
                QVERIFY2((offset & 0xE000) == 0, qPrintable(QString("page %1 row %2").arg(page).arg(r)));
                QVERIFY(offset < previous);
                used += previous - offset;
                previous = offset;
            }
            QVERIFY(previous >= 14 + 2 * rows);
            QCOMPARE(get16(p, 2), 4096 - 14 - 2 * rows - used);
        }
        QVERIFY(dataPages > 100);
    }

    void tenThousandRowsSpanManyPages()
    {
        Database database;
        database.tables.push_back(bankTable(10000, 0));
        const QString file = write(database);
        QCOMPARE(run("mdb-count", {file, "choose"}).trimmed(), QByteArray("10000"));
        const auto rows = libmdbRows(file, "choose");
        QCOMPARE(rows.size(), 10000);
        const Table &table = database.tables[0];
        for (int i : {0, 254, 255, 4999, 9999}) {
            QCOMPARE(rows[i].value("ID").toInt(), i + 1);
            QCOMPARE(rows[i].value("Question").toString(), std::get<QString>(table.rows[i][3]));
            QCOMPARE(rows[i].value("Note").toString(), std::get<QString>(table.rows[i][8]));
        }
    }

    void fileOver2MBUsesPointerUsageMaps()
    {
        Database database;
        database.tables.push_back(bankTable(3000, 300));
        database.tables.push_back({"biaozhi", {{"ID", ColumnType::LongInteger, 0}, {"Name", ColumnType::Text, 50}},
                                   {{1, QStringLiteral("禁止通行")}, {2, QStringLiteral("一般道路")}}, false});
        const QString file = write(database);
        QVERIFY(QFileInfo(file).size() > 2 * 1024 * 1024);
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray image = in.readAll();
        // The TDEF of "choose" is the first page after the three system tables' (3, 4, 5).
        const QByteArray tdef = pageBytes(image, 6);
        QCOMPARE(int(tdef[0]), 2);
        const quint32 usedMap = get32(tdef, 55);
        const QByteArray mapPage = pageBytes(image, int(usedMap >> 8));
        QCOMPARE(int(mapPage[get16(mapPage, 14 + 2 * int(usedMap & 0xFF))]), 1);

        const auto rows = libmdbRows(file, "choose");
        QCOMPARE(rows.size(), 3000);
        QCOMPARE(libmdbBlob(rows[299].value("Picture")), pattern(5299, 299));
        QCOMPARE(libmdbRows(file, "biaozhi").size(), 2);
    }

    void definitionSpanningSeveralPagesIsRead()
    {
        Table table{"wide", {}, {}, false};
        Row row;
        for (int i = 0; i < 255; ++i) {
            table.columns.push_back({QStringLiteral("column_%1_").arg(i, 3, 10, QChar('0')).leftJustified(64, 'x'),
                                     i % 2 ? ColumnType::Text : ColumnType::LongInteger, 8});
            row.push_back(i % 2 ? Value(QString::number(i)) : Value(std::int32_t(i)));
        }
        table.rows.push_back(row);
        Database database;
        database.tables.push_back(table);
        const QString file = write(database);
        const QString schema = QString::fromUtf8(run("mdb-schema", {"--no-indexes", "-T", "wide", file}));
        QCOMPARE(schema.count("column_"), 255);
        const auto rows = libmdbRows(file, "wide");
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].value(table.columns[254].name).toInt(), 254);
        QCOMPARE(rows[0].value(table.columns[253].name).toString(), "253");
    }

    void catalogCarriesTheAccessVersion()
    {
        Database database;
        database.tables.push_back({"t", {{"ID", ColumnType::LongInteger, 0}}, {}, false});
        const QString file = write(database);
        const QByteArray properties = run("mdb-prop", {file, "MSysDb"});
        QVERIFY2(properties.contains("AccessVersion: 08.50"), properties.constData());
        const QByteArray system = run("mdb-tables", {"-S", "-1", file});
        for (const char *name : {"MSysObjects", "MSysACEs", "MSysQueries", "MSysRelationships"})
            QVERIFY2(system.contains(name), name);
    }

    void workgroupSystemTableIsListedAndReadable()
    {
        Database workgroup;
        workgroup.tables.push_back({"MSysAccounts",
                                    {{"Name", ColumnType::Text, 255}, {"SID", ColumnType::Binary, 255},
                                     {"Password", ColumnType::Binary, 255}, {"FGroup", ColumnType::Boolean, 0}},
                                    {{QStringLiteral("Admins"), pattern(20, 1), QByteArray(), true},
                                     {QStringLiteral("Users"), pattern(20, 2), QByteArray(), true},
                                     {QStringLiteral("admin"), pattern(20, 3), pattern(40, 4), false}},
                                    true});
        const QString file = write(workgroup);
        QVERIFY(!run("mdb-tables", {"-1", file}).contains("MSysAccounts"));
        QVERIFY(run("mdb-tables", {"-S", "-1", file}).contains("MSysAccounts\n"));
        const auto rows = libmdbRows(file, "MSysAccounts");
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[2].value("Name").toString(), "admin");
        QCOMPARE(libmdbBlob(rows[2].value("SID")), pattern(20, 3));
        QCOMPARE(libmdbBlob(rows[2].value("Password")), pattern(40, 4));
        QCOMPARE(rows[0].value("FGroup").toInt(), 1);
        QCOMPARE(rows[2].value("FGroup").toInt(), 0);
    }

    // --- a second, independent reader -----------------------------------------------------

    void independentReaderAgreesWithWhatWeWrote()
    {
        const QString script = QStringLiteral(DRVQ_SOURCE_DIR "/tests/conformance/dump-mdb.mjs");
        if (QStandardPaths::findExecutable("node").isEmpty())
            QSKIP("node is not installed");
        if (!QFileInfo::exists(QStringLiteral(DRVQ_SOURCE_DIR "/tests/conformance/node_modules/mdb-reader")))
            QSKIP("tests/conformance/node_modules is missing (run scripts/setup)");

        Database database;
        Table table = bankTable(600, 40);
        table.rows[1][3] = QString();             // empty, not null
        table.rows[2][3] = std::monostate{};
        table.rows[3][3] = controlCharacters();
        table.rows[4][7] = QString(20480, QChar(0x4E00));
        table.rows[5][9] = pattern(200 * 1024, 9);
        table.rows[6][9] = QByteArray();
        database.tables.push_back(table);
        database.tables.push_back({"MSysAccounts", {{"Name", ColumnType::Text, 255}, {"FGroup", ColumnType::Boolean, 0}},
                                   {{QStringLiteral("Users"), true}}, true});
        const QString file = write(database);

        const QJsonObject out = QJsonDocument::fromJson(run("node", {script, file})).object();
        QVERIFY(out.value("systemTables").toArray().contains("MSysAccounts"));
        const QJsonObject read = out.value("tables").toObject().value("choose").toObject();
        QCOMPARE(read.value("rowCount").toInt(), 600);
        const QJsonArray rows = read.value("rows").toArray();
        QCOMPARE(rows.size(), 600);
        for (int i = 0; i < 600; ++i) {
            const QJsonArray got = rows[i].toArray();
            const Row &want = table.rows[i];
            for (int c = 0; c < int(want.size()); ++c) {
                const QString where = QStringLiteral("row %1 column %2").arg(i).arg(table.columns[c].name);
                const Value &value = want[c];
                if (std::holds_alternative<std::monostate>(value))
                    QVERIFY2(got[c].isNull(), qPrintable(where));
                else if (const auto *text = std::get_if<QString>(&value))
                    QVERIFY2(got[c].toString() == *text && got[c].isString(), qPrintable(where));
                else if (const auto *data = std::get_if<QByteArray>(&value))
                    QVERIFY2(got[c].toObject().value("hex").toString().toLatin1() == data->toHex(), qPrintable(where));
                else if (const auto *number = std::get_if<std::int32_t>(&value))
                    QVERIFY2(got[c].toInt() == *number, qPrintable(where));
            }
        }
    }

    // Texts of a bank that mixes Chinese with short runs of digits and Latin letters, and
    // characters whose low byte is 00: every stored form reads the same under the strict
    // rule (each 00 byte a mode switch) as under libmdb's.
    void mixedTextsReadAlikeUnderTheStrictRule()
    {
        const QString chinese = QStringLiteral("一丁七万丈三上下不与专且世业东丝两严丧个中丰串临为主举久么义之乌乎乏乐");
        const QString ascii = QStringLiteral("0123456789ABCabcxyz .,;:()-/");
        std::uint32_t x = 88172645u;
        auto next = [&x](std::uint32_t bound) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            return int(x % bound);
        };
        Table table{"mixed", {{"ID", ColumnType::LongInteger, 0}, {"S", ColumnType::Text, 255}, {"M", ColumnType::Memo, 0}},
                    {}, false};
        int compressed = 0;
        int disagreements = 0;
        for (int i = 0; i < 2000; ++i) {
            QString text;
            while (text.size() < 20 + next(200)) {
                const bool latin = next(3) == 0;
                for (int n = 1 + next(latin ? 3 : 8); n > 0; --n)
                    text += latin ? ascii[next(std::uint32_t(ascii.size()))] : chinese[next(std::uint32_t(chinese.size()))];
            }
            if (i % 2)
                text.replace(QChar(0x4E00), QChar(0x4E01));  // half the texts without 一, so they compress
            const QByteArray stored = TextCodec::encode(text, true);
            compressed += stored.startsWith("\xFF\xFE");
            disagreements += strictJetText(stored) != text;
            table.rows.push_back({std::int32_t(i), text.left(255), text});
        }
        QCOMPARE(disagreements, 0);
        QVERIFY2(compressed > 200, qPrintable(QString::number(compressed)));

        Database database;
        database.tables.push_back(table);
        const auto rows = libmdbRows(write(database), "mixed");
        QCOMPARE(rows.size(), 2000);
        for (int i = 0; i < 2000; ++i) {
            QCOMPARE(rows[i].value("S").toString(), std::get<QString>(table.rows[i][1]));
            QCOMPARE(rows[i].value("M").toString(), std::get<QString>(table.rows[i][2]));
        }
    }

    // Access signs a workgroup file "Jet System DB"; both readers still read ours.
    void workgroupFileIsSignedAsAccessSignsIt()
    {
        Database workgroup;
        workgroup.workgroup = true;
        workgroup.tables.push_back({"MSysAccounts",
                                    {{"Name", ColumnType::Text, 255}, {"FGroup", ColumnType::Boolean, 0}},
                                    {{QStringLiteral("Admins"), true}, {QStringLiteral("admin"), false}},
                                    true});
        const QString file = write(workgroup);
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.read(32).mid(4, 17), QByteArray("Jet System DB\0\0\0\x01", 17));
        QCOMPARE(run("mdb-ver", {file}).trimmed(), QByteArray("JET4"));
        const auto rows = libmdbRows(file, "MSysAccounts");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].value("Name").toString(), "admin");

        const QString script = QStringLiteral(DRVQ_SOURCE_DIR "/tests/conformance/dump-mdb.mjs");
        if (QStandardPaths::findExecutable("node").isEmpty()
            || !QFileInfo::exists(QStringLiteral(DRVQ_SOURCE_DIR "/tests/conformance/node_modules/mdb-reader")))
            QSKIP("node or mdb-reader is missing (run scripts/setup)");
        const QJsonObject out = QJsonDocument::fromJson(run("node", {script, file})).object();
        const QJsonArray read = out.value("tables").toObject().value("MSysAccounts").toObject().value("rows").toArray();
        QCOMPARE(read.size(), 2);
        QCOMPARE(read[1].toArray()[0].toString(), "admin");
    }

    // --- rules of the format and of the API --------------------------------------------------

    void textCompressionFollowsTheReadersRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("empty is no bytes") << "" << QByteArray();
        QTest::newRow("ascii compressed") << "abc" << QByteArray("\xFF\xFE" "abc", 5);
        QTest::newRow("no gain stays plain") << "ab" << QByteArray("a\0b\0", 4);
        QTest::newRow("one char stays plain") << "a" << QByteArray("a\0", 2);
        QTest::newRow("一 never compressed") << QStringLiteral("一abcdef")
                                             << QByteArray("\x00\x4E" "a\0b\0c\0d\0e\0f\0", 14);
        QTest::newRow("wide run toggles")
            << QStringLiteral("abc\u4E2Ddef") << QByteArray("\xFF\xFE" "abc\0\x2D\x4E\0def", 12);
        QTest::newRow("chinese only stays plain") << QStringLiteral("中文") << QByteArray("\x2D\x4E\x87\x65", 4);
        QTest::newRow("short latin run goes one-byte")
            << QStringLiteral("abcdefgh中a文") << QByteArray("\xFF\xFE" "abcdefgh\0\x2D\x4E\0a\0\x87\x65", 18);
    }

    void textCompressionFollowsTheReadersRules()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        QCOMPARE(TextCodec::encode(text, true).toHex(), stored.toHex());
    }

    void rejectsWhatTheFormatCannotHold_data()
    {
        QTest::addColumn<Database>("database");
        const Table base{"t", {{"ID", ColumnType::LongInteger, 0}, {"S", ColumnType::Text, 5},
                               {"B", ColumnType::Byte, 0}, {"M", ColumnType::Memo, 0}},
                         {}, false};
        auto with = [&](Row row) {
            Database d;
            d.tables.push_back(base);
            d.tables[0].rows.push_back(std::move(row));
            return d;
        };
        QTest::newRow("text over its length") << with({1, QStringLiteral("abcdef"), 1, QStringLiteral("m")});
        QTest::newRow("wrong type") << with({QStringLiteral("1"), QStringLiteral("a"), 1, QStringLiteral("m")});
        QTest::newRow("byte out of range") << with({1, QStringLiteral("a"), 256, QStringLiteral("m")});
        QTest::newRow("too few values") << with({1, QStringLiteral("a")});
        QTest::newRow("memo takes no bytes") << with({1, QStringLiteral("a"), 1, QByteArray("m")});
        Database longName;
        longName.tables.push_back(base);
        longName.tables[0].name = QString(65, 'n');
        QTest::newRow("table name over 64") << longName;
        Database twice;
        twice.tables = {base, base};
        QTest::newRow("table twice") << twice;
        Database reserved;
        reserved.tables.push_back(base);
        reserved.tables[0].name = "MSysObjects";
        QTest::newRow("reserved name") << reserved;
        Database password;
        password.password = QString(21, 'p');
        QTest::newRow("password over 20") << password;
        Database bigRow;
        bigRow.tables.push_back({"wide", {}, {}, false});
        Row row;
        for (int i = 0; i < 10; ++i) {
            bigRow.tables[0].columns.push_back({QStringLiteral("c%1").arg(i), ColumnType::Text, 255});
            row.push_back(QString(255, QChar(0x4E2D)));
        }
        bigRow.tables[0].rows.push_back(row);
        QTest::newRow("row larger than a page") << bigRow;
    }

    void rejectsWhatTheFormatCannotHold()
    {
        QFETCH(Database, database);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, (void)writeDatabase(database));
    }

    // --- speed ----------------------------------------------------------------------------

    void bankSizedDatabaseWithPicturesIsComplete()
    {
        // The build time of such a bank is measured by the benchmark; here its content counts.
        Database database;
        database.tables.push_back(bankTable(10000, 300));
        const QString file = write(database);
        QCOMPARE(run("mdb-count", {file, "choose"}).trimmed(), QByteArray("10000"));
    }
};


QTEST_GUILESS_MAIN(TestJet4Writer)
#include "tst_jet4writer.moc"
