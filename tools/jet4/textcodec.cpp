// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcodec.h"

#include "jetformat.h"

namespace jet4 {
namespace {

bool fitsOneByte(char16_t c)
{
    return c < 0x100;
}

} // namespace

QByteArray TextCodec::encode(const QString &text, bool allowCompression)
{
    QByteArray plain;
    plain.reserve(text.size() * 2);
    jet::appendUcs2(plain, text);
    if (!allowCompression || text.isEmpty())
        return plain;
    for (const QChar c : text) {
        if ((c.unicode() & 0xFF) == 0)
            return plain;
    }

    QByteArray packed;
    packed.reserve(plain.size());
    packed.append(char(jet::text::kCompressedMarker0));
    packed.append(char(jet::text::kCompressedMarker1));
    bool oneByteMode = true;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const bool narrow = fitsOneByte(text[i].unicode());
        qsizetype end = i;
        while (end < n && fitsOneByte(text[end].unicode()) == narrow)
            ++end;
        // One-byte characters always go in one-byte mode: kept in a two-byte run, each would
        // carry a 00 byte that a strict reader takes for a mode switch.
        const bool wantOneByte = narrow;
        if (wantOneByte != oneByteMode) {
            packed.append(jet::text::kModeSwitch);
            oneByteMode = wantOneByte;
        }
        for (qsizetype k = i; k < end; ++k) {
            const char16_t c = text[k].unicode();
            packed.append(static_cast<char>(c & 0xFF));
            if (!oneByteMode)
                packed.append(static_cast<char>(c >> 8));
        }
        i = end;
    }
    return packed.size() < plain.size() ? packed : plain;
}

} // namespace jet4
