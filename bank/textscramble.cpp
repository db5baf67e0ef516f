// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textscramble.h"

#include "bankerror.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

QByteArray DescrambleText(QByteArrayView stored, std::uint8_t key)
{
    QByteArray out(stored.size(), Qt::Uninitialized);
    bool trailByte = false;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(stored[i]);
        if (!trailByte && byte >= 161) {
            out[i] = static_cast<char>(byte);
            trailByte = true;
        } else {
            out[i] = static_cast<char>(byte ^ key);
            trailByte = false;
        }
    }
    return out;
}

QByteArray ScrambleText(QByteArrayView plain, std::uint8_t key)
{
    // The same walk as DescrambleText, deciding on the plain byte instead of the stored one.
    // Lead bytes are kept, so the two decide alike as long as no scrambled single byte
    // reaches 161.
    return DescrambleText(plain, key);
}

namespace {

// Qt converts GBK through ICU or iconv; a build without either has no such converter and
// would turn every text into nothing. That is found once and said plainly.
void checkGbkConverters()
{
    static const bool available = QStringEncoder("GBK").isValid() && QStringDecoder("GBK").isValid();
    if (!available)
        throw BankError(QCoreApplication::translate("TextScramble", "This Qt build has no GBK (code page 936) text "
                                                                    "converter; "
                                       "the bank's texts cannot be read or written"));
}

} // namespace

QByteArray toGbk(QStringView text)
{
    checkGbkConverters();
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString fromGbk(QByteArrayView bytes)
{
    checkGbkConverters();
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

QString descrambleColumn(const QString &stored)
{
    return fromGbk(DescrambleText(toGbk(stored), TextScrambleKey));
}

QString scrambleColumn(const QString &plain)
{
    return fromGbk(ScrambleText(toGbk(plain), TextScrambleKey));
}

bool survivesScrambling(const QString &plain)
{
    const QByteArray gbk = toGbk(plain);
    if (fromGbk(gbk) != plain)
        return false;
    const QString column = fromGbk(ScrambleText(gbk, TextScrambleKey));
    if (column.contains(QChar(0)))
        return false;
    return descrambleColumn(column) == plain;
}
