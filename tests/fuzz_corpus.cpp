// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every file of the fuzz corpus once through the fuzz target, as an ordinary test:
// a damaged bank that once crashed or hung stays fixed.
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(DRVQ_TEST_DATA "/fuzz-corpus");
    const QDir dir(folder);
    int passed = 0;
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::printf("cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        ++passed;
    }
    std::printf("%d passed, 0 failed\n", passed);
    return passed > 0 ? 0 : 1;
}
