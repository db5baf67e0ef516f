// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The list of sign pictures that the question bank expects: the `filename` value of every
// record of a record file (UTF-8 text, records separated by blank lines, `field: value`
// lines, `#` comments, continuation lines starting with two blanks, quoted values with
// backslash escapes).
class SignIndexFile {
public:
    // Throws SignError naming the file and line when the file cannot be read, a record has
    // no filename or names it twice, or two records give the same filename.
    explicit SignIndexFile(const QString &path);

    [[nodiscard]] const QString &path() const { return m_path; }
    // The filenames in file order.
    [[nodiscard]] const QStringList &fileNames() const { return m_fileNames; }

private:
    void parse(const QString &text);

    QString m_path;
    QStringList m_fileNames;
};
