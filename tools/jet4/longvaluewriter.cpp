#include "longvaluewriter.h"

#include "bytes.h"

#include <stdexcept>
#include <string>

namespace jet4 {
namespace {
constexpr std::uint8_t kInline = 0x80;
constexpr std::uint8_t kSingleRow = 0x40;
constexpr std::uint8_t kChain = 0x00;

QByteArray pointer(qsizetype length, std::uint8_t flag, std::uint32_t rowAddress)
{
    QByteArray out(LongValueWriter::kPointerSize, '\0');
    bytes::putUInt(out, 0, std::uint64_t(length), 3);
    bytes::put8(out, 3, flag);
    bytes::put32(out, 4, rowAddress);
    return out;
}
} // namespace

LongValueWriter::LongValueWriter(PageFile &file)
    : m_rows(file, RowPageWriter::lvalOwner())
{
}

QByteArray LongValueWriter::store(QByteArrayView value)
{
    const qsizetype length = value.size();
    if (length > kMaxLength)
        throw std::invalid_argument("jet4: a long value of " + std::to_string(length)
                                    + " bytes exceeds the 16 MB a pointer can state");
    if (length <= kMaxInline) {
        QByteArray out = pointer(length, kInline, 0);
        out.append(value.data(), length);
        return out;
    }
    if (length <= RowPageWriter::kMaxRowSize)
        return pointer(length, kSingleRow, m_rows.add(value).packed());

    // Written last segment first, so that each row knows the address of the one after it.
    const qsizetype segments = (length + kMaxChainSegment - 1) / kMaxChainSegment;
    std::uint32_t next = 0;
    QByteArray row;
    row.reserve(kMaxChainSegment + 4);
    for (qsizetype s = segments - 1; s >= 0; --s) {
        const qsizetype start = s * kMaxChainSegment;
        const qsizetype size = std::min<qsizetype>(kMaxChainSegment, length - start);
        row.clear();
        bytes::append32(row, next);
        row.append(value.data() + start, size);
        next = m_rows.add(row).packed();
    }
    return pointer(length, kChain, next);
}

} // namespace jet4
