#include "picturetempfile.h"

#include <QDir>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString &what, const QFile &file)
{
    throw std::runtime_error(QStringLiteral("%1 \"%2\": %3").arg(what, file.fileName(), file.errorString()).toStdString());
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
        fail(QStringLiteral("Cannot create the temporary picture file"), m_file);
}

void PictureTempFile::rewrite(const QByteArray &bytes)
{
    ensureOpen();
    if (!m_file.seek(0) || !m_file.resize(0))
        fail(QStringLiteral("Cannot empty the temporary picture file"), m_file);
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        fail(QStringLiteral("Cannot write the temporary picture file"), m_file);
}

QByteArray PictureTempFile::readAll()
{
    ensureOpen();
    if (!m_file.seek(0))
        fail(QStringLiteral("Cannot read the temporary picture file"), m_file);
    return m_file.readAll();
}
