// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

namespace bench {

double median(std::vector<double> timesMs)
{
    std::sort(timesMs.begin(), timesMs.end());
    return timesMs[timesMs.size() / 2];
}

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(std::move(times));
}

QByteArrayList samplePictures()
{
    QByteArrayList pictures;
    const QDir signs(QStringLiteral(DRVQ_BUILD_DIR "/signs"));
    for (const QString &name : signs.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name)) {
        QFile file(signs.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            pictures << file.readAll();
    }
    if (pictures.isEmpty())
        qFatal("no sign pictures in %s/signs: build the project first", DRVQ_BUILD_DIR);
    return pictures;
}

} // namespace bench
