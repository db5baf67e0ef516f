// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "jetformat.h"

namespace jet4 {

// Stores Jet 4 texts (jetformat.h): compressed where that is shorter and every reader
// reads the compressed form alike, else UCS-2.
class TextCodec {
public:
    // `allowCompression`: the column is declared compressible and, for memos, the text
    // has at most kMaxCompressedMemo characters. Compresses only when the result is shorter;
    // an empty text is stored as no bytes at all.
    [[nodiscard]] static QByteArray encode(const QString &text, bool allowCompression);

    static constexpr int kMaxCompressedMemo = jet::text::kMaxCompressedMemo;
};

} // namespace jet4
