// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bankerror.h"
#include "bankerrortext.h"
#include "sqlcondition.h"
#include "sqlstatement.h"

#include <QTest>

using banktest::errorOf;

namespace {

// A table like the knowledge table: recno (text), keyword, knowladge, level (integer).
ResultSet knowledgeTable()
{
    ResultSet table;
    table.columns = {QStringLiteral("recno"), QStringLiteral("keyword"), QStringLiteral("knowladge"), QStringLiteral("level")};
    auto add = [&](const char *recno, const char *keyword, Cell level) {
        table.rows.push_back({QString::fromUtf8(recno), QString::fromUtf8(keyword), QString::fromUtf8(keyword) + u'!', level});
    };
    add("02003", "b", qint64(2));
    add("01001", "a", qint64(10));
    add("03005", "it's", Cell{});
    add("01001", "A", qint64(-1));
    add("abc", "Zebra", qint64(2));
    return table;
}

QStringList column(const ResultSet &result, int index)
{
    QStringList values;
    for (const auto &row : result.rows)
        values.append(cellText(row[std::size_t(index)]));
    return values;
}

} // namespace

class TestSqlStatement : public QObject {
    Q_OBJECT
private slots:
    void runsTheQuestionQueryInTidOrder()
    {
        ResultSet table;
        table.columns = {QStringLiteral("TID"), QStringLiteral("timu")};
        for (qint64 tid : {30, 4, 100, 4, 1})
            table.rows.push_back({tid, QStringLiteral("q%1").arg(table.rows.size())});
        const SqlStatement statement = SqlStatement::parse(QStringLiteral("select * from choose order by tid"));
        QCOMPARE(statement.table(), QStringLiteral("choose"));
        const ResultSet result = statement.run(table);
        QCOMPARE(result.columns, table.columns);
        // Numeric order (not 100 before 30), and the two 4s keep table order.
        QCOMPARE(column(result, 0), (QStringList{"1", "4", "4", "30", "100"}));
        QCOMPARE(column(result, 1), (QStringList{"q4", "q1", "q3", "q0", "q2"}));
    }

    void runsTheKnowledgeQueryInTableOrder()
    {
        const QString text = QStringLiteral("SELECT Keyword,knowladge FROM tzhishidian  WHERE  recno ='01001' or recno ='02003'");
        const ResultSet result = SqlStatement::parse(text).run(knowledgeTable());
        QCOMPARE(result.columns, (QStringList{"keyword", "knowladge"}));
        QCOMPARE(column(result, 0), (QStringList{"b", "a", "A"}));
    }

    void evaluatesConditions_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("keywords");
        QTest::newRow("AND binds tighter than OR")
            << "recno = '02003' or recno = '01001' and level = 10" << QStringList{"b", "a"};
        QTest::newRow("parentheses regroup")
            << "(recno = '02003' or recno = '01001') and level = 2" << QStringList{"b"};
        QTest::newRow("text equality ignores case") << "keyword = 'ZEBRA'" << QStringList{"Zebra"};
        QTest::newRow("doubled quote is one quote") << "keyword = 'it''s'" << QStringList{"it's"};
        QTest::newRow("null passes no comparison") << "level <> 2" << QStringList{"a", "A"};
        QTest::newRow("integers compare numerically") << "level >= 2" << QStringList{"b", "a", "Zebra"};
        QTest::newRow("negative number") << "level < 0" << QStringList{"A"};
        QTest::newRow("number column against quoted number") << "level = '10'" << QStringList{"a"};
        QTest::newRow("text ordering") << "recno < '02'" << QStringList{"a", "A"};
        QTest::newRow("nested parentheses") << "((keyword = 'b'))" << QStringList{"b"};
    }

    void evaluatesConditions()
    {
        QFETCH(QString, where);
        QFETCH(QStringList, keywords);
        const ResultSet result = SqlStatement::parse(QStringLiteral("select keyword from t where ") + where).run(knowledgeTable());
        QCOMPARE(column(result, 0), keywords);
    }

    void ordersByColumnsAndDirections()
    {
        const ResultSet table = knowledgeTable();
        ResultSet result = SqlStatement::parse(QStringLiteral("SELECT keyword FROM t ORDER BY level DESC, keyword")).run(table);
        // DESC keeps ties in table order unless a later key decides; null sorts first ascending.
        QCOMPARE(column(result, 0), (QStringList{"a", "Zebra", "b", "A", "it's"}));
        result = SqlStatement::parse(QStringLiteral("SELECT keyword FROM t ORDER BY keyword ASC")).run(table);
        // By code point: upper case before lower case.
        QCOMPARE(column(result, 0), (QStringList{"A", "Zebra", "a", "b", "it's"}));
    }

    void ordersTextByCodePoint()
    {
        const QString supplementary = QString::fromUcs4(U"\U0001F600");
        QCOMPARE(SqlStatement::compareForOrder(QString(QChar(0xFF01)), supplementary), -1);
        QCOMPARE(SqlStatement::compareForOrder(QString(QChar(0x4E00)), QString(QChar(0x4E01))), -1);
        QCOMPARE(SqlStatement::compareForOrder(Cell{}, qint64(-5)), -1);
        QCOMPARE(SqlStatement::compareForOrder(qint64(3), 2.5), 1);
    }

    void acceptsKeywordsAndNamesInAnyCase()
    {
        const SqlStatement statement = SqlStatement::parse(QStringLiteral("sElEcT KEYWORD fRoM T wHeRe RECNO='abc' OrDeR bY LeVeL dEsC"));
        QCOMPARE(statement.orderBy().size(), std::size_t(1));
        QVERIFY(statement.orderBy()[0].descending);
        QCOMPARE(column(statement.run(knowledgeTable()), 0), QStringList{"Zebra"});
    }

    void refusesWhatItDoesNotUnderstand_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("named");
        QTest::newRow("other verb") << "DELETE FROM t" << "'DELETE'";
        QTest::newRow("missing FROM") << "SELECT * t" << "expected FROM but found 't'";
        QTest::newRow("two tables") << "SELECT * FROM a, b" << "unexpected ','";
        QTest::newRow("LIKE") << "SELECT * FROM t WHERE a LIKE 'x'" << "found 'LIKE'";
        QTest::newRow("open text") << "SELECT * FROM t WHERE a = 'x" << "never closed";
        QTest::newRow("unknown character") << "SELECT * FROM t WHERE a != 1" << "'!'";
        QTest::newRow("column on the right") << "SELECT * FROM t WHERE 'x' = a" << "expected a column name but found 'x'";
        QTest::newRow("dangling AND") << "SELECT * FROM t WHERE a = 1 AND" << "the end of the text";
        QTest::newRow("unclosed parenthesis") << "SELECT * FROM t WHERE (a = 1" << "expected ')'";
        QTest::newRow("ORDER without BY") << "SELECT * FROM t ORDER tid" << "expected BY but found 'tid'";
        QTest::newRow("trailing words") << "SELECT * FROM t ORDER BY tid GROUP BY x" << "unexpected 'GROUP'";
        QTest::newRow("too deep") << "SELECT * FROM t WHERE " + QString(100, u'(') + "a=1" + QString(100, u')') << "nested deeper";
    }

    void refusesWhatItDoesNotUnderstand()
    {
        QFETCH(QString, statement);
        QFETCH(QString, named);
        const QString message = errorOf([&] { (void)SqlStatement::parse(statement); });
        QVERIFY2(message.contains(named), qPrintable(message));
        QVERIFY2(message.contains(statement), qPrintable(message));
    }

    void namesMissingColumnsAndMismatchedTypes_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("named");
        QTest::newRow("selected") << "SELECT nosuch FROM t" << "Column 'nosuch' not found in table 't'";
        QTest::newRow("in WHERE") << "SELECT * FROM t WHERE nosuch = 1" << "Column 'nosuch'";
        QTest::newRow("in ORDER BY") << "SELECT * FROM t ORDER BY nosuch" << "Column 'nosuch'";
        QTest::newRow("text against number") << "SELECT * FROM t WHERE recno = 1001" << "Data type mismatch: column 'recno'";
        QTest::newRow("number against word") << "SELECT * FROM t WHERE level = 'ten'" << "compared with 'ten'";
    }

    void namesMissingColumnsAndMismatchedTypes()
    {
        QFETCH(QString, statement);
        QFETCH(QString, named);
        const QString message = errorOf([&] { (void)SqlStatement::parse(statement).run(knowledgeTable()); });
        QVERIFY2(message.contains(named), qPrintable(message));
    }

    void parsesFiltersWithQuotesAndBlanks()
    {
        ResultSet signs;
        signs.columns = {QStringLiteral("filename")};
        for (const char *name : {"a.jpg", "it's.jpg", "b.jpg"})
            signs.rows.push_back({QString::fromUtf8(name)});
        for (const QString &text : {QStringLiteral("filename='it''s.jpg'"), QStringLiteral("  FileName  =  'IT''S.JPG'  ")}) {
            SqlCondition filter = SqlCondition::parseFilter(text);
            filter.bind(signs, QStringLiteral("signs"));
            QVERIFY(!filter.matches(signs.rows[0]));
            QVERIFY(filter.matches(signs.rows[1]));
        }
        QVERIFY(errorOf([] { (void)SqlCondition::parseFilter(QStringLiteral("filename='a.jpg' x")); }).contains("unexpected 'x'"));
        QVERIFY(errorOf([] { (void)SqlCondition::parseFilter(QStringLiteral("filename='a.jpg")); }).startsWith("Filter not understood"));
    }
};

QTEST_GUILESS_MAIN(TestSqlStatement)
#include "tst_sqlstatement.moc"
