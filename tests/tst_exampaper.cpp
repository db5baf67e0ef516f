// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random drawing of a paper over banks built in a temporary folder.
#include "examtestbank.h"

#include "drawexampaper.h"
#include "exampaper.h"
#include "examrandom.h"
#include "tfrm_ks_choose.h"

#include "exceptionreporter.h"
#include "findbyname.h"
#include "tapplication.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

namespace {

std::vector<qint32> paperIds()
{
    std::vector<qint32> ids;
    for (int n = 1; n <= ExamLength; ++n)
        ids.push_back(ExamPaper[n].QuestionId);
    return ids;
}

const _Tk &slotOf(qint32 tid)
{
    for (int n = 1; n <= ExamLength; ++n) {
        if (ExamPaper[n].QuestionId == tid)
            return ExamPaper[n];
    }
    qFatal("question %d was not drawn", tid);
}

// A seed that makes ExamRandom pick `position` out of `count`.
quint32 seedFor(quint32 position, quint32 count)
{
    quint32 inverse = 134775813u;  // Newton's iteration for the inverse modulo 2^32
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - 134775813u * inverse;
    const quint32 stepped = quint32(((quint64(position) << 32) + count - 1) / count) + 1;
    return (stepped - 1u) * inverse;
}

} // namespace

class TestExamPaper : public QObject {
    Q_OBJECT

    std::unique_ptr<TDm> m_dm;
    std::unique_ptr<TFrm_Ks_Choose> m_window;
    QStringList m_reported;

    void drawFrom(const BankContent &content)
    {
        QTemporaryDir folder;
        examtest::writeBank(content, folder.path());
        examtest::connect(*m_dm, folder.path());
        ResetExamPaper();  // as an exam start does
        m_window->Tag = 0;
        DrawExamPaper();
    }

private slots:
    void init()
    {
        m_reported.clear();
        setExceptionReporter([this](const QString &message) { m_reported << message; });
        m_dm = std::make_unique<TDm>();
        m_window = std::make_unique<TFrm_Ks_Choose>();
    }

    void cleanup()
    {
        ExamRandom::setSeedSource({});
        m_window.reset();
        m_dm.reset();
    }

    void generatorStepsAndScalesOnUnsignedValues_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<quint32>("count");
        QTest::addColumn<quint32>("position");
        QTest::newRow("zero seed") << 0u << 100u << 0u;               // stepped seed 1
        QTest::newRow("seed one") << 1u << 100u << 3u;                // 134775814 * 100 >> 32
        QTest::newRow("wraps modulo 2^32") << 0xFFFFFFFFu << 1000u << 968u;  // 4160191484
        QTest::newRow("top of the range") << seedFor(9999, 10000) << 10000u << 9999u;
    }
    void generatorStepsAndScalesOnUnsignedValues()
    {
        QFETCH(quint32, seed);
        QFETCH(quint32, count);
        QFETCH(quint32, position);
        QCOMPARE(ExamRandom::position(count, ExamRandom::nextSeed(seed)), position);
    }

    void aHundredQuestionBankGivesEveryQuestionOnce()
    {
        drawFrom(examtest::bank(100));
        const std::vector<qint32> ids = paperIds();
        const QSet<qint32> distinct(ids.begin(), ids.end());
        QCOMPARE(distinct.size(), 100);
        QCOMPARE(*std::min_element(ids.begin(), ids.end()), 1);
        QCOMPARE(*std::max_element(ids.begin(), ids.end()), 100);
    }

    void oneIsNotARepeatOfElevenOrTwentyOne()
    {
        // Positions in tid order: position k holds tid k + 1. A repeat of 11 is dropped.
        std::deque<quint32> seeds{seedFor(10, 150), seedFor(20, 150), seedFor(0, 150), seedFor(10, 150),
                                  seedFor(110, 150)};
        quint32 later = 12345;
        ExamRandom::setSeedSource([&seeds, &later] {
            if (seeds.empty())
                return later += 7919;  // once the script is done, seeds that keep moving
            const quint32 seed = seeds.front();
            seeds.pop_front();
            return seed;
        });
        drawFrom(examtest::bank(150));
        QCOMPARE(ExamPaper[1].QuestionId, 11);
        QCOMPARE(ExamPaper[2].QuestionId, 21);
        QCOMPARE(ExamPaper[3].QuestionId, 1);
        QCOMPARE(ExamPaper[4].QuestionId, 111);
    }

    void twoPapersInARowDiffer()
    {
        QTemporaryDir folder;
        examtest::writeBank(examtest::bank(400), folder.path());
        examtest::connect(*m_dm, folder.path());
        ResetExamPaper();  // as an exam start does
        m_window->Tag = 0;
        DrawExamPaper();
        const std::vector<qint32> first = paperIds();
        m_window->Tag = 0;
        DrawExamPaper();
        QVERIFY(paperIds() != first);
    }

    void aDrawnPaperIsNotDrawnAgainWhileTagIsOne()
    {
        drawFrom(examtest::bank(120));
        const std::vector<qint32> first = paperIds();
        QCOMPARE(m_window->Tag, 1);
        DrawExamPaper();
        QCOMPARE(paperIds(), first);
    }

    void answersAndAnswerBoxesAreEmptyAfterDrawing()
    {
        for (int n = 1; n <= ExamLength; ++n) {
            ExamPaper[n].GivenAnswer = QStringLiteral("B");
            qobject_cast<QLineEdit *>(findComponent(m_window.get(), QStringLiteral("Edit%1").arg(n)))->setText("B");
        }
        drawFrom(examtest::bank(100));
        for (int n = 1; n <= ExamLength; ++n) {
            QVERIFY2(ExamPaper[n].GivenAnswer.isEmpty(), qPrintable(QString::number(n)));
            QVERIFY(qobject_cast<QLineEdit *>(findComponent(m_window.get(), QStringLiteral("Edit%1").arg(n)))->text().isEmpty());
        }
    }

    void slotsHoldTheQuestionsReadably()
    {
        BankContent content = examtest::bank(100);
        content.questions[41].ANSWER_C.clear();
        content.questions[41].ANSWER_D = QStringLiteral("存而不用");
        content.questions[41].Key = QStringLiteral("B");
        content.questions[41].Score = 2;
        content.questions[41].biaozhi = QStringLiteral("jg_shizijiaocha.jpg");
        drawFrom(content);
        const Question &q = content.questions[41];
        const _Tk &slot = slotOf(42);
        QCOMPARE(slot.QuestionText, q.Timu);
        QCOMPARE(slot.ChoiceA, q.ANSWER_A);
        QCOMPARE(slot.ChoiceB, q.ANSWER_B);
        QCOMPARE(slot.ChoiceC, QString());
        QCOMPARE(slot.AnalysisText, q.ANALYSIS);
        QCOMPARE(slot.CorrectKey, QStringLiteral("B"));
        QCOMPARE(slot.QuestionScore, 2);
        QCOMPARE(slot.SignName, q.biaozhi);
    }

    void knowledgePointsArePreloaded_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("codes that match nothing") << "ZZ999" << 0 << 1 << QStringList();
        QTest::newRow("blank codes") << "   " << 0 << 0 << QStringList();
        QTest::newRow("no codes") << "" << 0 << 0 << QStringList();
        QTest::newRow("two codes") << "K0001K0002" << 2 << 1
                                   << QStringList{"要点1\r\n说明1", "要点2\r\n说明2"};
        QTest::newRow("seven bytes, two pieces") << "K0003K0" << 1 << 1 << QStringList{"要点3\r\n说明3"};
        QTest::newRow("a code with a quote") << "K'013" << 1 << 1 << QStringList{"引号\r\n带引号的编码"};
    }
    void knowledgePointsArePreloaded()
    {
        QFETCH(QString, codes);
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(QStringList, texts);
        BankContent content = examtest::bank(100);
        content.questions[6].ZHISHIDIAN = codes;
        for (int i = 1; i <= 12; ++i) {
            content.knowledge.push_back({QStringLiteral("K%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("要点%1").arg(i),
                                         QStringLiteral("说明%1").arg(i)});
        }
        content.knowledge.push_back({QStringLiteral("K'013"), QStringLiteral("引号"), QStringLiteral("带引号的编码")});
        drawFrom(content);
        const _Tk &slot = slotOf(7);
        QCOMPARE(slot.KnowledgeCount, count);
        QCOMPARE(slot.KnowledgeIndex, index);
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(slot.KnowledgeTexts[i], texts[i]);
    }

    void aQuestionKeepsTheFirstTenOfItsKnowledgePointsInBankOrder()
    {
        // Twelve points stored in an order of their own, with a point of another question
        // between them; the question lists its codes in number order.
        BankContent content = examtest::bank(100);
        const QList<int> stored{7, 3, 12, 1, 9, 5, 11, 2, 8, 4, 10, 6};
        QString codes;
        for (int i = 1; i <= 12; ++i)
            codes += QStringLiteral("K%1").arg(i, 4, 10, QLatin1Char('0'));
        QStringList inBankOrder;
        for (int i : stored) {
            content.knowledge.push_back({QStringLiteral("K%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("要点%1").arg(i),
                                         QStringLiteral("说明%1").arg(i)});
            content.knowledge.push_back({QStringLiteral("X%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("别的"),
                                         QStringLiteral("别的说明")});
            inBankOrder << QStringLiteral("要点%1\r\n说明%1").arg(i);
        }
        content.questions[0].ZHISHIDIAN = codes;
        drawFrom(content);
        const _Tk &slot = slotOf(1);
        QCOMPARE(slot.KnowledgeCount, 10);
        QCOMPARE(slot.KnowledgeIndex, 1);
        const QStringList kept(slot.KnowledgeTexts.begin(), slot.KnowledgeTexts.end());
        QCOMPARE(kept, inBankOrder.first(10));
    }

    void aBankOfNinetyNineQuestionsSaysSo()
    {
        QTemporaryDir folder;
        examtest::writeBank(examtest::bank(99), folder.path());
        examtest::connect(*m_dm, folder.path());
        m_window->Tag = 0;
        m_window->show();
        QCOMPARE(m_reported.size(), 1);
        QVERIFY2(m_reported[0].contains(QStringLiteral("99")), qPrintable(m_reported[0]));
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_window->Tag, 0);
    }

    void aFailedDrawingIsDrawnAfreshAtTheNextShowing()
    {
        m_window->Tag = 0;
        m_window->show();  // not connected: no bank file given
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(!m_window->isVisible());

        QTemporaryDir folder;
        examtest::writeBank(examtest::bank(100), folder.path());
        examtest::connect(*m_dm, folder.path());
        m_window->show();
        QCOMPARE(m_reported.size(), 1);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->Tag, 1);
        QCOMPARE(m_window->Edt_Tm->toPlainText(), ExamPaper[1].QuestionText);
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestExamPaper test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exampaper.moc"
