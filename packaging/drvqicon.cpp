// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// drvq-icon OUTDIR SIZE...: paints the program's icon into
// OUTDIR/hicolor/<size>x<size>/apps/org.example.drvq.png for each size.
#include "iconpainter.h"

#include <QDir>
#include <QImage>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: drvq-icon OUTDIR SIZE...\n");
        return 2;
    }
    try {
        const QDir out(QString::fromLocal8Bit(argv[1]));
        for (int i = 2; i < argc; ++i) {
            bool ok = false;
            const int size = QByteArray(argv[i]).toInt(&ok);
            if (!ok) {
                std::fprintf(stderr, "drvq-icon: not a size: %s\n", argv[i]);
                return 2;
            }
            const QString folder = out.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
            const QString file = folder + QStringLiteral("/org.example.drvq.png");
            if (!QDir().mkpath(folder) || !IconPainter::paint(size).save(file, "PNG")) {
                std::fprintf(stderr, "drvq-icon: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "drvq-icon: %s\n", e.what());
        return 1;
    }
    return 0;
}
