// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Decodes a JPEG file with libjpeg into 8-bit RGB rows. Every decoding error of the
// library becomes a BankError; the library's own handler would end the process.
struct DecodedJpeg {
    int width = 0;
    int height = 0;
    QByteArray rgb;  // width * 3 bytes a row, rows top to bottom
};

class JpegDecoder {
public:
    // `what` names the picture in the error message.
    [[nodiscard]] static DecodedJpeg decode(QByteArrayView jpeg, const QString &what);
};
