// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jetheader.h"

#include "bankerror.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace jet {
namespace {

using namespace definitionpage;

QByteArrayView headerKey()
{
    return {reinterpret_cast<const char *>(kHeaderKey), qsizetype(sizeof kHeaderKey)};
}

// The creation date, truncated to a 32-bit integer, little-endian: the second password mask.
std::array<std::uint8_t, 4> dateMask(double creationDate)
{
    std::int32_t whole = 0;
    if (std::isfinite(creationDate) && creationDate > -2147483648.0 && creationDate < 2147483648.0)
        whole = static_cast<std::int32_t>(creationDate);  // truncates toward zero
    const auto bits = static_cast<std::uint32_t>(whole);
    return {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
            std::uint8_t(bits >> 24)};
}

// Whether the 16-byte signature field holds `name` padded to its end. Access pads "Jet System
// DB" with two blanks and a zero byte, Jet and our writer pad with zero bytes; any mix of blanks
// and zeros is taken, anything else after the name is not a Jet signature.
bool signatureIs(QByteArrayView field, QByteArrayView name)
{
    if (!field.startsWith(name))
        return false;
    for (const char c : field.sliced(name.size()))
        if (c != ' ' && c != '\0')
            return false;
    return true;
}

Version versionOf(QByteArrayView page0, const QString &fileName, FileKind &kind)
{
    if (page0.size() < kMaskedOffset + kJet4MaskedLength)
        throw BankError(QCoreApplication::translate("JetHeader", "%1: not a Jet database (only %2 bytes)")
                            .arg(fileName).arg(page0.size()));
    const auto signature = page0.sliced(kSignatureOffset, kSignatureLength);
    const bool jet = signatureIs(signature, kDatabaseSignature);
    const bool ace = signatureIs(signature, kAceSignature);
    const bool system = signatureIs(signature, kWorkgroupSignature);
    if (std::uint8_t(page0[0]) != kDefinitionPageType || (!jet && !ace && !system))
        throw BankError(QCoreApplication::translate("JetHeader", "%1: not a Jet database (no \"Standard Jet DB\" or "
                                                                 "\"Jet System DB\" "
                                       "definition page)").arg(fileName));
    kind = system ? FileKind::Workgroup : FileKind::Database;
    const auto code = static_cast<std::uint8_t>(page0[kVersionOffset]);
    const Version version = code == kJet3 ? Version::Jet3 : code == kJet4 ? Version::Jet4 : Version::Ace;
    if (ace && version != Version::Ace)
        throw BankError(QCoreApplication::translate("JetHeader", "%1: not a Jet database (\"Standard ACE DB\" with "
                                       "engine version %2)").arg(fileName).arg(code));
    if (system && version == Version::Ace)
        throw BankError(QCoreApplication::translate("JetHeader", "%1: not a Jet database (\"Jet System DB\" with "
                                       "engine version %2)").arg(fileName).arg(code));
    const qsizetype pageSize = version == Version::Jet3 ? kJet3PageSize : kJet4PageSize;
    if (page0.size() < pageSize)
        throw BankError(QCoreApplication::translate("JetHeader", "%1: not a Jet database (definition page cut short "
                                       "at %2 of %3 bytes)")
                            .arg(fileName).arg(page0.size()).arg(pageSize));
    return version;
}

} // namespace

void rc4Xor(QByteArrayView key, char *data, qsizetype length)
{
    std::array<std::uint8_t, 256> state{};
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<std::uint8_t>(i);
    if (!key.isEmpty()) {
        std::uint8_t j = 0;
        for (int i = 0; i < 256; ++i) {
            j = static_cast<std::uint8_t>(j + state[i] + static_cast<std::uint8_t>(key[i % key.size()]));
            std::swap(state[i], state[j]);
        }
    }
    std::uint8_t i = 0;
    std::uint8_t j = 0;
    for (qsizetype n = 0; n < length; ++n) {
        i = static_cast<std::uint8_t>(i + 1);
        j = static_cast<std::uint8_t>(j + state[i]);
        std::swap(state[i], state[j]);
        const std::uint8_t k = state[static_cast<std::uint8_t>(state[i] + state[j])];
        data[n] = static_cast<char>(static_cast<std::uint8_t>(data[n]) ^ k);
    }
}

DefinitionPage readDefinitionPage(QByteArrayView page0, const QString &fileName)
{
    DefinitionPage result;
    result.version = versionOf(page0, fileName, result.kind);

    const qsizetype maskedLength =
        result.version == Version::Jet3 ? kJet3MaskedLength : kJet4MaskedLength;
    QByteArray header = page0.first(kMaskedOffset + kJet4MaskedLength).toByteArray();
    rc4Xor(headerKey(), header.data() + kMaskedOffset, maskedLength);

    result.pageEncodingKey = get32(header, kPageEncodingKeyOffset);

    if (result.version == Version::Jet3) {
        // Jet 3 keeps up to 20 single-byte characters and no date mask.
        const QByteArray raw = header.mid(kPasswordOffset, kJet3PasswordBytes);
        const qsizetype end = raw.indexOf('\0');
        result.password = QString::fromLatin1(end < 0 ? raw : raw.first(end));
        return result;
    }

    result.creationDate = jet::getDouble(header, kCreationDateOffset);
    const auto mask = dateMask(result.creationDate);
    QString password;
    for (qsizetype i = 0; i < kJet4PasswordBytes; i += 2) {
        const auto lo = static_cast<std::uint8_t>(header[kPasswordOffset + i]) ^ mask[i % 4];
        const auto hi = static_cast<std::uint8_t>(header[kPasswordOffset + i + 1]) ^ mask[(i + 1) % 4];
        const auto unit = static_cast<char16_t>(lo | (hi << 8));
        if (unit == 0)
            break;
        password.append(QChar(unit));
    }
    result.password = password;
    return result;
}

QByteArray signatureBytes(FileKind kind)
{
    QByteArray bytes(kind == FileKind::Workgroup ? kWorkgroupSignature : kDatabaseSignature);
    bytes.resize(kSignatureLength, '\0');
    return bytes;
}

void writeDefinitionPage(QByteArray &page0, const QString &password, double creationDate)
{
    if (page0.size() < kJet4PageSize)
        throw BankError(QCoreApplication::translate("JetHeader", "definition page of %1 bytes, %2 needed")
                            .arg(page0.size()).arg(kJet4PageSize));
    // 20 UTF-16 code units; a longer password would overwrite the fields that follow.
    if (password.size() * 2 > kJet4PasswordBytes)
        throw BankError(QCoreApplication::translate("JetHeader", "database password of %1 characters, at most %2 allowed")
                            .arg(password.size()).arg(kJet4PasswordBytes / 2));

    jet::putDouble(page0, kCreationDateOffset, creationDate);
    const auto mask = dateMask(creationDate);
    for (qsizetype i = 0; i < kJet4PasswordBytes; i += 2) {
        const char16_t unit = i / 2 < password.size() ? password[i / 2].unicode() : 0;
        page0[kPasswordOffset + i] = static_cast<char>((unit & 0xFF) ^ mask[i % 4]);
        page0[kPasswordOffset + i + 1] = static_cast<char>((unit >> 8) ^ mask[(i + 1) % 4]);
    }
    rc4Xor(headerKey(), page0.data() + kMaskedOffset, kJet4MaskedLength);
}

} // namespace jet
