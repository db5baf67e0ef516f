// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// Reads a Jet 4 text the way the strictest reader does. A compressed text (FF FE first) is
// cut at every 00 byte, whatever the mode: each 00 switches between one-byte and two-byte
// characters, and the bytes between two switches are one run. A two-byte run of odd length
// ends in U+FFFD, so that a text read wrongly never compares equal to what was meant.
inline QString strictJetText(QByteArrayView bytes)
{
    QString text;
    if (bytes.size() < 2 || quint8(bytes[0]) != 0xFF || quint8(bytes[1]) != 0xFE) {
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            text.append(QChar(char16_t(quint8(bytes[i]) | quint8(bytes[i + 1]) << 8)));
        return text;
    }
    bool oneByte = true;
    qsizetype i = 2;
    while (i < bytes.size()) {
        qsizetype end = i;
        while (end < bytes.size() && bytes[end] != '\0')
            ++end;
        if (oneByte) {
            for (qsizetype k = i; k < end; ++k)
                text.append(QChar(char16_t(quint8(bytes[k]))));
        } else {
            qsizetype k = i;
            for (; k + 1 < end; k += 2)
                text.append(QChar(char16_t(quint8(bytes[k]) | quint8(bytes[k + 1]) << 8)));
            if (k < end)
                text.append(QChar(0xFFFD));
        }
        if (end < bytes.size())
            oneByte = !oneByte;
        i = end + 1;
    }
    return text;
}
