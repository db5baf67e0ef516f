// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>

// The bank keeps some texts scrambled. A scrambled text is a GBK byte string in which the
// lead byte of every double-byte character (161 or more) is kept and every other byte is
// XORed with a one-byte key. The text column holds the code page 936 decoding of those bytes.
//
// The key 0x7F keeps every scrambled ASCII byte below 0x80 and maps every GB2312 trail byte
// onto another assigned GBK trail byte, so all of GB2312 and printable ASCII survive the
// round trip through the column. Characters from the GBK extension (lead bytes 0x81-0xA0)
// do not: their lead byte is itself scrambled.
inline constexpr std::uint8_t TextScrambleKey = 0x7F;

// Turns stored bytes into readable GBK bytes; the output has as many bytes as the input.
[[nodiscard]] QByteArray DescrambleText(QByteArrayView stored, std::uint8_t key);

// The inverse of DescrambleText for texts whose scrambled single bytes stay below 161.
[[nodiscard]] QByteArray ScrambleText(QByteArrayView plain, std::uint8_t key);

// Code page 936 (GBK) conversions.
[[nodiscard]] QByteArray toGbk(QStringView text);
[[nodiscard]] QString fromGbk(QByteArrayView bytes);

// A scrambled column's text, turned back into readable text.
[[nodiscard]] QString descrambleColumn(const QString &stored);
// The text a column must hold so that descrambleColumn gives plain back.
[[nodiscard]] QString scrambleColumn(const QString &plain);
// Whether plain survives scrambling, the code page 936 round trip and descrambling unchanged.
[[nodiscard]] bool survivesScrambling(const QString &plain);
