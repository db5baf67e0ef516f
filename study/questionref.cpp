// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionref.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace study {

QByteArray questionDigest(const QString &question, const QString &choiceA, const QString &choiceB,
                          const QString &choiceC, const QString &key)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString *text : {&question, &choiceA, &choiceB, &choiceC, &key}) {
        const QByteArray bytes = text->toUtf8();
        const QByteArray length = QByteArray::number(bytes.size()) + ':';
        hash.addData(length);
        hash.addData(bytes);
    }
    return hash.result().toHex();
}

QString bankIdentity(const QString &bankFilePath)
{
    const QFileInfo info(bankFilePath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace study
