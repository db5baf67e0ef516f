#pragma once

#include <QByteArray>
#include <QString>

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>

// Little-endian integers and doubles at explicit offsets of a byte buffer. Every access is
// bounds-checked: an offset past the end is a fault of the writer, reported, never written.
namespace jet4::bytes {

inline void checkRange(const QByteArray &buffer, qsizetype offset, qsizetype length)
{
    if (offset < 0 || length < 0 || offset + length > buffer.size())
        throw std::logic_error("jet4: write of " + std::to_string(length) + " bytes at "
                               + std::to_string(offset) + " outside a buffer of "
                               + std::to_string(buffer.size()));
}

inline void putUInt(QByteArray &buffer, qsizetype offset, std::uint64_t value, int width)
{
    checkRange(buffer, offset, width);
    char *out = buffer.data() + offset;
    for (int i = 0; i < width; ++i)
        out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline void put8(QByteArray &b, qsizetype offset, std::uint8_t v) { putUInt(b, offset, v, 1); }
inline void put16(QByteArray &b, qsizetype offset, std::uint16_t v) { putUInt(b, offset, v, 2); }
inline void put32(QByteArray &b, qsizetype offset, std::uint32_t v) { putUInt(b, offset, v, 4); }
inline void putDouble(QByteArray &b, qsizetype offset, double v)
{
    putUInt(b, offset, std::bit_cast<std::uint64_t>(v), 8);
}

inline std::uint64_t getUInt(const QByteArray &buffer, qsizetype offset, int width)
{
    checkRange(buffer, offset, width);
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(buffer[offset + i]);
    return value;
}

inline std::uint16_t get16(const QByteArray &b, qsizetype offset)
{
    return static_cast<std::uint16_t>(getUInt(b, offset, 2));
}

inline std::uint32_t get32(const QByteArray &b, qsizetype offset)
{
    return static_cast<std::uint32_t>(getUInt(b, offset, 4));
}

// Appending forms for building records front to back.
inline void append16(QByteArray &b, std::uint16_t v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
}

inline void append32(QByteArray &b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline void appendUcs2(QByteArray &b, const QString &text)
{
    for (const QChar c : text)
        append16(b, c.unicode());
}

} // namespace jet4::bytes
