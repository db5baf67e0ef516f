// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jpegencoder.h"

#include <QString>

struct SignEntry;

// Writes sign pictures as JPEG files into a folder. Each file is replaced atomically, so
// an interrupted run never leaves a half-written picture behind.
class SignWriter {
public:
    explicit SignWriter(const QString &folder, int quality = 90);

    [[nodiscard]] const QString &folder() const { return m_folder; }

    // Creates the folder if needed and writes every sign of the catalog.
    // Throws SignError naming the sign and file on the first failure.
    void writeAll() const;
    void write(const SignEntry &entry) const;

private:
    QString m_folder;
    JpegEncoder m_encoder;
};
