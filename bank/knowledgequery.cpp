// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "knowledgequery.h"

#include "textscramble.h"

QByteArrayList knowledgePieces(const QByteArray &codes)
{
    QByteArrayList pieces;
    for (qsizetype offset = 0; offset < codes.size(); offset += 5)
        pieces.append(codes.mid(offset, 5));
    return pieces;
}

QString knowledgeStatement(const QString &codes)
{
    QString where;
    for (const QByteArray &piece : knowledgePieces(toGbk(codes))) {
        const QString quoted = fromGbk(piece).replace(u'\'', QStringLiteral("''"));
        where += where.isEmpty() ? QStringLiteral(" WHERE  recno ='") : QStringLiteral(" or recno =") + u'\'';
        where += quoted + u'\'';
    }
    return QStringLiteral("SELECT Keyword,knowladge FROM tzhishidian ") + where;
}
