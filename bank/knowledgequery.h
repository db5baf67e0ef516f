// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// A question's knowledge codes are 5-byte codes written one after another. The codes are
// cut from the start of the GBK bytes, untrimmed; the last piece is shorter when the length
// is not a multiple of 5.
[[nodiscard]] QByteArrayList knowledgePieces(const QByteArray &codes);

// "SELECT Keyword,knowladge FROM tzhishidian  WHERE  recno ='a' or recno ='b'": the statement
// that loads a question's knowledge points. A quote inside a piece is written twice.
[[nodiscard]] QString knowledgeStatement(const QString &codes);
