// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionstring.h"
#include "knowledgequery.h"

#include <QTest>

class TestConnectionString : public QObject {
    Q_OBJECT

private slots:
    void isBuiltCharacterForCharacterFromTheProgramFolder()
    {
        const QString folder = QStringLiteral("/opt/驾考 练习/");
        QCOMPARE(buildConnectionString(bankPaths(folder)),
                 QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Password=rmvqex.84.kol;User ID=ADMIN;"
                                "Data Source=/opt/驾考 练习/Dat/drvq.mdb;Persist Security Info=True;"
                                "Jet OLEDB:System database=/opt/驾考 练习/Dat/Morvel.mdw;"
                                "Jet OLEDB:Database Password=春风吹过山岗绿水长流白云飘荡-青松翠柏"));
    }

    void passwordsHaveTheirDesignedLengths()
    {
        QCOMPARE(WorkgroupPassword.size(), 13);
        QCOMPARE(DatabasePassword.size(), 19);
        QCOMPARE(DatabasePassword.at(14), QLatin1Char('-'));
    }

    void splitsIntoKeysThatIgnoreCase()
    {
        const ConnectionString parsed(buildConnectionString(bankPaths(QStringLiteral("/p/"))));
        QCOMPARE(parsed.value(QStringLiteral("provider")), QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
        QCOMPARE(parsed.value(QStringLiteral("USER ID")), QStringLiteral("ADMIN"));
        QCOMPARE(parsed.value(QStringLiteral("Data Source")), QStringLiteral("/p/Dat/drvq.mdb"));
        QCOMPARE(parsed.value(QStringLiteral("jet oledb:system database")), QStringLiteral("/p/Dat/Morvel.mdw"));
        QCOMPARE(parsed.value(QStringLiteral("Jet OLEDB:Database Password")), DatabasePassword);
        QVERIFY(!parsed.contains(QStringLiteral("Mode")));
    }

    void designTimeStringPointsElsewhere()
    {
        const ConnectionString designed(DesignTimeConnectionString);
        QCOMPARE(designed.value(QStringLiteral("Data Source")), QStringLiteral("C:\\ks\\Dat\\bs.mdb"));
        QVERIFY(!designed.contains(QStringLiteral("Jet OLEDB:Database Password")));
    }

    void knowledgeStatementCutsCodesIntoPiecesOfFive_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("statement");
        const QString head = QStringLiteral("SELECT Keyword,knowladge FROM tzhishidian ");
        QTest::newRow("one code") << QStringLiteral("01001") << head + QStringLiteral(" WHERE  recno ='01001'");
        QTest::newRow("two codes joined by or")
            << QStringLiteral("0100102003")
            << head + QStringLiteral(" WHERE  recno ='01001' or recno ='02003'");
        QTest::newRow("seven bytes give pieces of five and two")
            << QStringLiteral("0100102") << head + QStringLiteral(" WHERE  recno ='01001' or recno ='02'");
        QTest::newRow("blanks are not trimmed") << QStringLiteral(" 0100") << head + QStringLiteral(" WHERE  recno =' 0100'");
        QTest::newRow("a quote is doubled") << QStringLiteral("01'01") << head + QStringLiteral(" WHERE  recno ='01''01'");
    }

    void knowledgeStatementCutsCodesIntoPiecesOfFive()
    {
        QFETCH(QString, codes);
        QFETCH(QString, statement);
        QCOMPARE(knowledgeStatement(codes), statement);
    }
};

QTEST_APPLESS_MAIN(TestConnectionString)
#include "tst_connectionstring.moc"
