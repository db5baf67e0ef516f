// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mdbimage.h"

#include "bankerror.h"

#include <QCoreApplication>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

int g_quietDepth = 0;  // the bank is read on one thread

} // namespace

QuietLibrary::QuietLibrary()
{
    if (g_quietDepth++ > 0 || qEnvironmentVariableIntValue("DRVQ_LIBRARY_OUTPUT") != 0)
        return;
    std::fflush(stderr);
    const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (sink < 0)
        return;
    m_savedStderr = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (m_savedStderr >= 0)
        ::dup2(sink, STDERR_FILENO);
    ::close(sink);
}

QuietLibrary::~QuietLibrary()
{
    --g_quietDepth;
    if (m_savedStderr < 0)
        return;
    std::fflush(stderr);
    ::dup2(m_savedStderr, STDERR_FILENO);
    ::close(m_savedStderr);
}

MdbImage::MdbImage(QByteArray bytes, const QString &fileName)
    : m_bytes(std::move(bytes)), m_fileName(fileName)
{
    if (m_bytes.isEmpty())
        throw BankError(QCoreApplication::translate("MdbImage", "%1: not a Jet database (the file is empty)")
                            .arg(fileName));
    // libmdb only reads through the buffer: the file is opened without MDB_WRITABLE.
    const QuietLibrary quiet;
    m_handle = mdb_open_buffer(m_bytes.data(), std::size_t(m_bytes.size()), MDB_NOFLAGS);
    if (!m_handle)
        throw BankError(QCoreApplication::translate("MdbImage", "%1: libmdb cannot open the file as a Jet database")
                            .arg(fileName));
    if (m_handle->f->jet_version != MDB_VER_JET3 && m_handle->f->jet_version != MDB_VER_JET4) {
        mdb_close(m_handle);
        m_handle = nullptr;
        throw BankError(QCoreApplication::translate("MdbImage", "%1: not a Jet 3 or Jet 4 database").arg(fileName));
    }
}

MdbImage::~MdbImage()
{
    mdb_close(m_handle);
}

bool MdbImage::isJet3() const
{
    return m_handle->f->jet_version == MDB_VER_JET3;
}

int MdbImage::pageSize() const
{
    return int(m_handle->fmt->pg_size);
}

quint32 MdbImage::pageCount() const
{
    return quint32((m_bytes.size() + pageSize() - 1) / pageSize());
}

int MdbImage::rowCountOffset() const
{
    return m_handle->fmt->row_count_offset;
}

QByteArrayView MdbImage::page(quint32 number) const
{
    const qsizetype size = pageSize();
    if (number >= pageCount() || qsizetype(number + 1) * size > m_bytes.size())
        return {};
    if (number != 0 && m_handle->f->db_key != 0) {
        // Page-encoded file: let libmdb decode the page into its spare buffer.
        const QuietLibrary quiet;
        if (mdb_read_alt_pg(m_handle, number) != size)
            return {};
        return {reinterpret_cast<const char *>(m_handle->alt_pg_buf), size};
    }
    return QByteArrayView(m_bytes).sliced(qsizetype(number) * size, size);
}

bool MdbImage::loadPage(quint32 number) const
{
    if (number >= pageCount() || qsizetype(number + 1) * pageSize() > m_bytes.size())
        return false;
    const QuietLibrary quiet;
    return mdb_read_pg(m_handle, number) == pageSize();
}
