// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankbuilder.h"
#include "bankcheck.h"
#include "bankreader.h"
#include "banksource.h"
#include "sourceerror.h"

#include "bankerror.h"
#include "connectionstring.h"
#include "textcodec.h"

#include "conformance/stricttext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray testPicture()
{
    QFile file(QStringLiteral(DRVQ_TEST_DATA "/sign.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test picture");
    return file.readAll();
}

// 120 questions whose texts exercise what a bank must carry: memos longer than a page,
// line breaks, the character 一, two- and three-choice questions, codes and pictures.
BankContent sampleContent()
{
    BankContent bank;
    for (int i = 0; i < 12; ++i) {
        bank.knowledge.push_back({QStringLiteral("%1").arg(i + 1, 5, 10, QLatin1Char('0')),
                                  QStringLiteral("知识点一%1").arg(i),
                                  QStringLiteral("第一行说明\r\n第二行说明%1").arg(i), 0});
    }
    bank.signs.push_back({QStringLiteral("stop.jpg"), testPicture(), 0});
    bank.signs.push_back({QStringLiteral("it's a sign.jpg"), testPicture(), 0});
    for (int i = 0; i < 120; ++i) {
        Question q;
        q.tid = 1000 - i * 7;
        q.Timu = QStringLiteral("第%1题：驾驶机动车遇到这种情况应当怎样做？").arg(i + 1);
        q.ANSWER_A = i % 3 ? QStringLiteral("减速慢行") : QStringLiteral("正确");
        q.ANSWER_B = i % 3 ? QStringLiteral("鸣喇叭") : QStringLiteral("错误");
        q.ANSWER_C = i % 3 ? QStringLiteral("一直加速") : QString();
        q.Key = i % 3 ? QStringLiteral("C") : QStringLiteral("B");
        q.Score = 1 + i % 2;
        q.ANALYSIS = i == 5 ? QString(QStringLiteral("很长的评析一。")).repeated(900) : QStringLiteral("因为……\r\n所以选%1。").arg(q.Key);
        q.ZHISHIDIAN = i % 4 == 0 ? QString() : QStringLiteral("00001000%1").arg(2 + i % 8, 2, 10, QLatin1Char('0'));
        q.biaozhi = i % 10 == 0 ? bank.signs[size_t(i / 10) % 2].filename : QString();
        bank.questions.push_back(q);
    }
    return bank;
}

// The bank hands questions back in tid order, with no source lines.
void normalise(BankContent &content)
{
    std::stable_sort(content.questions.begin(), content.questions.end(),
                     [](const Question &a, const Question &b) { return a.tid < b.tid; });
    for (Question &q : content.questions)
        q.line = 0;
    for (KnowledgePoint &k : content.knowledge)
        k.line = 0;
    for (SignPicture &s : content.signs)
        s.line = 0;
}

void compareContent(BankContent actual, BankContent expected)
{
    normalise(actual);
    normalise(expected);
    QCOMPARE(actual.questions.size(), expected.questions.size());
    for (size_t i = 0; i < actual.questions.size(); ++i)
        QVERIFY2(actual.questions[i] == expected.questions[i], qPrintable(QString::number(expected.questions[i].tid)));
    QVERIFY(actual.knowledge == expected.knowledge);
    QVERIFY(actual.signs == expected.signs);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString cellOf(const jet4::Value &value)
{
    if (const auto *number = std::get_if<std::int32_t>(&value))
        return QString::number(*number);
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    return {};
}

QString tool()
{
    return QStringLiteral(DRVQ_BUILD_DIR "/drvq-bank");
}

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The tool follows the locale: every run gets one, English unless the test asks otherwise.
QProcessEnvironment toolEnvironment(const QString &lang = QStringLiteral("C"))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), lang);
    return environment;
}

ToolRun runTool(const QStringList &arguments, const QString &lang = QStringLiteral("C"))
{
    QProcess process;
    process.setProcessEnvironment(toolEnvironment(lang));
    process.start(tool(), arguments);
    if (!process.waitForFinished(60000))
        qFatal("drvq-bank did not finish");
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Writes a bank whose tables are the given ones, with the trainer's password and workgroup.
void writeBank(const QString &folder, std::vector<jet4::Table> tables)
{
    jet4::Database database;
    database.password = DatabasePassword;
    database.tables = std::move(tables);
    QVERIFY(QDir().mkpath(folder));
    QFile bank(QDir(folder).filePath(DatabaseFileName));
    QVERIFY(bank.open(QIODevice::WriteOnly));
    bank.write(jet4::writeDatabase(database));
    QFile workgroup(QDir(folder).filePath(WorkgroupFileName));
    QVERIFY(workgroup.open(QIODevice::WriteOnly));
    workgroup.write(jet4::writeDatabase(BankBuilder::workgroupDatabase(45000.5)));
}

} // namespace

class TestBankTool : public QObject {
    Q_OBJECT

private slots:
    void buildDumpBuildGivesTheSameContent()
    {
        const BankContent content = sampleContent();
        QTemporaryDir dir;
        const QString dat = dir.filePath(QStringLiteral("Dat"));
        BankBuilder::write(content, dat);
        compareContent(BankReader::read(dat), content);

        const QString source = dir.filePath(QStringLiteral("src"));
        BankSource::write(BankReader::read(dat), source);
        const QString again = dir.filePath(QStringLiteral("again"));
        BankBuilder::write(BankSource::read(source), again);
        compareContent(BankReader::read(again), content);
    }

    void checkFindsNothingInAGoodBank()
    {
        QTemporaryDir dir;
        BankBuilder::write(sampleContent(), dir.path());
        const QStringList problems = BankCheck::problems(BankReader::read(dir.path()), BankReader::read(dir.path(), true));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void checkNamesEveryProblemWithItsQuestion()
    {
        BankContent content = sampleContent();
        content.questions.resize(99);
        content.questions[0].Key = QStringLiteral("a");
        content.questions[1].ANSWER_C = QStringLiteral("  ");
        content.questions[1].Key = QStringLiteral("C");
        content.questions[2].ZHISHIDIAN = QStringLiteral("0000199999");
        content.questions[3].biaozhi = QStringLiteral("nowhere.jpg");
        content.signs.push_back({QStringLiteral("broken.jpg"), QByteArray("\xFF\xD8 not really"), 0});
        QTemporaryDir dir;
        BankBuilder::write(content, dir.path());
        const QString problems = BankCheck::problems(BankReader::read(dir.path()), BankReader::read(dir.path(), true)).join(u'\n');

        QVERIFY2(problems.contains(QStringLiteral("99 distinct questions (tid); a paper needs 100")), qPrintable(problems));
        QVERIFY(problems.contains(QStringLiteral("question tid 1000: key \"a\" is not")));
        QVERIFY(problems.contains(QStringLiteral("question tid 993: key \"C\" but the question has no choice C")));
        QVERIFY(problems.contains(QStringLiteral("question tid 986: knowledge code \"99999\" has no row")));
        QVERIFY(!problems.contains(QStringLiteral("code \"00001\"")));
        QVERIFY(problems.contains(QStringLiteral("question tid 979: sign picture \"nowhere.jpg\" is not in biaozhi")));
        QVERIFY(problems.contains(QStringLiteral("sign picture \"broken.jpg\": not a readable JPEG image")));
    }

    void checkProvesTheScramblingOfStoredTexts()
    {
        // A text stored by another tool with a GBK extension character does not come back.
        BankContent stored;
        Question q;
        q.Timu = QStringLiteral("丂");
        stored.questions.push_back(q);
        const QStringList problems = BankCheck::problems(stored, stored);
        QVERIFY(problems.join(u'\n').contains(QStringLiteral("Timu does not survive scrambling")));
    }

    void aBankWithAnotherPasswordIsRefused()
    {
        QTemporaryDir dir;
        BankBuilder::write(sampleContent(), dir.path());
        jet4::Database database = BankBuilder::bankDatabase(sampleContent(), BankBuilder::now());
        database.password = QStringLiteral("别的密码");
        QFile bank(QDir(dir.path()).filePath(DatabaseFileName));
        QVERIFY(bank.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bank.write(jet4::writeDatabase(database));
        bank.close();
        try {
            (void)BankReader::read(dir.path());
            QFAIL("opened");
        } catch (const BankError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("password")), qPrintable(e.message()));
            QVERIFY2(e.message().contains(DatabaseFileName), qPrintable(e.message()));
        }
    }

    void toolRefusesABadSourceAndKeepsTheOldBank()
    {
        QTemporaryDir dir;
        const QString dat = dir.filePath(QStringLiteral("Dat"));
        BankBuilder::write(sampleContent(), dat);
        const QByteArray before = fileBytes(QDir(dat).filePath(DatabaseFileName));

        const QString source = dir.filePath(QStringLiteral("src"));
        BankSource::write(sampleContent(), source);
        QFile choose(QDir(source).filePath(QStringLiteral("choose.txt")));
        QVERIFY(choose.open(QIODevice::Append));
        choose.write("\ntid: 5\nKey: A\nScroe: 1\n");
        choose.close();

        QProcess process;
        process.setProcessEnvironment(toolEnvironment());
        process.start(tool(), {QStringLiteral("build"), source, dat});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY2(process.readAllStandardError().contains("choose.txt:"), "no file and line");
        QCOMPARE(fileBytes(QDir(dat).filePath(DatabaseFileName)), before);
    }

    void toolCheckExitsNonZeroOnProblems()
    {
        QTemporaryDir dir;
        BankContent content = sampleContent();
        content.questions[7].Key = QStringLiteral("D");
        BankBuilder::write(content, dir.path());
        QProcess process;
        process.setProcessEnvironment(toolEnvironment());
        process.start(tool(), {QStringLiteral("check"), dir.path()});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardOutput().contains("key \"D\""));
    }

    void sampleBankIsClean()
    {
        const QString dat = QStringLiteral(DRVQ_BUILD_DIR "/Dat");
        const BankContent content = BankReader::read(dat);
        const QStringList problems = BankCheck::problems(content, BankReader::read(dat, true));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QVERIFY(content.questions.size() >= 100);
    }

    void checkListsEveryMissingTableAndColumn()
    {
        QTemporaryDir dir;
        using T = jet4::ColumnType;
        writeBank(dir.path(), {{QStringLiteral("choose"), {{QStringLiteral("tid"), T::LongInteger, 0},
                                                           {QStringLiteral("Timu"), T::Memo, 0}}, {}, false},
                               {QStringLiteral("tzhishidian"), {{QStringLiteral("RECNO"), T::Text, 10},
                                                                {QStringLiteral("keyword"), T::Text, 255},
                                                                {QStringLiteral("knowledge"), T::Memo, 0}}, {}, false}});
        const ToolRun run = runTool({QStringLiteral("check"), dir.path()});
        QCOMPARE(run.exitCode, 1);
        const QString out = QString::fromUtf8(run.out);
        for (const char *column : {"ANSWER_A", "ANSWER_B", "ANSWER_C", "ANSWER_D", "ANALYSIS", "ZHISHIDIAN", "Key", "Score", "biaozhi"})
            QVERIFY2(out.contains(QStringLiteral("table 'choose' has no column '%1'").arg(QLatin1String(column))), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("table 'tzhishidian' has no column 'knowladge'")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("has no table 'biaozhi'")), qPrintable(out));
        QVERIFY2(!out.contains(QStringLiteral("'recno'")) && !out.contains(QStringLiteral("'tid'")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("11 problems")), qPrintable(out));
    }

    // Two table pages zeroed, as a torn write leaves them: the bank is reported damaged,
    // naming file, table and pages, and no library talks on the terminal.
    void checkReportsADamagedBank()
    {
        QTemporaryDir dir;
        BankBuilder::write(sampleContent(), dir.path());
        const QString path = QDir(dir.path()).filePath(DatabaseFileName);
        QByteArray bank = fileBytes(path);
        int zeroed = 0;
        for (qsizetype page = 3; page < bank.size() / 4096 && zeroed < 2; ++page) {
            const qsizetype base = page * 4096;
            // The data pages of choose, the first user table: its definition is page 6.
            if (bank[base] == 0x01 && bank.mid(base + 4, 4) == QByteArray("\x06\0\0\0", 4)) {
                bank.replace(base, 4096, QByteArray(4096, '\0'));
                ++zeroed;
            }
        }
        QCOMPARE(zeroed, 2);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bank);
        file.close();

        const ToolRun run = runTool({QStringLiteral("check"), dir.path()});
        QCOMPARE(run.exitCode, 1);
        const QString out = QString::fromUtf8(run.out);
        QVERIFY2(out.contains(QStringLiteral("Bank file %1 is damaged: table 'choose'").arg(path)), qPrintable(out));
        QVERIFY2(out.count(QStringLiteral("is no data page (page type 0x00)")) == 2, qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("the trainer cannot use this bank; 1 problem")), qPrintable(out));
        QCOMPARE(run.err, QByteArray());
    }

    void buildRefusesABankTheTrainerCannotUse()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("src"));
        BankContent content = sampleContent();
        content.questions.resize(99);
        content.questions[0].Key = QStringLiteral("D");
        content.signs.push_back({QStringLiteral("broken.jpg"), QByteArray("\xFF\xD8 not really"), 0});
        BankSource::write(content, source);
        const QString dat = dir.filePath(QStringLiteral("Dat"));

        ToolRun run = runTool({QStringLiteral("build"), source, dat});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("error: choose: 99 distinct questions"), run.err.constData());
        QVERIFY2(run.err.contains("error: sign picture \"broken.jpg\""), run.err.constData());
        QVERIFY2(run.err.contains("warning: question tid 1000: key \"D\""), run.err.constData());
        QVERIFY(!QFileInfo::exists(dat));

        run = runTool({QStringLiteral("build"), source, dat, QStringLiteral("--force")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("warning: choose: 99 distinct questions"), run.err.constData());
        QCOMPARE(BankReader::read(dat).questions.size(), std::size_t(99));
    }

    void buildWritesABankWithWarnings()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("src"));
        BankContent content = sampleContent();
        content.questions[3].biaozhi = QStringLiteral("nowhere.jpg");
        BankSource::write(content, source);
        const ToolRun run = runTool({QStringLiteral("build"), source, dir.filePath(QStringLiteral("Dat"))});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("warning: question tid 979: sign picture \"nowhere.jpg\" is not in biaozhi"), run.err.constData());
        QCOMPARE(BankReader::read(dir.filePath(QStringLiteral("Dat"))).questions.size(), std::size_t(120));
    }

    void helpAndVersionGoToStandardOutput()
    {
        ToolRun run = runTool({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("usage: drvq-bank build"));
        QVERIFY(run.err.isEmpty());
        run = runTool({QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith("drvq-bank " DRVQ_PROJECT_VERSION), run.out.constData());
        QCOMPARE(runTool({QStringLiteral("frobnicate")}).exitCode, 2);
    }

    void toolSpeaksTheLanguageOfTheLocale_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("missing source folder, zh_CN") << "build" << "zh_CN.UTF-8" << QStringList{"文件夹不存在", "nosuch"};
        QTest::newRow("missing source folder, C") << "build" << "C" << QStringList{"no such folder", "nosuch"};
        QTest::newRow("missing bank, zh_CN") << "check" << "zh_CN.UTF-8"
                                             << QStringList{"错误：找不到题库文件", "nosuch/drvq.mdb", "共 1 个问题"};
        QTest::newRow("missing bank, C") << "check" << "C" << QStringList{"error: Bank file not found", "nosuch/drvq.mdb", "1 problem"};
    }

    void toolSpeaksTheLanguageOfTheLocale()
    {
        QFETCH(QString, command);
        QFETCH(QString, lang);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("nosuch"));
        const QStringList arguments = command == u"build" ? QStringList{command, missing, dir.filePath(QStringLiteral("Dat"))}
                                                          : QStringList{command, missing};
        const ToolRun run = runTool(arguments, lang);
        QCOMPARE(run.exitCode, 1);
        const QString output = QString::fromUtf8(run.out + run.err);
        for (const QString &part : expected)
            QVERIFY2(output.contains(part), qPrintable(output));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Dat"))));
    }

    // Messages that show a bank maintainer the way, as a Chinese user reads them.
    void toolMessagesSayWhereItLookedAndWhatToDo_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a source file missing") << "no tzhishidian.txt" << 1
                                               << QStringList{"tzhishidian.txt: 在文件夹 SRC 中找不到这个文件"};
        QTest::newRow("a picture missing") << "no pictures" << 1
                                           << QStringList{"找不到图片文件“signs/", "已查找：SRC/signs", "--pictures"};
        QTest::newRow("check on a source folder") << "check sources" << 1
                                                  << QStringList{"错误：SRC 是题库源文件夹", "“drvq-bank build SRC 题库文件夹”"};
        QTest::newRow("an unknown command") << "unknown command" << 2
                                            << QStringList{"drvq-bank：未知命令“frobnicate”\n用法：drvq-bank build"};
        QTest::newRow("dump") << "dump" << 0 << QStringList{"道题目、", "个知识点、", "张标志图片写入 OUT"};
    }

    void toolMessagesSayWhereItLookedAndWhatToDo()
    {
        QFETCH(QString, situation);
        QFETCH(int, exitCode);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("src"));
        QVERIFY(QDir().mkpath(source));
        for (const char *name : {"choose.txt", "tzhishidian.txt", "biaozhi.txt"}) {
            if (situation == u"no tzhishidian.txt" && qstrcmp(name, "tzhishidian.txt") == 0)
                continue;
            QVERIFY(QFile::copy(QStringLiteral(DRVQ_SOURCE_DIR "/data/") + QLatin1String(name),
                                source + u'/' + QLatin1String(name)));
        }
        const QString out = dir.filePath(QStringLiteral("out"));
        QStringList arguments;
        if (situation == u"check sources")
            arguments = {QStringLiteral("check"), source};
        else if (situation == u"unknown command")
            arguments = {QStringLiteral("frobnicate"), source};
        else if (situation == u"dump")
            arguments = {QStringLiteral("dump"), QStringLiteral(DRVQ_BUILD_DIR "/Dat"), out};
        else
            arguments = {QStringLiteral("build"), source, out};
        const ToolRun run = runTool(arguments, QStringLiteral("zh_CN.UTF-8"));
        QCOMPARE(run.exitCode, exitCode);
        const QString output = QString::fromUtf8(run.out + run.err);
        for (QString part : expected) {
            part.replace(QStringLiteral("SRC"), source).replace(QStringLiteral("OUT"), out);
            QVERIFY2(output.contains(part), qPrintable(output));
        }
    }

    // Every text the sample bank stores reads the same under the strict rule for compressed
    // text (each 00 byte a mode switch) as under the lenient one.
    void sampleBankTextsReadAlikeUnderTheStrictRule()
    {
        const BankContent content = BankSource::read(QStringLiteral(DRVQ_SOURCE_DIR "/data"), {QStringLiteral(DRVQ_BUILD_DIR "/signs")});
        const jet4::Database database = BankBuilder::bankDatabase(content, 45000.5);
        int texts = 0;
        QStringList disagreements;
        for (const jet4::Table &table : database.tables) {
            for (const jet4::Row &row : table.rows) {
                for (std::size_t c = 0; c < row.size(); ++c) {
                    const auto *text = std::get_if<QString>(&row[c]);
                    if (!text)
                        continue;
                    ++texts;
                    if (strictJetText(jet4::TextCodec::encode(*text, true)) != *text)
                        disagreements << QStringLiteral("%1 row %2 column %3").arg(table.name, cellOf(row[0]), table.columns[c].name);
                }
            }
        }
        QVERIFY(texts > 1000);
        QVERIFY2(disagreements.isEmpty(), qPrintable(disagreements.join(u'\n')));
    }

    // The sources grow by appended blocks from several hands; the check does not see a
    // question written twice, a knowledge code defined twice, a true/false question with
    // other labels or a choice repeated inside one question, so these are looked for here.
    void sampleBankAsksEachQuestionOnceAndLabelsItsChoices()
    {
        const BankContent content = BankSource::read(QStringLiteral(DRVQ_SOURCE_DIR "/data"), {QStringLiteral(DRVQ_BUILD_DIR "/signs")});
        QStringList faults;
        QHash<QString, qint32> asked;
        for (const Question &q : content.questions) {
            // Picture questions share a wording such as "这个标志是何含义？" and differ by picture.
            const QString question = q.Timu + u'|' + q.biaozhi;
            if (asked.contains(question))
                faults << QStringLiteral("tid %1 asks what tid %2 asks").arg(q.tid).arg(asked.value(question));
            asked.insert(question, q.tid);
            if (q.ANSWER_C.isEmpty()) {
                if (q.ANSWER_A != u"正确" || q.ANSWER_B != u"错误")
                    faults << QStringLiteral("tid %1: a two-choice question is labelled other than 正确/错误").arg(q.tid);
            } else if (q.ANSWER_A == q.ANSWER_B || q.ANSWER_A == q.ANSWER_C || q.ANSWER_B == q.ANSWER_C) {
                faults << QStringLiteral("tid %1 offers the same choice twice").arg(q.tid);
            }
        }
        QSet<QString> codes;
        for (const KnowledgePoint &point : content.knowledge) {
            if (codes.contains(point.recno))
                faults << QStringLiteral("knowledge code %1 is defined twice").arg(point.recno);
            codes.insert(point.recno);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        // A lost block of records shows as a bank far smaller than the sources have held.
        QVERIFY(content.questions.size() >= 1000);
        QVERIFY(content.knowledge.size() >= 200);
    }
};

QTEST_GUILESS_MAIN(TestBankTool)
#include "tst_banktool.moc"
