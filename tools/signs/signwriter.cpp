// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signwriter.h"

#include "signcatalog.h"
#include "signerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

SignWriter::SignWriter(const QString &folder, int quality)
    : m_folder(folder)
    , m_encoder(quality)
{
}

void SignWriter::writeAll() const
{
    if (!QDir().mkpath(m_folder))
        throw SignError(QCoreApplication::translate("SignWriter", "%1: cannot create the folder").arg(m_folder));
    for (const SignEntry &entry : SignCatalog::entries())
        write(entry);
}

void SignWriter::write(const SignEntry &entry) const
{
    const QByteArray bytes = m_encoder.encode(SignCatalog::render(entry));
    const QString path = QDir(m_folder).filePath(SignCatalog::fileName(entry));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SignError(QCoreApplication::translate("SignWriter", "%1: cannot write: %2")
                            .arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw SignError(QCoreApplication::translate("SignWriter", "%1: cannot write: %2")
                            .arg(path, file.errorString()));
}
