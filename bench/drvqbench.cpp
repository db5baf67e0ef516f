// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the bank layer on a 10,000-question synthetic bank, side by side with
// mdb-export reading the same file, and prints one BENCH line per figure.
#include "bankbuilder.h"
#include "benchsupport.h"
#include "syntheticbank.h"

#include "connectionstring.h"
#include "knowledgequery.h"
#include "tdm.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void report(const char *name, double ms, double floorMs = 0)
{
    if (floorMs > 0)
        std::printf("BENCH %s median_ms=%.3f ratio=%.2f\n", name, ms, ms / floorMs);
    else
        std::printf("BENCH %s median_ms=%.3f\n", name, ms);
    std::fflush(stdout);
}

void runExport(const QString &file, const QString &table)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral("mdb-export"), {file, table});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        qFatal("mdb-export %s failed", qPrintable(table));
}

QString machine()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    QString model = QStringLiteral("unknown processor");
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                model = QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
                break;
            }
        }
    }
    return QStringLiteral("%1, %2 cores, %3").arg(model).arg(QThread::idealThreadCount()).arg(QSysInfo::prettyProductName());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("BENCH machine: %s\n", qPrintable(machine()));

    const BankContent content = SyntheticBank::make(10'000, 2'000, 300, bench::samplePictures());
    QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("Dat"));

    const double build = bench::medianMs(5, [&] { BankBuilder::write(content, dat); });
    const BankPaths paths{QDir(dat).filePath(DatabaseFileName), QDir(dat).filePath(WorkgroupFileName)};
    std::printf("BENCH bank_size_mb=%.1f\n", double(QFileInfo(paths.DatabasePath).size()) / 1048576.0);

    const double exportChoose = bench::medianMs(7, [&] { runExport(paths.DatabasePath, QStringLiteral("choose")); });
    const double exportKnowledge = bench::medianMs(7, [&] { runExport(paths.DatabasePath, QStringLiteral("tzhishidian")); });

    TDm dm;
    const QString connection = buildConnectionString(paths);
    const double open = bench::medianMs(7, [&] {
        dm.ADOConnection1->Close();
        dm.ADOConnection1->ConnectionString = connection;
        dm.ADOConnection1->Open();
    });
    const double loadChoose = bench::medianMs(7, [&] {
        dm.ADOConnection1->Close();
        dm.ADOConnection1->Open();
        RunQuery(QStringLiteral("select * from choose order by tid"));
    });
    const double selectChoose = bench::medianMs(7, [&] { RunQuery(QStringLiteral("select * from choose order by tid")); });

    std::vector<QString> codes;
    for (const Question &q : content.questions) {
        if (!q.ZHISHIDIAN.isEmpty() && codes.size() < 100)
            codes.push_back(q.ZHISHIDIAN);
    }
    const double knowledge = bench::medianMs(7, [&] {
        for (const QString &c : codes)
            RunQuery(knowledgeStatement(c));
    });

    dm.ado_biaozhi->Close();
    dm.ado_biaozhi->Open();
    const double signs = bench::medianMs(7, [&] {
        for (int i = 0; i < 100; ++i) {
            TADOTable &table = *dm.ado_biaozhi;
            table.setFiltered(false);
            table.setFilter(QStringLiteral("filename='sign%1.jpg'").arg(i * 3 + 1));
            table.setFiltered(true);
            QBuffer stream;
            stream.open(QIODevice::WriteOnly);
            if (table.RecordCount() > 0)
                dm.ado_biaozhifiles().SaveToStream(stream);
        }
    });

    report("mdb_export_choose", exportChoose);
    report("mdb_export_tzhishidian", exportKnowledge);
    report("open_bank", open);
    report("load_choose", loadChoose, exportChoose);
    report("select_choose", selectChoose, exportChoose);
    report("knowledge_queries_100", knowledge);
    report("sign_lookups_100", signs);
    report("build_bank_10k", build);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("BENCH peak_rss_mb=%.1f\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
