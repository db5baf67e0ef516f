// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturetempfile.h"

#include <QCoreApplication>
#include <QDir>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString &what, const QFile &file)
{
    throw std::runtime_error(what.arg(file.fileName(), file.errorString()).toStdString());
}

} // namespace

PictureTempFile::PictureTempFile()
    : m_file(QDir(QDir::tempPath()).filePath(QStringLiteral("drvq-sign-XXXXXX.jpg")))
{
    m_file.setAutoRemove(true);
}

PictureTempFile &PictureTempFile::instance()
{
    static PictureTempFile file;
    return file;
}

void PictureTempFile::ensureOpen()
{
    // QTemporaryFile creates the file exclusively under a new name with owner-only rights.
    if (!m_file.isOpen() && !m_file.open())
        fail(QCoreApplication::translate("PictureTempFile", "Cannot create the temporary picture file %1: %2"), m_file);
}

void PictureTempFile::rewrite(const QByteArray &bytes)
{
    ensureOpen();
    if (!m_file.seek(0) || !m_file.resize(0))
        fail(QCoreApplication::translate("PictureTempFile", "Cannot empty the temporary picture file %1: %2"), m_file);
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        fail(QCoreApplication::translate("PictureTempFile", "Cannot write the temporary picture file %1: %2"), m_file);
}

QByteArray PictureTempFile::readAll()
{
    ensureOpen();
    if (!m_file.seek(0))
        fail(QCoreApplication::translate("PictureTempFile", "Cannot read the temporary picture file %1: %2"), m_file);
    return m_file.readAll();
}
