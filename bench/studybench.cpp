// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the trainee's record in a temporary data folder: one practice answer written,
// one handed-in paper written, and the file's size after 1,000 papers and 100,000 answers.
#include "benchsupport.h"

#include "studyrecord.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

using namespace study;

namespace {

QuestionRef questionAt(int tid)
{
    return {QStringLiteral("/bench/drvq.mdb"), tid, questionDigest(QString::number(tid), {}, {}, {}, QStringLiteral("A"))};
}

PaperRecord paperFrom(int first)
{
    PaperRecord paper;
    paper.bank = QStringLiteral("/bench/drvq.mdb");
    paper.startedAt = QDateTime::currentDateTimeUtc();
    paper.secondsUsed = 1800;
    paper.fullMarks = 100;
    for (int i = 0; i < 100; ++i) {
        const QString given = i % 10 == 0 ? QStringLiteral("B") : QStringLiteral("A");
        paper.questions << PaperQuestion{questionAt((first + i * 7) % 2000 + 1), given, QStringLiteral("A"), 1};
        paper.score += given == QLatin1String("A") ? 1 : 0;
    }
    paper.passed = paper.score >= 90;
    return paper;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    StudyRecord record;
    if (!record.isKept())
        qFatal("the record cannot be kept: %s", qPrintable(record.takeNotices().join(' ')));

    int tid = 0;
    const double answerMs = bench::medianMs(501, [&] {
        ++tid;
        record.addPracticeAnswer({questionAt(tid % 2000 + 1), tid % 4 ? QStringLiteral("A") : QStringLiteral("C"),
                                  QStringLiteral("A"), PracticeMode::Random, {}});
    });
    std::printf("BENCH study_answer_write median_ms=%.3f\n", answerMs);
    int papers = 0;
    const double paperMs = bench::medianMs(101, [&] { record.addPaper(paperFrom(++papers)); });
    std::printf("BENCH study_paper_write median_ms=%.3f\n", paperMs);
    std::fflush(stdout);

    while (papers < 1000)
        record.addPaper(paperFrom(++papers));
    while (tid < 100000) {
        ++tid;
        record.addPracticeAnswer({questionAt(tid % 2000 + 1), tid % 4 ? QStringLiteral("A") : QStringLiteral("C"),
                                  QStringLiteral("A"), PracticeMode::Random, {}});
    }
    const QString path = StudyRecord::defaultPath();
    const qint64 bytes = QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
    std::printf("BENCH study_record_size bytes=%lld papers=1000 answers=100000\n", static_cast<long long>(bytes));
    return 0;
}
