// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accelcaption.h"

QString captionWithoutAccelMarks(const QString &caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&')
            ++i;
        if (i < caption.size())
            plain += caption.at(i);
    }
    return plain;
}
