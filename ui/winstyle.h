// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Windows colour values keep red in the lowest byte: 0 black, 255 red, 32768 green.
inline constexpr quint32 clBlack = 0;
inline constexpr quint32 clRed = 255;

[[nodiscard]] QColor winColor(quint32 value);
[[nodiscard]] quint32 toWinColor(const QColor &color);

// "宋体" at a height in pixels; the family is substituted by an installed Song/Ming face.
[[nodiscard]] QFont songFont(int pixelSize, bool bold = false);
void installSongFontSubstitution();

// The colour a control writes its text in (a label's text, a button's caption, an edit's text).
void setFontColor(QWidget *widget, quint32 value);
[[nodiscard]] quint32 fontColor(const QWidget *widget);
