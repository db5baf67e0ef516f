// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the stored pass chances against the papers' outcomes, on hand-computed cases.
#include "calibration.h"

#include <QTest>

using namespace study;

namespace {

CheckedPaper with(double chance, bool passed)
{
    return {chance, passed};
}

CheckedPaper without(bool passed)
{
    return {std::nullopt, passed};
}

} // namespace

class TestCalibration : public QObject {
    Q_OBJECT
private slots:
    void noPapersGiveEmptyBandsAndNoVerdict()
    {
        const Calibration c = calibrate({});
        QCOMPARE(c.papers, 0);
        QCOMPARE(c.bands.size(), 4);
        for (const CalibrationBand &band : c.bands)
            QCOMPARE(band.papers, 0);
        QCOMPARE(c.brier, 0.0);
        QCOMPARE(c.baselineBrier, 0.0);
        QVERIFY(!c.beatsBaseline());
    }

    void theFirstPaperIsComparedWithAnEvenChance()
    {
        // Passed at 0.8: (0.2)² = 0.04 against (0.5)² = 0.25.
        Calibration c = calibrate({with(0.8, true)});
        QCOMPARE(c.papers, 1);
        QVERIFY(qFuzzyCompare(c.brier, 0.04));
        QVERIFY(qFuzzyCompare(c.baselineBrier, 0.25));
        QVERIFY(c.beatsBaseline());
        QCOMPARE(c.bands[2].papers, 1);
        QCOMPARE(c.bands[2].passed, 1);
        QVERIFY(qFuzzyCompare(c.bands[2].meanPredicted, 0.8));

        // Failed at 0.8: 0.64 against 0.25.
        c = calibrate({with(0.8, false)});
        QVERIFY(qFuzzyCompare(c.brier, 0.64));
        QVERIFY(!c.beatsBaseline());
        QCOMPARE(c.bands[2].passed, 0);
    }

    void theBaselineIsThePassRateOfEveryEarlierPaper()
    {
        // Paper 1 (no chance, passed) counts for the history only. Paper 2: baseline 1/1,
        // failed at 0.3. Paper 3: baseline 1/2, passed at 0.6. Paper 4: no chance, failed.
        // Paper 5: baseline 2/4, passed at 0.95.
        const Calibration c = calibrate({without(true), with(0.3, false), with(0.6, true), without(false),
                                         with(0.95, true)});
        QCOMPARE(c.papers, 3);
        const double brier = (0.09 + 0.16 + 0.0025) / 3.0;
        const double baseline = (1.0 + 0.25 + 0.25) / 3.0;
        QVERIFY(qFuzzyCompare(c.brier, brier));
        QVERIFY(qFuzzyCompare(c.baselineBrier, baseline));
        QVERIFY(c.beatsBaseline());
        QCOMPARE(c.bands[0].papers, 1);
        QCOMPARE(c.bands[1].papers, 1);
        QCOMPARE(c.bands[2].papers, 0);
        QCOMPARE(c.bands[3].papers, 1);
        QCOMPARE(c.bands[3].passed, 1);
    }

    void papersWithoutAStoredChanceAloneLeaveNothingToCheck()
    {
        const Calibration c = calibrate({without(true), without(false), without(true)});
        QCOMPARE(c.papers, 0);
        QCOMPARE(c.brier, 0.0);
        QVERIFY(!c.beatsBaseline());
    }

    void aTieIsNoWin()
    {
        // The stored chances are the baseline's own: 0.5 for the first paper, then 1/1 after
        // its pass. Both passed: (0.25 + 0) / 2 = 0.125 either way.
        const Calibration c = calibrate({with(0.5, true), with(1.0, true)});
        QVERIFY(qFuzzyCompare(c.brier, 0.125));
        QVERIFY(qFuzzyCompare(c.baselineBrier, 0.125));
        QVERIFY(!c.beatsBaseline());
    }

    void bandEdgesBelongToTheBandAboveAndOneIsInTheLast()
    {
        const Calibration c =
            calibrate({with(0.0, false), with(0.5, false), with(0.7, true), with(0.9, true), with(1.0, true)});
        QCOMPARE(c.bands[0].papers, 1);
        QCOMPARE(c.bands[1].papers, 1);
        QCOMPARE(c.bands[2].papers, 1);
        QCOMPARE(c.bands[3].papers, 2);
        QVERIFY(qFuzzyCompare(c.bands[3].meanPredicted, 0.95));
        QCOMPARE(c.bands[3].passed, 2);
    }

    void aChanceOutsideTheRangeIsHeldToIt()
    {
        const Calibration c = calibrate({with(1.7, true), with(-0.2, false)});
        QCOMPARE(c.brier, 0.0);
        QCOMPARE(c.bands[3].papers, 1);
        QCOMPARE(c.bands[0].papers, 1);
    }

    void theRecordsPapersAreCheckedOldestFirst()
    {
        // Newest first as the record gives them; two begun at the same moment go by id.
        const QDateTime t(QDate(2026, 11, 1), QTime(9, 0));
        QList<PaperSummary> record;
        PaperSummary p;
        p.id = 3, p.startedAt = t.addDays(1), p.passed = true, p.passChanceAtStart = 0.9;
        record << p;
        p.id = 2, p.startedAt = t, p.passed = false, p.passChanceAtStart = std::nullopt;
        record << p;
        p.id = 1, p.startedAt = t, p.passed = true, p.passChanceAtStart = 0.4;
        record << p;
        const std::vector<CheckedPaper> papers = checkedPapers(record);
        QCOMPARE(papers.size(), std::size_t(3));
        QCOMPARE(papers[0].chance, std::optional<double>(0.4));
        QVERIFY(!papers[1].chance);
        QCOMPARE(papers[2].chance, std::optional<double>(0.9));
        // Paper 3's baseline is 1/2.
        QVERIFY(qFuzzyCompare(calibrate(papers).baselineBrier, (0.25 + 0.25) / 2.0));
    }
};

QTEST_GUILESS_MAIN(TestCalibration)
#include "tst_calibration.moc"
