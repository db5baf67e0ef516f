// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "knowledgecycle.h"

#include <QCoreApplication>

int KnowledgeCycle::next(int shownLast, int count)
{
    if (count <= 0)
        return 0;
    return shownLast >= 1 && shownLast < count ? shownLast + 1 : 1;
}

QString KnowledgeCycle::countText(int count)
{
    return QStringLiteral("共有'%1'个知识点").arg(count);
}
