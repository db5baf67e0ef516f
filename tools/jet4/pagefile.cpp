// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagefile.h"

namespace jet4 {

PageFile::PageFile(qsizetype expectedPages)
{
    m_image.reserve(expectedPages * kPageSize);
}

std::uint32_t PageFile::allocate()
{
    m_image.resize(m_image.size() + kPageSize, '\0');
    return m_pageCount++;
}

QByteArray PageFile::take()
{
    m_pageCount = 0;
    return std::move(m_image);
}

} // namespace jet4
