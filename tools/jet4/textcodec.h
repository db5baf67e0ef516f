#pragma once

#include <QByteArray>
#include <QString>

namespace jet4 {

// Jet 4 text storage: UCS-2 little-endian, or the compressed form
//   FF FE, then characters; starts in one-byte mode (a U+00xx character is its low byte),
//   a 00 byte toggles between one-byte and two-byte (UCS-2) mode.
// Readers treat every 00 byte as a toggle, in either mode, so no 00 byte may stand inside a
// compressed text except as a toggle: U+0001-U+00FF go in one-byte runs only, and a text
// holding a character with a 00 byte (U+0000, "一" U+4E00, U+0100 …) is never compressed.
class TextCodec {
public:
    // `allowCompression`: the column is declared compressible and, for memos, the text
    // has at most kMaxCompressedMemo characters. Compresses only when the result is shorter;
    // an empty text is stored as no bytes at all.
    [[nodiscard]] static QByteArray encode(const QString &text, bool allowCompression);

    static constexpr int kMaxCompressedMemo = 1024;
};

} // namespace jet4
