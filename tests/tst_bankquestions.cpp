// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every question of a bank loaded for practice: texts as a drawn paper holds them, knowledge
// codes cut into pieces, the points by code.
#include "examtestbank.h"

#include "bankquestions.h"

#include "tdm.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace practice;

class TestBankQuestions : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<TDm> m_dm;

private slots:
    void initTestCase()
    {
        BankContent content = examtest::bank(5);
        content.questions[1].ANSWER_C.clear();           // tid 2: two choices
        content.questions[2].ZHISHIDIAN = "0100102003";   // tid 3: two points
        content.questions[3].ZHISHIDIAN = "01001xx999";   // tid 4: one point the bank lacks
        content.questions[4].biaozhi = "sign.jpg";
        std::swap(content.questions[0], content.questions[4]);  // stored out of tid order
        content.knowledge.push_back({"01001", QStringLiteral("让行"), QStringLiteral("让行的规定"), 0});
        content.knowledge.push_back({"02003", QStringLiteral("超车"), QStringLiteral("超车的规定"), 0});
        examtest::writeBank(content, m_folder.path());
        m_dm = std::make_unique<TDm>();
        examtest::connect(*m_dm, m_folder.path());
    }

    void cleanupTestCase() { m_dm.reset(); }

    void everyQuestionComesInTidOrderWithItsTexts()
    {
        const BankQuestions bank = loadBankQuestions();
        QCOMPARE(bank.questions.size(), 5);
        for (int i = 0; i < 5; ++i) {
            const BankQuestion &q = bank.questions.at(i);
            QCOMPARE(q.tid, i + 1);
            QCOMPARE(q.question, examtest::question(i + 1).Timu);
            QCOMPARE(q.choiceA, examtest::question(i + 1).ANSWER_A);
            QCOMPARE(q.key, QStringLiteral("A"));
            QCOMPARE(q.analysis, QStringLiteral("评析%1").arg(i + 1));
            QCOMPARE(bank.find(i + 1), &q);
        }
        QVERIFY(!bank.find(6));
        QVERIFY(bank.find(1)->hasChoiceC());
        QVERIFY(!bank.find(2)->hasChoiceC());
        QCOMPARE(bank.find(5)->signName, QStringLiteral("sign.jpg"));
        QVERIFY(bank.find(1)->signName.isEmpty());
    }

    void knowledgeCodesAreCutAndLookedUp()
    {
        const BankQuestions bank = loadBankQuestions();
        QCOMPARE(bank.find(3)->knowledgeCodes, (QStringList{"01001", "02003"}));
        QCOMPARE(bank.knowledgeTexts(*bank.find(3)),
                 (QStringList{QStringLiteral("让行\r\n让行的规定"), QStringLiteral("超车\r\n超车的规定")}));
        // A code the bank does not hold is kept on the question but has no text.
        QCOMPARE(bank.find(4)->knowledgeCodes, (QStringList{"01001", "xx999"}));
        QCOMPARE(bank.knowledgeTexts(*bank.find(4)).size(), 1);
        QVERIFY(bank.find(1)->knowledgeCodes.isEmpty());
        QCOMPARE(bank.topicNames().value("02003"), QStringLiteral("超车"));
        QCOMPARE(bank.topicNames().size(), 2);
    }

    void aChapterIsTheCodesTwoLeadingDigits_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("chapter");
        QTest::newRow("numbered") << "01003" << "01";
        QTest::newRow("letters") << "ab003" << "";
        QTest::newRow("one digit") << "1a003" << "";
        QTest::newRow("too short") << "01" << "";
    }
    void aChapterIsTheCodesTwoLeadingDigits()
    {
        QFETCH(QString, code);
        QFETCH(QString, chapter);
        QCOMPARE(topicChapter(code), chapter);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TestBankQuestions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bankquestions.moc"
