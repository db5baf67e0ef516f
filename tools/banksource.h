// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bankcontent.h"

#include <QString>
#include <QStringList>

// Reads and writes a bank's readable source folder: choose.txt, tzhishidian.txt,
// biaozhi.txt and the JPEG files that biaozhi.txt names.
class BankSource {
public:
    // Throws SourceError naming the file and line of the first problem. Picture paths are
    // looked up in `folder`, then in each of `pictureFolders`.
    [[nodiscard]] static BankContent read(const QString &folder, const QStringList &pictureFolders = {});

    // Writes the three files and the pictures (into `folder`/signs) — never outside
    // `folder`, whatever the picture names hold. Throws SourceError when a file cannot be written.
    static void write(const BankContent &content, const QString &folder);

    // Knowledge codes as the bank holds them (blanks between codes dropped) and as the
    // source shows them (one blank between 5-character codes).
    // Whether folder holds bank sources (its choose.txt), rather than a bank.
    [[nodiscard]] static bool isSourceFolder(const QString &folder);
    [[nodiscard]] static QString joinCodes(const QString &sourceCodes);
    [[nodiscard]] static QString splitCodes(const QString &bankCodes);
};
