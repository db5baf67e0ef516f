// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winstyle.h"

#include <QPalette>
#include <QWidget>

QColor winColor(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 toWinColor(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

QFont songFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void installSongFontSubstitution()
{
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
}

void setFontColor(QWidget *widget, quint32 value)
{
    const QColor color = winColor(value);
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, color);
        palette.setColor(group, QPalette::ButtonText, color);
        palette.setColor(group, QPalette::Text, color);
    }
    widget->setPalette(palette);
}

quint32 fontColor(const QWidget *widget)
{
    return toWinColor(widget->palette().color(QPalette::Active, QPalette::ButtonText));
}
