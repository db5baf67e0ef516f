// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes practice answers to the record at argv[1] without end, and prints the number of
// each answer once its transaction has committed; the kill test stops it with SIGKILL.
#include "studyrecord.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    study::StudyRecord record(QString::fromLocal8Bit(argv[1]));
    if (!record.isKept())
        return 1;
    for (int n = 1;; ++n) {
        const study::QuestionRef question{QStringLiteral("/bank/drvq.mdb"), n,
                                          study::questionDigest(QString::number(n), {}, {}, {}, QStringLiteral("A"))};
        if (!record.addPracticeAnswer({question, n % 3 ? QStringLiteral("A") : QStringLiteral("B"),
                                       QStringLiteral("A"), study::PracticeMode::Random, {}}))
            return 1;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
