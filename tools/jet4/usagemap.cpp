// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagemap.h"

#include "jetformat.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace jet4 {
namespace {
using jet::usagemap::kBitmapPageHeader;
using jet::usagemap::kInlineBitmapOffset;
} // namespace

QByteArray UsageMap::build(PageFile &file, const std::vector<std::uint32_t> &pages)
{
    QByteArray row(kRowSize, '\0');
    const std::uint32_t highest = pages.empty() ? 0 : *std::max_element(pages.begin(), pages.end());
    if (highest < std::uint32_t(kInlinePages)) {
        jet::put8(row, 0, jet::usagemap::kInline);
        jet::put32(row, jet::usagemap::kInlineStartOffset, 0);
        for (const std::uint32_t page : pages)
            row[kInlineBitmapOffset + page / 8] |= char(1 << (page % 8));
        return row;
    }

    jet::put8(row, 0, jet::usagemap::kIndirect);
    std::vector<std::uint32_t> bitmapPages(kBitmapPagePointers, 0);
    QByteArray &image = file.image();
    for (const std::uint32_t page : pages) {
        const std::uint32_t slot = page / kPagesPerBitmapPage;
        if (slot >= std::uint32_t(kBitmapPagePointers))
            throw std::invalid_argument(QCoreApplication::translate("Jet4Writer", "jet4: page %1 lies beyond what a "
                                                                    "usage map can list")
                                            .arg(page).toStdString());
        if (bitmapPages[slot] == 0) {
            bitmapPages[slot] = file.allocate();
            const qsizetype base = PageFile::offsetOf(bitmapPages[slot]);
            jet::put8(image, base, jet::kUsageMapPageType);
            jet::put8(image, base + 1, 0x01);
        }
        const std::uint32_t bit = page % kPagesPerBitmapPage;
        const qsizetype at = PageFile::offsetOf(bitmapPages[slot]) + kBitmapPageHeader + bit / 8;
        jet::checkRange(image, at, 1);
        image[at] = char(image[at] | (1 << (bit % 8)));
    }
    for (int i = 0; i < kBitmapPagePointers; ++i)
        jet::put32(row, 1 + 4 * i, bitmapPages[i]);
    return row;
}

QByteArray UsageMap::freePagesFrom(std::uint32_t pageCount)
{
    QByteArray row(kRowSize, '\0');
    for (std::uint32_t page = pageCount; page < std::uint32_t(kInlinePages); ++page)
        row[kInlineBitmapOffset + page / 8] |= char(1 << (page % 8));
    return row;
}

} // namespace jet4
