// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowpagewriter.h"

#include "jetformat.h"

#include <QCoreApplication>

#include <cstring>
#include <stdexcept>

namespace jet4 {
namespace {
using jet::datapage::kFreeSpaceOffset;
using jet::datapage::kOwnerOffset;
constexpr int kRowCountOffset = jet::datapage::kJet4RowCountOffset;
} // namespace

RowPageWriter::RowPageWriter(PageFile &file, std::uint32_t owner)
    : m_file(file), m_owner(owner)
{
}

std::uint32_t RowPageWriter::lvalOwner()
{
    return jet::datapage::kLongValueOwner;
}

void RowPageWriter::startPage()
{
    initialisePage(m_file.allocate());
}

void RowPageWriter::adoptPage(std::uint32_t page)
{
    initialisePage(page);
}

void RowPageWriter::initialisePage(std::uint32_t page)
{
    m_pages.push_back(page);
    m_rows = 0;
    m_rowStart = kPageSize;
    QByteArray &image = m_file.image();
    const qsizetype base = PageFile::offsetOf(page);
    jet::put8(image, base, jet::kDataPageType);
    jet::put8(image, base + 1, 0x01);
    jet::put16(image, base + kFreeSpaceOffset, kPageSize - kHeaderSize);
    jet::put32(image, base + kOwnerOffset, m_owner);
}

RowAddress RowPageWriter::add(QByteArrayView row)
{
    if (row.size() > kMaxRowSize)
        throw std::invalid_argument(QCoreApplication::translate("Jet4Writer", "jet4: a row of %1 bytes does not fit "
                                                                "a page (at most %2)")
                                        .arg(row.size()).arg(kMaxRowSize).toStdString());
    const int freeBytes = m_rowStart - (kHeaderSize + 2 * m_rows);
    if (m_pages.empty() || m_rows == kMaxRowsPerPage || freeBytes < row.size() + 2)
        startPage();

    const std::uint32_t page = m_pages.back();
    QByteArray &image = m_file.image();
    const qsizetype base = PageFile::offsetOf(page);
    m_rowStart -= int(row.size());
    jet::checkRange(image, base + m_rowStart, row.size());
    if (!row.isEmpty())
        std::memcpy(image.data() + base + m_rowStart, row.data(), row.size());
    jet::put16(image, base + kHeaderSize + 2 * m_rows, std::uint16_t(m_rowStart));
    const RowAddress address{page, std::uint8_t(m_rows)};
    ++m_rows;
    jet::put16(image, base + kRowCountOffset, std::uint16_t(m_rows));
    jet::put16(image, base + kFreeSpaceOffset,
                 std::uint16_t(m_rowStart - (kHeaderSize + 2 * m_rows)));
    return address;
}

} // namespace jet4
