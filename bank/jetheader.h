// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "jetformat.h"

#include <cstdint>

// Reading and writing the Jet database definition page (page 0); its layout is in jetformat.h.
namespace jet {

enum class Version { Jet3, Jet4, Ace, Unknown };

// What the signature says the file is.
enum class FileKind { Database, Workgroup };

struct DefinitionPage {
    Version version = Version::Unknown;
    FileKind kind = FileKind::Database;
    QString password;          // empty: the database has no password
    double creationDate = 0;   // days since 1899-12-30
    std::uint32_t pageEncodingKey = 0;
};

// Reads page 0. Throws BankError (naming `fileName`) when the bytes are not a Jet database.
[[nodiscard]] DefinitionPage readDefinitionPage(QByteArrayView page0, const QString &fileName);

// The 16 signature bytes of a file of that kind, zero-padded.
[[nodiscard]] QByteArray signatureBytes(FileKind kind);

// Writes the password and the creation date into an unmasked Jet 4 page 0 image and masks
// the 128 bytes, so that readDefinitionPage gives them back. `page0` holds kJet4PageSize
// bytes whose other fields the caller has laid out (unmasked).
void writeDefinitionPage(QByteArray &page0, const QString &password, double creationDate);

// The RC4 key stream XOR that masks and unmasks; exposed for the writer and the tests.
void rc4Xor(QByteArrayView key, char *data, qsizetype length);

} // namespace jet
