// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows every road-situation picture of the sample bank in the exam window, as a trainee
// meets it: one question per picture, put on a paper and opened in turn, and the question
// area of the window saved as OUT_DIR/<picture>.png. A picture is judged at the size it has
// in the exam, not as a file on its own.
//
//   situation_screenshots BUILD_DIR OUT_DIR
#include "drawnslot.h"
#include "examtestbank.h"

#include "bankquestions.h"
#include "exampaper.h"
#include "findbyname.h"
#include "tapplication.h"
#include "tdm.h"
#include "tfrm_ks_choose.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QMap>
#include <QPushButton>

#include <algorithm>

#include <cstdio>

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    if (argc != 3)
        qFatal("usage: situation_screenshots BUILD_DIR OUT_DIR");
    const QString outFolder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outFolder);

    TDm dm;
    examtest::connect(dm, QString::fromLocal8Bit(argv[1]));
    dm.ado_biaozhi->Open();
    TFrm_Ks_Choose exam;
    const practice::BankQuestions bank = practice::loadBankQuestions();

    // The first question of each situation picture, by picture name.
    QMap<QString, const practice::BankQuestion *> byPicture;
    for (const practice::BankQuestion &q : bank.questions) {
        const QString name = trimBlanks(q.signName);
        if (name.startsWith(QLatin1String("lk_")) && !byPicture.contains(name))
            byPicture.insert(name, &q);
    }
    const QList<QString> names = byPicture.keys();

    // A paper holds 100 questions; more pictures take more papers.
    for (qsizetype first = 0; first < names.size(); first += ExamLength) {
        ResetExamPaper();
        const qsizetype count = std::min<qsizetype>(ExamLength, names.size() - first);
        for (int n = 1; n <= count; ++n) {
            const practice::BankQuestion &q = *byPicture.value(names[first + n - 1]);
            ExamPaper[n] = examtest::drawnSlot(q, q.key);
            ExamPaper[n].SignName = q.signName;
        }
        exam.Tag = 1;  // the paper is in place: showing the window draws none
        exam.show();
        for (int n = 1; n <= count; ++n) {
            exam.BitBtn1Click(findComponent(&exam, QStringLiteral("BitBtn%1").arg(n)));
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
            const QString path = QDir(outFolder).filePath(QFileInfo(names[first + n - 1]).completeBaseName() + QStringLiteral(".png"));
            if (!exam.GroupBox1->grab().save(path))
                qFatal("cannot write %s", qPrintable(path));
        }
        exam.hide();
    }
    std::printf("situation_screenshots: %lld pictures in %s\n", qlonglong(names.size()), qPrintable(outFolder));
    return 0;
}
