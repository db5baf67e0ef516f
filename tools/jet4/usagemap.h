// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagefile.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace jet4 {

// Builds page usage maps (jetformat.h): inline where every page is below 512, else with
// 0x05 bitmap pages, each covering 32,736 pages.
class UsageMap {
public:
    static constexpr int kRowSize = jet::usagemap::kRowSize;
    static constexpr int kInlinePages = jet::usagemap::kInlinePages;
    static constexpr int kPagesPerBitmapPage = jet::usagemap::pagesPerBitmapPage(kPageSize);
    static constexpr int kBitmapPagePointers = jet::usagemap::kBitmapPagePointers;

    // The map row for `pages`; allocates the bitmap pages of a type 1 map in `file`.
    // Pages below 512 use the inline form starting at page 0, as Access writes it.
    [[nodiscard]] static QByteArray build(PageFile &file, const std::vector<std::uint32_t> &pages);

    // Page 1's map of the whole file: an inline map whose set bits are the pages that are
    // free, which is every page from `pageCount` on.
    [[nodiscard]] static QByteArray freePagesFrom(std::uint32_t pageCount);
};

} // namespace jet4
