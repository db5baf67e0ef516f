#include "bankbuilder.h"
#include "bankcheck.h"
#include "bankreader.h"
#include "banksource.h"
#include "sourceerror.h"

#include "bankerror.h"
#include "connectionstring.h"

#include <QDir>
#include <QFile>
#include <QProcess>
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

QString tool()
{
    return QStringLiteral(DRVQ_BUILD_DIR "/drvq-bank");
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
};

QTEST_GUILESS_MAIN(TestBankTool)
#include "tst_banktool.moc"
