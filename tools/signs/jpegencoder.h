// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Encodes a picture as a baseline JFIF file in memory with libjpeg: three components
// (YCbCr), no chroma subsampling, fixed quality. The same picture always gives the same bytes.
class JpegEncoder {
public:
    explicit JpegEncoder(int quality = 90);

    [[nodiscard]] int quality() const { return m_quality; }

    // Throws SignError when the picture is empty or libjpeg reports an error.
    [[nodiscard]] QByteArray encode(const QImage &image) const;

private:
    int m_quality;
};
