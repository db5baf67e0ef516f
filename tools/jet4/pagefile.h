// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jetformat.h"

#include <QByteArray>

#include <cstdint>

namespace jet4 {

inline constexpr int kPageSize = jet::kJet4PageSize;

// The file image as a sequence of 4096-byte pages, grown one zeroed page at a time inside
// one buffer. Page numbers are stable; references into the buffer are not, so callers
// address pages by number.
class PageFile {
public:
    explicit PageFile(qsizetype expectedPages);

    [[nodiscard]] std::uint32_t allocate();
    [[nodiscard]] std::uint32_t pageCount() const { return m_pageCount; }
    // Writable view of one page: a QByteArray window is not possible, so pages are written
    // through the whole image at page * kPageSize.
    [[nodiscard]] QByteArray &image() { return m_image; }
    [[nodiscard]] static qsizetype offsetOf(std::uint32_t page) { return qsizetype(page) * kPageSize; }
    [[nodiscard]] QByteArray take();

private:
    QByteArray m_image;
    std::uint32_t m_pageCount = 0;
};

} // namespace jet4
