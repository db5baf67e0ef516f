// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures, on the sample bank, showing a question's sign picture (filter, blob, temporary
// file, decoding, painting) over every sign of the bank, and a hand-in up to the score
// window on screen with its numbers coloured and its total.
#include "benchsupport.h"

#include "exampaper.h"
#include "picturebox.h"
#include "tfrm_ks_choose.h"
#include "tfrm_ping.h"

#include "exceptionreporter.h"
#include "tapplication.h"

#include "connectionstring.h"
#include "tdm.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QStringList signNames()
{
    TADOTable &table = *Dm->ado_biaozhi;
    table.setFiltered(false);
    QStringList names;
    for (table.First(); !table.Eof(); table.Next())
        names << Dm->ado_biaozhifilename().AsString();
    if (names.isEmpty())
        qFatal("the sample bank in %s/Dat has no signs: build the project first", DRVQ_BUILD_DIR);
    return names;
}

void startExam(TFrm_Ks_Choose &exam)
{
    exam.hide();
    ResetExamPaper();
    exam.Tag = 0;
    SetReviewMode(false);
    exam.show();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    setExceptionReporter([](const QString &message) { qFatal("%s", qPrintable(message)); });

    TDm dm;
    dm.ADOConnection1->ConnectionString = buildConnectionString(bankPaths(QStringLiteral(DRVQ_BUILD_DIR "/")));
    dm.ADOConnection1->Open();
    dm.ado_biaozhi->Open();
    TFrm_Ks_Choose exam;
    startExam(exam);

    std::vector<double> signTimes;
    const QStringList names = signNames();
    for (int round = 0; round < 20; ++round) {
        for (const QString &name : names) {
            ExamPaper[CurrentNo].SignName = name;
            QElapsedTimer timer;
            timer.start();
            exam.Button2Click(nullptr);
            exam.img_biaozhi->repaint();
            signTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (!exam.img_biaozhi->hasPicture())
                qFatal("sign %s was not shown", qPrintable(name));
        }
    }
    std::printf("BENCH sign_show median_ms=%.3f signs=%lld\n", bench::median(signTimes), qlonglong(names.size()));

    std::vector<double> handInTimes;
    for (int run = 0; run < 31; ++run) {
        startExam(exam);
        QElapsedTimer timer;
        QTimer::singleShot(0, [&] {
            // The score window is up: coloured, totalled, painted.
            Frm_Ping->repaint();
            handInTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
            Frm_Ping->close();
        });
        timer.start();
        exam.Btn_pingClick(exam.Btn_ping);
    }
    std::printf("BENCH hand_in median_ms=%.3f\n", bench::median(handInTimes));
    std::fflush(stdout);
    return 0;
}
