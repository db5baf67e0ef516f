// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "longvaluewriter.h"

#include "jetformat.h"

#include <QCoreApplication>

#include <stdexcept>

namespace jet4 {
namespace {
using jet::longvalue::kInline;
using jet::longvalue::kSingleRow;
constexpr std::uint32_t kChain = 0;

// `length` is at most kMaxLength, so it keeps clear of the flag bits.
QByteArray pointer(qsizetype length, std::uint32_t flag, std::uint32_t rowAddress)
{
    QByteArray out(LongValueWriter::kPointerSize, '\0');
    jet::put32(out, jet::longvalue::kLengthOffset, std::uint32_t(length) | flag);
    jet::put32(out, jet::longvalue::kAddressOffset, rowAddress);
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
        throw std::invalid_argument(QCoreApplication::translate("Jet4Writer", "jet4: a long value of %1 bytes exceeds "
                                                                "the 16 MB a pointer can state")
                                        .arg(length).toStdString());
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
        jet::append32(row, next);
        row.append(value.data() + start, size);
        next = m_rows.add(row).packed();
    }
    return pointer(length, kChain, next);
}

} // namespace jet4
