// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

// The file a sign picture passes through on its way from the bank to the screen. One file
// per run, in the user's temporary folder, created with a fresh name that no one else can
// have planted and readable by the user only; every picture rewrites it from the start, and
// it is removed when the object goes away (the program's instance at exit).
class PictureTempFile {
public:
    PictureTempFile();

    // The program's one instance, created at the first picture.
    [[nodiscard]] static PictureTempFile &instance();

    // Replaces the whole content of the file. Throws std::runtime_error naming the file.
    void rewrite(const QByteArray &bytes);
    // The whole content as last written. Throws std::runtime_error naming the file.
    [[nodiscard]] QByteArray readAll();

    // Empty until the file has been created by the first rewrite.
    [[nodiscard]] QString fileName() const { return m_file.fileName(); }

private:
    void ensureOpen();

    QTemporaryFile m_file;
};
