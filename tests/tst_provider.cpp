// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adoconnection.h"
#include "bankerror.h"
#include "bankerrortext.h"
#include "connectionstring.h"
#include "jet4writer.h"
#include "jetheader.h"
#include "jetdatabase.h"
#include "sqlstatement.h"
#include "tdm.h"
#include "translations.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <unistd.h>

using banktest::errorOf;

namespace {

const QString kSamples = QStringLiteral(DRVQ_TEST_DATA "/access-samples/");
const QString kBankPassword = QStringLiteral("春风吹过山岗绿水长流白云飘荡-青松翠柏");

QString connectionString(const QString &bank, const QString &workgroup, const QString &password,
                         const QString &user = QStringLiteral("ADMIN"))
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Password=secret;User ID=%1;Data Source=%2;"
                          "Persist Security Info=True;Jet OLEDB:System database=%3;Jet OLEDB:Database Password=%4")
        .arg(user, bank, workgroup, password);
}

jet4::Table accountsTable(const QString &userName)
{
    jet4::Table accounts;
    accounts.name = QStringLiteral("MSysAccounts");
    accounts.system = true;
    accounts.columns = {{QStringLiteral("Name"), jet4::ColumnType::Text, 255},
                        {QStringLiteral("SID"), jet4::ColumnType::Binary, 255},
                        {QStringLiteral("Password"), jet4::ColumnType::Binary, 255},
                        {QStringLiteral("FGroup"), jet4::ColumnType::Boolean, 0}};
    const QByteArray sid("\x01\x02\x03\x04", 4);
    accounts.rows = {{QStringLiteral("Admins"), sid, jet4::Value{}, true},
                     {QStringLiteral("Users"), sid, jet4::Value{}, true},
                     {userName, sid, QByteArray(16, '\x5A'), false}};
    return accounts;
}

QByteArray workgroupImage(const QString &userName = QStringLiteral("admin"), bool signedAsWorkgroup = true)
{
    jet4::Database database;
    database.creationDate = 44000.5;
    database.workgroup = signedAsWorkgroup;
    database.tables.push_back(accountsTable(userName));
    return jet4::writeDatabase(database);
}

QByteArray pictureBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QString longText()
{
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("第%1条：一二三 abc；").arg(i);
    return text;  // over 30,000 characters: a chain of long-value pages
}

// A small bank: questions, knowledge points, signs, and a table of every column type.
jet4::Database bankDatabase()
{
    jet4::Database database;
    database.password = kBankPassword;
    database.creationDate = 44568.5;

    jet4::Table choose;
    choose.name = QStringLiteral("choose");
    choose.columns = {{QStringLiteral("tid"), jet4::ColumnType::LongInteger, 0},
                      {QStringLiteral("Timu"), jet4::ColumnType::Memo, 0},
                      {QStringLiteral("answer"), jet4::ColumnType::Text, 4}};
    for (int tid : {30, 4, 100, 7, 1})
        choose.rows.push_back({std::int32_t(tid), QStringLiteral("题目%1").arg(tid), QStringLiteral("A")});
    database.tables.push_back(choose);

    jet4::Table knowledge;
    knowledge.name = QStringLiteral("tzhishidian");
    knowledge.columns = {{QStringLiteral("recno"), jet4::ColumnType::Text, 5},
                         {QStringLiteral("keyword"), jet4::ColumnType::Text, 50},
                         {QStringLiteral("knowladge"), jet4::ColumnType::Memo, 0}};
    knowledge.rows = {{QStringLiteral("02003"), QStringLiteral("让行"), QStringLiteral("第二章")},
                      {QStringLiteral("01001"), QStringLiteral("信号灯"), longText()},
                      {QStringLiteral("01002"), QStringLiteral("标线"), QStringLiteral("x")},
                      {QStringLiteral("02003"), QStringLiteral("超车"), jet4::Value{}}};
    database.tables.push_back(knowledge);

    jet4::Table signs;
    signs.name = QStringLiteral("biaozhi");
    signs.columns = {{QStringLiteral("filename"), jet4::ColumnType::Text, 100},
                     {QStringLiteral("files"), jet4::ColumnType::OleObject, 0}};
    signs.rows = {{QStringLiteral("a.jpg"), pictureBytes(100, 1)},
                  {QStringLiteral("it's.jpg"), pictureBytes(150'000, 2)},
                  {QStringLiteral("c.jpg"), pictureBytes(3000, 3)}};
    database.tables.push_back(signs);

    jet4::Table types;
    types.name = QStringLiteral("types");
    types.columns = {{QStringLiteral("flag"), jet4::ColumnType::Boolean, 0},
                     {QStringLiteral("byte"), jet4::ColumnType::Byte, 0},
                     {QStringLiteral("small"), jet4::ColumnType::Integer, 0},
                     {QStringLiteral("long"), jet4::ColumnType::LongInteger, 0},
                     {QStringLiteral("real"), jet4::ColumnType::Double, 0},
                     {QStringLiteral("date"), jet4::ColumnType::DateTime, 0},
                     {QStringLiteral("bin"), jet4::ColumnType::Binary, 16},
                     {QStringLiteral("text"), jet4::ColumnType::Text, 255},
                     {QStringLiteral("ole"), jet4::ColumnType::OleObject, 0},
                     {QStringLiteral("memo"), jet4::ColumnType::Memo, 0}};
    types.rows = {{true, std::int32_t(255), std::int32_t(-32768), std::int32_t(-2147483647 - 1), -0.125, 44568.75,
                   QByteArray("\0\1\0\2", 4), QStringLiteral("一二 mixed ASCII"), QByteArray("\0\0ole", 5), QString()},
                  {false, std::int32_t(0), std::int32_t(32767), std::int32_t(2147483647), 1e300, 0.0,
                   QByteArray(), QString(), QByteArray(), QStringLiteral("plain")},
                  {false, jet4::Value{}, jet4::Value{}, jet4::Value{}, jet4::Value{}, jet4::Value{},
                   jet4::Value{}, jet4::Value{}, jet4::Value{}, jet4::Value{}}};
    database.tables.push_back(types);
    return database;
}

QByteArray readFile(const QString &path)
{
    // The samples are test data of the repository: a missing one is a broken checkout, and
    // the damage rounds below would index an empty array.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s: %s", qPrintable(path), qPrintable(file.errorString()));
    return file.readAll();
}

quint16 getU16(const QByteArray &bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
}

void putU16(QByteArray &bytes, qsizetype at, quint16 value)
{
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
}

quint32 getU32(const QByteArray &bytes, qsizetype at)
{
    return quint32(getU16(bytes, at)) | (quint32(getU16(bytes, at + 2)) << 16);
}

void putU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    putU16(bytes, at, quint16(value & 0xFFFF));
    putU16(bytes, at + 2, quint16(value >> 16));
}

// Jet 4 data page: row count at 12, then each row's 2-byte start offset (row 0 ends the page).
constexpr qsizetype kPage = 4096;
constexpr qsizetype kRowCount = 12;

} // namespace

class TestProvider : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QByteArray m_bank;
    QByteArray m_workgroup;
    QString m_bankPath;
    QString m_workgroupPath;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QString bankConnection() const { return connectionString(m_bankPath, m_workgroupPath, kBankPassword); }

    // The data pages a table's rows lie on (owner = the table's definition page).
    static QList<qsizetype> dataPagesOf(const QByteArray &bank, const QString &table)
    {
        const qsizetype definition = definitionPageOf(bank, table);
        QList<qsizetype> pages;
        for (qsizetype page = 3; page < bank.size() / kPage; ++page) {
            const qsizetype base = page * kPage;
            if (bank[base] == 0x01 && bank.mid(base + 4, 4) != "LVAL" && getU32(bank, base + 4) == quint32(definition))
                pages << page;
        }
        return pages;
    }

    // Our writer puts the definitions of the user tables after the three Access system
    // tables, in the order of the database's tables.
    static qsizetype definitionPageOf(const QByteArray &bank, const QString &table)
    {
        const QStringList order{"choose", "tzhishidian", "biaozhi", "types"};
        qsizetype seen = -1;
        for (qsizetype page = 3; page < bank.size() / kPage; ++page) {
            if (bank[page * kPage] == 0x02 && ++seen == 3 + order.indexOf(table))
                return page;
        }
        return -1;
    }

    // Sets the bit of `page` in the table's inline usage map (the first map row it points to).
    static void markInUsageMap(QByteArray &bank, const QString &table, qsizetype page)
    {
        const qsizetype tdef = definitionPageOf(bank, table) * kPage;
        const quint32 map = getU32(bank, tdef + 55);
        const qsizetype mapPage = qsizetype(map >> 8) * kPage;
        const qsizetype row = mapPage + (getU16(bank, mapPage + kRowCount + 2 + 2 * int(map & 0xFF)) & 0x1FFF);
        const qsizetype start = getU32(bank, row + 1);
        const qsizetype bit = page - start;
        bank[row + 5 + bit / 8] = char(bank[row + 5 + bit / 8] | (1 << (bit % 8)));
    }

    // What the process writes on its standard error stream while `action` runs.
    static QByteArray stderrDuring(const std::function<void()> &action)
    {
        QTemporaryFile capture;
        if (!capture.open())
            qFatal("no temporary file");
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        ::dup2(capture.handle(), STDERR_FILENO);
        action();
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        capture.seek(0);
        return capture.readAll();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_bank = jet4::writeDatabase(bankDatabase());
        m_workgroup = workgroupImage();
        // A directory name with blanks and CJK characters, as program folders have.
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("考试 Dat")));
        m_bankPath = write(QStringLiteral("考试 Dat/drvq.mdb"), m_bank);
        m_workgroupPath = write(QStringLiteral("考试 Dat/Morvel.mdw"), m_workgroup);
    }

    void checksTheDatabasePasswordOfAccessFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right password") << "V2003_with-password.mdb" << "password" << true;
        QTest::newRow("wrong password") << "V2003_with-password.mdb" << "Password" << false;
        QTest::newRow("no password given") << "V2003_with-password.mdb" << "" << false;
        QTest::newRow("no password needed, one given") << "V2000_no-password.mdb" << "anything" << true;
        QTest::newRow("no password needed, none given") << "V2000_no-password.mdb" << "" << true;
    }

    void checksTheDatabasePasswordOfAccessFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, password);
        QFETCH(bool, opens);
        const QString path = kSamples + file;
        const QString text = connectionString(path, m_workgroupPath, password);
        if (!opens) {
            const QString message = errorOf([&] { (void)JetDatabase::open(text); });
            QVERIFY2(message.contains(path) && message.contains("database password is wrong"), qPrintable(message));
            return;
        }
        const auto database = JetDatabase::open(text);
        const ResultSet result = database->query(QStringLiteral("SELECT * FROM table1 ORDER BY id DESC"));
        QCOMPARE(result.columns, (QStringList{"ID", "Data"}));
        QCOMPARE(result.rows.size(), std::size_t(3));
        QCOMPARE(cellInteger(result.rows[0][0]), 3);
        QCOMPARE(cellText(result.rows[0][1]), QStringLiteral("Three"));
        QCOMPARE(cellText(result.rows[2][1]), QStringLiteral("One"));
    }

    void refusesToOpenWithAClearMessage_data()
    {
        QTest::addColumn<QString>("bank");       // file name in the test folder, or "" for the good bank
        QTest::addColumn<QByteArray>("bankBytes");
        QTest::addColumn<QString>("workgroup");
        QTest::addColumn<QByteArray>("workgroupBytes");
        QTest::addColumn<QString>("options");    // replaces parts of the connection string
        QTest::addColumn<QStringList>("expected");

        QByteArray jet3 = readFile(kSamples + "V2000_no-password.mdb");
        jet3[0x14] = 0;
        QByteArray ace = readFile(kSamples + "V2000_no-password.mdb");
        ace[0x14] = 2;
        ace.replace(4, 15, "Standard ACE DB");
        const QByteArray random = pictureBytes(3 * 4096, 7);
        jet4::Database noAccounts;
        noAccounts.tables.push_back({QStringLiteral("other"), {{QStringLiteral("x"), jet4::ColumnType::Text, 10}}, {}, false});

        QTest::newRow("missing bank") << "nosuch.mdb" << QByteArray() << "" << QByteArray() << ""
                                      << QStringList{"Bank file not found", "nosuch.mdb"};
        QTest::newRow("missing workgroup") << "" << QByteArray() << "nosuch.mdw" << QByteArray() << ""
                                           << QStringList{"Workgroup file not found", "nosuch.mdw"};
        QTest::newRow("random bytes") << "random.mdb" << random << "" << QByteArray() << ""
                                      << QStringList{"Bank file", "random.mdb", "not a Jet database"};
        QTest::newRow("empty file") << "empty.mdb" << QByteArray("") << "" << QByteArray() << ""
                                    << QStringList{"Bank file", "empty.mdb", "not a Jet database"};
        QTest::newRow("Jet 3 bank") << "jet3.mdb" << jet3 << "" << QByteArray() << ""
                                    << QStringList{"Bank file", "jet3.mdb", "Jet 3"};
        QTest::newRow("ACE bank") << "ace.mdb" << ace << "" << QByteArray() << ""
                                  << QStringList{"ace.mdb", "ACE"};
        QTest::newRow("wrong password") << "" << QByteArray() << "" << QByteArray() << "password=wrong"
                                        << QStringList{"Bank file", "drvq.mdb", "database password is wrong"};
        QTest::newRow("unknown account") << "" << QByteArray() << "" << QByteArray() << "user=nobody"
                                         << QStringList{"Workgroup file", "Morvel.mdw", "no user account 'nobody'"};
        QTest::newRow("group is no account") << "" << QByteArray() << "" << QByteArray() << "user=Admins"
                                             << QStringList{"Morvel.mdw", "no user account 'Admins'"};
        QTest::newRow("workgroup without accounts") << "" << QByteArray() << "plain.mdw" << jet4::writeDatabase(noAccounts) << ""
                                                    << QStringList{"Workgroup file", "plain.mdw", "no table MSysAccounts", "'ADMIN'"};
        QTest::newRow("random workgroup") << "" << QByteArray() << "random.mdw" << random << ""
                                          << QStringList{"Workgroup file", "random.mdw", "not a Jet database"};
        QByteArray signedAsWorkgroup = readFile(kSamples + "V2000_no-password.mdb");
        signedAsWorkgroup.replace(4, 16, QByteArray("Jet System DB\0\0\0", 16));
        QTest::newRow("workgroup file as bank") << "system.mdb" << signedAsWorkgroup << "" << QByteArray() << ""
                                                << QStringList{"Bank file", "system.mdb", "is a workgroup file"};
        // Access signs its workgroup files "Jet System DB": this one gets past the signature
        // and is refused only for lacking the accounts.
        QTest::newRow("Access file signed as workgroup") << "" << QByteArray() << "system.mdw" << signedAsWorkgroup << ""
                                                         << QStringList{"Workgroup file", "system.mdw", "no table MSysAccounts"};
        QTest::newRow("other provider") << "" << QByteArray() << "" << QByteArray() << "provider=SQLOLEDB"
                                        << QStringList{"Provider 'SQLOLEDB' is not supported"};
    }

    void refusesToOpenWithAClearMessage()
    {
        QFETCH(QString, bank);
        QFETCH(QByteArray, bankBytes);
        QFETCH(QString, workgroup);
        QFETCH(QByteArray, workgroupBytes);
        QFETCH(QString, options);
        QFETCH(QStringList, expected);
        const QString bankPath = bank.isEmpty() ? m_bankPath : (bankBytes.isNull() ? m_dir.filePath(bank) : write(bank, bankBytes));
        const QString workgroupPath = workgroup.isEmpty() ? m_workgroupPath
            : (workgroupBytes.isNull() ? m_dir.filePath(workgroup) : write(workgroup, workgroupBytes));
        QString text = connectionString(bankPath, workgroupPath,
                                        options == "password=wrong" ? QStringLiteral("wrong") : kBankPassword,
                                        options.startsWith("user=") ? options.mid(5) : QStringLiteral("ADMIN"));
        if (options.startsWith("provider="))
            text.replace("Microsoft.Jet.OLEDB.4.0", options.mid(9));
        TADOConnection connection;
        connection.ConnectionString = text;
        const QString message = errorOf([&] { connection.Open(); });
        for (const QString &part : expected)
            QVERIFY2(message.contains(part), qPrintable(message));
        QVERIFY(!connection.Connected());
    }

    // With the zh_CN catalogue installed the refusals are Chinese and still name the file.
    void refusesToOpenInChineseUnderTheCatalogue()
    {
        QVERIFY(installTranslations(*QCoreApplication::instance(), QLocale(QLocale::Chinese, QLocale::China)));
        const auto uninstall = qScopeGuard([] {
            for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
        });
        const QString missingBank = m_dir.filePath(QStringLiteral("nosuch.mdb"));
        QString message = errorOf([&] { (void)JetDatabase::open(connectionString(missingBank, m_workgroupPath, kBankPassword)); });
        QVERIFY2(message.contains(QStringLiteral("找不到题库文件")) && message.contains(missingBank), qPrintable(message));

        const QString missingWorkgroup = m_dir.filePath(QStringLiteral("nosuch.mdw"));
        message = errorOf([&] { (void)JetDatabase::open(connectionString(m_bankPath, missingWorkgroup, kBankPassword)); });
        QVERIFY2(message.contains(QStringLiteral("找不到工作组文件")) && message.contains(missingWorkgroup), qPrintable(message));

        message = errorOf([&] { (void)JetDatabase::open(connectionString(m_bankPath, m_workgroupPath, QStringLiteral("wrong"))); });
        QVERIFY2(message.contains(QStringLiteral("题库文件 ") + m_bankPath) && message.contains(QStringLiteral("数据库密码不正确")),
                 qPrintable(message));
    }

    void matchesTheAccountIgnoringCase()
    {
        for (const QString &user : {QStringLiteral("ADMIN"), QStringLiteral("admin"), QStringLiteral("Admin")})
            QVERIFY(JetDatabase::open(connectionString(m_bankPath, m_workgroupPath, kBankPassword, user)));
    }

    void readsEveryColumnTypeExactly()
    {
        const auto database = JetDatabase::open(bankConnection());
        const ResultSet &types = *database->table(QStringLiteral("TYPES"));
        QCOMPARE(types.rows.size(), std::size_t(3));
        const auto &first = types.rows[0];
        QCOMPARE(std::get<qint64>(first[0]), 1);
        QCOMPARE(std::get<qint64>(first[1]), 255);
        QCOMPARE(std::get<qint64>(first[2]), -32768);
        QCOMPARE(std::get<qint64>(first[3]), qint64(-2147483647) - 1);
        QCOMPARE(std::get<double>(first[4]), -0.125);
        QCOMPARE(std::get<double>(first[5]), 44568.75);
        QCOMPARE(std::get<QByteArray>(first[6]), QByteArray("\0\1\0\2", 4));
        QCOMPARE(std::get<QString>(first[7]), QStringLiteral("一二 mixed ASCII"));
        QCOMPARE(std::get<QByteArray>(first[8]), QByteArray("\0\0ole", 5));
        const auto &second = types.rows[1];
        QCOMPARE(std::get<qint64>(second[0]), 0);
        QCOMPARE(std::get<qint64>(second[3]), 2147483647);
        QCOMPARE(std::get<double>(second[4]), 1e300);
        QCOMPARE(std::get<QString>(second[9]), QStringLiteral("plain"));
        const auto &third = types.rows[2];
        QCOMPARE(std::get<qint64>(third[0]), 0);  // a Boolean is never null
        for (std::size_t i = 1; i < third.size(); ++i)
            QVERIFY2(std::holds_alternative<std::monostate>(third[i]), qPrintable(types.columns[int(i)]));

        // Long values come back whole, byte for byte.
        const ResultSet knowledge = database->query(QStringLiteral("select knowladge from tzhishidian where recno = '01001'"));
        QCOMPARE(std::get<QString>(knowledge.rows.at(0).at(0)), longText());
        const ResultSet signs = database->query(QStringLiteral("select files from biaozhi where filename = 'it''s.jpg'"));
        QCOMPARE(std::get<QByteArray>(signs.rows.at(0).at(0)), pictureBytes(150'000, 2));
    }

    void lookedUpQueriesAgreeWithAScan_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::newRow("two codes") << "SELECT Keyword,knowladge FROM tzhishidian  WHERE  recno ='01001' or recno ='02003'";
        QTest::newRow("a code twice") << "select keyword from tzhishidian where recno = '02003' or recno = '02003'";
        QTest::newRow("no match") << "select keyword from tzhishidian where recno = '99999'";
        QTest::newRow("case ignored") << "select text from types where text = '一二 MIXED ascii'";
        QTest::newRow("number column") << "select long from types where long = '-2147483648'";
        QTest::newRow("two columns") << "select keyword from tzhishidian where recno = '01001' or keyword = '超车'";
    }

    // Equality lookups go through an index of the column; they must find what a scan finds.
    void lookedUpQueriesAgreeWithAScan()
    {
        QFETCH(QString, statement);
        auto database = JetDatabase::openFromBuffers(m_bank, workgroupImage(),
                                                     connectionString(QStringLiteral("bank.mdb"), QStringLiteral("w.mdw"), kBankPassword));
        const SqlStatement parsed = SqlStatement::parse(statement);
        const ResultSet scanned = parsed.run(*database->table(parsed.table()));
        const ResultSet looked = database->query(statement);
        QCOMPARE(looked.rows.size(), scanned.rows.size());
        for (std::size_t i = 0; i < looked.rows.size(); ++i) {
            for (std::size_t c = 0; c < looked.rows[i].size(); ++c)
                QCOMPARE(cellText(looked.rows[i][c]), cellText(scanned.rows[i][c]));
        }
    }

    void runsTheProgramsQueries()
    {
        TDm dm;
        QCOMPARE(Dm, &dm);
        QCOMPARE(dm.ADOConnection1->ConnectionString, DesignTimeConnectionString);
        QVERIFY(!dm.ADOConnection1->Connected());
        dm.ADOConnection1->ConnectionString = bankConnection();

        RunQuery(QStringLiteral("select * from choose order by tid"));
        TADOQuery *query = dm.ADOQuery1;
        QVERIFY(dm.ADOConnection1->Connected());  // opening the query connected it
        QCOMPARE(query->RecordCount(), 5);
        QList<qint64> tids;
        for (query->First(); !query->Eof(); query->Next())
            tids.append(query->FieldByName(QStringLiteral("TID")).AsInteger());
        QCOMPARE(tids, (QList<qint64>{1, 4, 7, 30, 100}));

        RunQuery(QStringLiteral("SELECT Keyword,knowladge FROM tzhishidian  WHERE  recno ='01001' or recno ='02003'"));
        QCOMPARE(query->RecordCount(), 3);
        QCOMPARE(query->FieldByName(QStringLiteral("keyword")).AsString(), QStringLiteral("让行"));
        query->MoveBy(2);
        QCOMPARE(query->FieldByName(QStringLiteral("KEYWORD")).AsString(), QStringLiteral("超车"));
        QVERIFY(query->FieldByName(QStringLiteral("knowladge")).IsNull());
        query->MoveBy(-1);
        QCOMPARE(query->FieldByName(QStringLiteral("Keyword")).AsString(), QStringLiteral("信号灯"));
        query->MoveBy(5);
        QVERIFY(query->Eof());
        QCOMPARE(query->FieldByName(QStringLiteral("Keyword")).AsString(), QStringLiteral("超车"));  // the last stays current
        query->MoveBy(-10);
        QVERIFY(!query->Eof());
        QCOMPARE(query->FieldByName(QStringLiteral("Keyword")).AsString(), QStringLiteral("让行"));

        RunQuery(QStringLiteral("select * from choose where tid > 1000"));
        QCOMPARE(query->RecordCount(), 0);
        QVERIFY(query->Eof());
        QVERIFY(query->FieldByName(QStringLiteral("tid")).IsNull());
    }

    void namesWhatAQueryLacks_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing table") << "select * from nosuch" << "Table 'nosuch' not found";
        QTest::newRow("missing column") << "select nosuch from choose" << "Column 'nosuch' not found in table 'choose'";
        QTest::newRow("not understood") << "select * from choose limit 3" << "SQL statement not understood: unexpected 'limit'";
    }

    void namesWhatAQueryLacks()
    {
        QFETCH(QString, statement);
        QFETCH(QString, expected);
        TDm dm;
        dm.ADOConnection1->ConnectionString = bankConnection();
        const QString message = errorOf([&] { RunQuery(statement); });
        QVERIFY2(message.contains(expected), qPrintable(message));
        QVERIFY(!dm.ADOQuery1->Active());
        QVERIFY(errorOf([&] { (void)dm.ADOQuery1->FieldByName("tid"); }).contains("closed"));
    }

    void filtersTheSignTable()
    {
        TDm dm;
        dm.ADOConnection1->ConnectionString = bankConnection();
        TADOTable *signs = dm.ado_biaozhi;
        signs->setFilter(QStringLiteral("filename='it''s.jpg'"));
        signs->Open();
        QCOMPARE(signs->RecordCount(), 3);  // the filter waits for Filtered
        signs->setFiltered(true);
        QCOMPARE(signs->RecordCount(), 1);
        QCOMPARE(dm.ado_biaozhifilename().AsString(), QStringLiteral("it's.jpg"));
        QBuffer picture;
        picture.open(QIODevice::WriteOnly);
        dm.ado_biaozhifiles().SaveToStream(picture);
        QCOMPARE(picture.data(), pictureBytes(150'000, 2));

        signs->setFilter(QStringLiteral("  FILENAME =  'c.jpg'  or filename = 'a.jpg'"));
        QCOMPARE(signs->RecordCount(), 2);
        QCOMPARE(dm.ado_biaozhifilename().AsString(), QStringLiteral("a.jpg"));  // first passing row, table order

        signs->setFilter(QStringLiteral("filename='nosuch.jpg'"));
        QCOMPARE(signs->RecordCount(), 0);
        QVERIFY(signs->Eof());
        QCOMPARE(dm.ado_biaozhifilename().AsString(), QString());

        QVERIFY(errorOf([&] { signs->setFilter(QStringLiteral("filename = 'a.jpg")); }).contains("Filter not understood"));
        QVERIFY(errorOf([&] { signs->setFilter(QStringLiteral("name = 'a.jpg'")); }).contains("'name'"));
        QCOMPARE(signs->Filter(), QStringLiteral("filename='nosuch.jpg'"));  // a refused filter changes nothing

        signs->setFiltered(false);
        QCOMPARE(signs->RecordCount(), 3);
    }

    void keepsTheSignTableAcrossReconnects()
    {
        TDm dm;
        dm.ADOConnection1->ConnectionString = bankConnection();
        dm.ado_biaozhi->Open();
        dm.ado_biaozhi->MoveBy(2);
        dm.ADOConnection1->Close();
        QVERIFY(!dm.ADOConnection1->Connected());
        QCOMPARE(dm.ado_biaozhifilename().AsString(), QStringLiteral("c.jpg"));

        // The next exam start reconnects, here to a copy of the bank; opening again changes nothing.
        const QString copy = write(QStringLiteral("copy.mdb"), m_bank);
        dm.ADOConnection1->ConnectionString = connectionString(copy, m_workgroupPath, kBankPassword);
        dm.ADOConnection1->Open();
        QFile::remove(copy);
        dm.ado_biaozhi->Open();
        QCOMPARE(dm.ado_biaozhifilename().AsString(), QStringLiteral("c.jpg"));
        dm.ado_biaozhi->setFilter(QStringLiteral("filename='a.jpg'"));
        dm.ado_biaozhi->setFiltered(true);
        QCOMPARE(dm.ado_biaozhifiles().AsBytes(), pictureBytes(100, 1));
        RunQuery(QStringLiteral("select * from choose order by tid"));  // the bank was read into memory
        QCOMPARE(dm.ADOQuery1->RecordCount(), 5);
    }

    void opensFromMemoryWithoutTheFiles()
    {
        const QString text = connectionString(QStringLiteral("/nowhere/bank.mdb"), QStringLiteral("/nowhere/wg.mdw"), kBankPassword);
        const auto database = JetDatabase::openFromBuffers(m_bank, m_workgroup, text);
        QStringList userTables = database->tableNames();
        userTables.removeIf([](const QString &name) { return name.startsWith("MSys"); });
        QCOMPARE(userTables, (QStringList{"choose", "tzhishidian", "biaozhi", "types"}));
        QVERIFY(errorOf([&] { (void)JetDatabase::openFromBuffers(m_bank.left(100), m_workgroup, text); })
                    .contains("/nowhere/bank.mdb"));
    }

    // A page-encoded file (every page after the first RC4-encoded with the header's key
    // XOR the page number) reads the same as the plain one, long values included.
    void readsAPageEncodedBank()
    {
        const quint32 key = 0x1234ABCD;
        QByteArray bank = m_bank;
        const QByteArray headerKey("\xC7\xDA\x39\x6B", 4);
        jet::rc4Xor(headerKey, bank.data() + 0x18, 128);
        putU32(bank, 0x3E, key);
        jet::rc4Xor(headerKey, bank.data() + 0x18, 128);
        for (qsizetype page = 1; page < bank.size() / kPage; ++page) {
            QByteArray pageKey(4, '\0');
            putU32(pageKey, 0, key ^ quint32(page));
            jet::rc4Xor(pageKey, bank.data() + page * kPage, kPage);
        }
        const auto plain = JetDatabase::openFromBuffers(m_bank, m_workgroup, bankConnection());
        const auto encoded = JetDatabase::openFromBuffers(bank, m_workgroup, bankConnection());
        for (const char *table : {"tzhishidian", "biaozhi", "types"}) {
            const ResultSet &expected = *plain->table(QLatin1String(table));
            const ResultSet &actual = *encoded->table(QLatin1String(table));
            QCOMPARE(actual.columns, expected.columns);
            QVERIFY2(actual.rows == expected.rows, table);
        }
    }

    // libmdb copies a table's page usage map from the row the definition points to and
    // indexes it unchecked: an empty row there must be refused, not dereferenced.
    void refusesATableWithoutUsageMap()
    {
        QByteArray bank = m_bank;
        for (qsizetype page = 3; page < bank.size() / kPage; ++page) {
            const qsizetype base = page * kPage;
            if (bank[base] != 0x02)
                continue;
            const quint32 map = getU32(bank, base + 55);
            const qsizetype mapPage = qsizetype(map >> 8) * kPage;
            const int row = int(map & 0xFF);
            const quint16 end = row == 0 ? quint16(kPage) : getU16(bank, mapPage + kRowCount + 2 * row);
            putU16(bank, mapPage + kRowCount + 2 + 2 * row, end);
        }
        const auto database = JetDatabase::openFromBuffers(bank, m_workgroup, bankConnection());
        const QString message = errorOf([&] { (void)database->table(QStringLiteral("choose")); });
        QVERIFY2(message.contains("'choose'") && message.contains("usage map"), qPrintable(message));
    }

    // A long value whose chain of rows loops must end in an error naming the column,
    // not in an endless read.
    void refusesALongValueChainThatLoops()
    {
        QByteArray bank = m_bank;
        int looped = 0;
        for (qsizetype page = 3; page < bank.size() / kPage; ++page) {
            const qsizetype base = page * kPage;
            if (bank[base] != 0x01 || bank.mid(base + 4, 4) != "LVAL")
                continue;
            const int rows = getU16(bank, base + kRowCount);
            for (int row = 0; row < rows; ++row) {
                const qsizetype start = base + (getU16(bank, base + kRowCount + 2 + 2 * row) & 0x1FFF);
                if (getU32(bank, start) != 0) {
                    putU32(bank, start, quint32(page << 8 | row));
                    ++looped;
                }
            }
        }
        QVERIFY(looped > 0);
        const auto database = JetDatabase::openFromBuffers(bank, m_workgroup, bankConnection());
        const QString message = errorOf([&] { (void)database->table(QStringLiteral("tzhishidian")); });
        QVERIFY2(message.contains("'knowladge'") && message.contains("loops"), qPrintable(message));
    }

    // Damaged banks: every outcome is a result or a BankError, never a crash or a hang.
    void survivesDamagedBanks()
    {
        const QString text = connectionString(QStringLiteral("bank.mdb"), QStringLiteral("wg.mdw"), kBankPassword);
        QRandomGenerator random(12345);
        int opened = 0;
        // DRVQ_DAMAGE_ROUNDS raises the count for sanitizer runs.
        const int rounds = qEnvironmentVariableIsSet("DRVQ_DAMAGE_ROUNDS") ? qEnvironmentVariableIntValue("DRVQ_DAMAGE_ROUNDS") : 400;
        for (int round = 0; round < rounds; ++round) {
            QByteArray bank = m_bank;
            const int flips = 1 + int(random.bounded(8));
            for (int i = 0; i < flips; ++i) {
                // Skip the definition page: damage there only ends in "not a Jet database".
                // Half the damage goes to page headers, table definitions and row offsets,
                // where libmdb takes counts and offsets from the file.
                const qsizetype page = 1 + qsizetype(random.bounded(quint32(bank.size() / 4096 - 1)));
                const qsizetype at = random.bounded(2) ? page * 4096 + qsizetype(random.bounded(160))
                                                       : 4096 + qsizetype(random.bounded(quint32(bank.size() - 4096)));
                bank[at] = char(random.bounded(256));
            }
            if (round % 10 == 0)
                bank.truncate(4096 * (1 + qsizetype(random.bounded(quint32(bank.size() / 4096)))));
            try {
                const auto database = JetDatabase::openFromBuffers(bank, m_workgroup, text);
                ++opened;
                for (const char *statement : {"select * from choose order by tid",
                                              "SELECT Keyword,knowladge FROM tzhishidian  WHERE  recno ='01001' or recno ='02003'",
                                              "select * from biaozhi where filename = 'a.jpg'", "select * from types"}) {
                    try {
                        (void)database->query(QString::fromLatin1(statement));
                    } catch (const BankError &) {
                    }
                }
            } catch (const BankError &) {
            }
        }
        QVERIFY(opened > 0);
    }

    // A workgroup file opens under either signature; the bank only as "Standard Jet DB".
    void acceptsBothWorkgroupSignatures()
    {
        for (const bool signedAsWorkgroup : {true, false}) {
            const QByteArray workgroup = workgroupImage(QStringLiteral("admin"), signedAsWorkgroup);
            QCOMPARE(workgroup.mid(4, 16) == QByteArray("Jet System DB\0\0\0", 16), signedAsWorkgroup);
            const auto database = JetDatabase::openFromBuffers(m_bank, workgroup, bankConnection());
            QCOMPARE(database->query(QStringLiteral("select * from choose")).rows.size(), std::size_t(5));
        }
    }

    // Workgroup files as Access leaves them: one written by Access 97 and committed by a
    // public project, and a Jet 4 one whose definition page is signed as Access signs it.
    // mdbtools and the trainer both find the user 'admin' in them, and only the user.
    void opensWithAWorkgroupFileWrittenByAccess_data()
    {
        QTest::addColumn<QString>("workgroup");
        QTest::addColumn<QString>("version");
        QTest::newRow("Access 97") << QStringLiteral(DRVQ_TEST_DATA "/access-workgroup/system.mdw") << "JET3";
        QByteArray jet4 = workgroupImage();
        jet4.replace(4, 16, QByteArray("Jet System DB  \0", 16));
        QTest::newRow("Jet 4, signed as Access signs it") << write(QStringLiteral("access-signed.mdw"), jet4) << "JET4";
    }

    void opensWithAWorkgroupFileWrittenByAccess()
    {
        QFETCH(QString, workgroup);
        QFETCH(QString, version);
        const auto database = JetDatabase::open(connectionString(m_bankPath, workgroup, kBankPassword));
        QCOMPARE(database->query(QStringLiteral("select * from choose")).rows.size(), std::size_t(5));
        for (const QString &notAUser : {QStringLiteral("nobody"), QStringLiteral("Admins"), QStringLiteral("Users")}) {
            const QString message = errorOf([&] {
                (void)JetDatabase::open(connectionString(m_bankPath, workgroup, kBankPassword, notAUser));
            });
            QVERIFY2(message.contains(QStringLiteral("no user account '%1'").arg(notAUser)), qPrintable(message));
        }

        if (QStandardPaths::findExecutable(QStringLiteral("mdb-export")).isEmpty())
            QSKIP("mdbtools is missing (run scripts/setup)");
        const auto run = [](const QString &program, const QStringList &arguments) {
            QProcess process;
            process.start(program, arguments);
            if (!process.waitForFinished(60000) || process.exitCode() != 0)
                return QByteArray();
            return process.readAllStandardOutput();
        };
        QCOMPARE(run(QStringLiteral("mdb-ver"), {workgroup}).trimmed(), version.toLatin1());
        QVERIFY(run(QStringLiteral("mdb-tables"), {QStringLiteral("-S"), QStringLiteral("-1"), workgroup})
                    .split('\n').contains("MSysAccounts"));
        const QList<QByteArray> accounts = run(QStringLiteral("mdb-export"), {workgroup, QStringLiteral("MSysAccounts")}).split('\n');
        QVERIFY(std::any_of(accounts.begin(), accounts.end(),
                            [](const QByteArray &line) { return line.startsWith("\"admin\","); }));
    }

    // The pages of a table that a torn write or a stray copy has spoilt: each is an error
    // naming the file, the table and the page, and libmdb says nothing on the terminal.
    void damagedPagesAreErrorsNamingFileTableAndPage_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two zeroed data pages") << "zero" << "tzhishidian"
                                               << QStringList{"no data page (page type 0x00)", "2 pages"};
        QTest::newRow("another table's page") << "foreign" << "tzhishidian"
                                              << QStringList{"data page of the table defined on page"};
        QTest::newRow("row beyond its page") << "row" << "tzhishidian" << QStringList{"row 0", "no valid extent"};
        QTest::newRow("row count too large") << "count" << "tzhishidian" << QStringList{"rows cannot fit the page"};
        QTest::newRow("long value on a zeroed page") << "long" << "biaozhi"
                                                     << QStringList{"column 'files'", "no data page"};
    }

    void damagedPagesAreErrorsNamingFileTableAndPage()
    {
        QFETCH(QString, damage);
        QFETCH(QString, table);
        QFETCH(QStringList, expected);
        QByteArray bank = m_bank;
        const QList<qsizetype> pages = dataPagesOf(bank, table);
        QVERIFY(!pages.isEmpty());
        const qsizetype first = pages.first() * kPage;
        if (damage == "zero") {
            bank.append(QByteArray(kPage, '\0'));
            bank.replace(first, kPage, QByteArray(kPage, '\0'));
            markInUsageMap(bank, table, qsizetype(bank.size() / kPage) - 1);
        } else if (damage == "foreign") {
            putU32(bank, first + 4, getU32(bank, first + 4) + 1);
        } else if (damage == "row") {
            putU16(bank, first + kRowCount + 2, quint16(kPage + 10));
        } else if (damage == "count") {
            putU16(bank, first + kRowCount, 3000);
        } else if (damage == "long") {
            for (qsizetype page = 3; page < bank.size() / kPage; ++page) {
                if (bank.mid(page * kPage + 4, 4) == "LVAL")
                    bank.replace(page * kPage, kPage, QByteArray(kPage, '\0'));
            }
        }
        const QString path = QStringLiteral("/banks/damaged.mdb");
        const auto database = JetDatabase::openFromBuffers(
            bank, m_workgroup, connectionString(path, QStringLiteral("/banks/wg.mdw"), kBankPassword));
        const QByteArray terminal = stderrDuring([&] {
            const QString message = errorOf([&] { (void)database->table(table); });
            for (const QString &part : QStringList{"Bank file " + path + " is damaged", "'" + table + "'", "page "} + expected)
                QVERIFY2(message.contains(part), qPrintable(part + " in: " + message));
        });
        QVERIFY2(terminal.isEmpty(), terminal.constData());
    }

    void signTableWithoutItsFieldsFailsWhenItOpens()
    {
        jet4::Database database = bankDatabase();
        database.tables[2].columns[1].name = QStringLiteral("picture");
        const QString bank = write(QStringLiteral("nofiles.mdb"), jet4::writeDatabase(database));
        TDm dm;
        dm.ADOConnection1->ConnectionString = connectionString(bank, m_workgroupPath, kBankPassword);
        const QString message = errorOf([&] { dm.ado_biaozhi->Open(); });
        QVERIFY2(message.contains("nofiles.mdb") && message.contains("'biaozhi' has no column 'files'"), qPrintable(message));
        QVERIFY(!dm.ado_biaozhi->Active());
    }
};

QTEST_GUILESS_MAIN(TestProvider)
#include "tst_provider.moc"
