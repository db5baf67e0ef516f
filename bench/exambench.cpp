// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures an exam start: from the click on the start button to the exam window showing
// question 1, drawing and knowledge preload included, side by side with loading the choose
// table alone, on the 10,000-question synthetic bank and on the sample bank.
#include "bankbuilder.h"
#include "benchsupport.h"
#include "syntheticbank.h"

#include "programfolder.h"
#include "tfrm_ks_sta.h"

#include "exampaper.h"
#include "tfrm_ks_choose.h"

#include "exceptionreporter.h"
#include "tapplication.h"
#include "tx_printmessage.h"

#include "connectionstring.h"
#include "tdm.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// One figure: the start against the table load, both on the bank in `programFolder`.
void measure(const char *name, const QString &programFolder, TFrm_Ks_Sta &start, TFrm_Ks_Choose &exam)
{
    setProgramFolder(programFolder);
    const QString connection = buildConnectionString(bankPaths(programFolder));
    const double load = bench::medianMs(9, [&] {
        Dm->ADOConnection1->Close();
        Dm->ADOConnection1->ConnectionString = connection;
        Dm->ADOConnection1->Open();
        RunQuery(QStringLiteral("select * from choose order by tid"));
    });
    Dm->ado_biaozhi->Close();
    const double startMs = bench::medianMs(9, [&] {
        exam.hide();
        start.Button1->Click();
        if (!exam.isVisible() || CurrentNo != 1 || exam.Edt_Tm->toPlainText() != ExamPaper[1].QuestionText)
            qFatal("the exam did not start on question 1");
    });
    std::printf("BENCH %s median_ms=%.3f ratio=%.2f\n", name, startMs, startMs / load);
    std::printf("BENCH %s_table_load median_ms=%.3f\n", name, load);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    setExceptionReporter([](const QString &message) { qFatal("%s", qPrintable(message)); });

    TFrm_Ks_Sta start;
    TDm dm;
    Tx_printmessage wait;
    TFrm_Ks_Choose exam;

    QTemporaryDir dir;
    const BankContent content = SyntheticBank::make(10'000, 2'000, 300, bench::samplePictures());
    BankBuilder::write(content, dir.filePath(QStringLiteral("Dat")));
    measure("exam_start_10k", dir.path() + u'/', start, exam);
    measure("exam_start_sample", QStringLiteral(DRVQ_BUILD_DIR "/"), start, exam);
    return 0;
}
