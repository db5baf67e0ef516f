// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bevelpanel.h"

#include <QPainter>

namespace {

const QColor kShadow(128, 128, 128);
const QColor kHighlight(255, 255, 255);

// One lowered bevel around `r`: the top row and left column in shadow (the top-right and
// bottom-left corners belong to the lit side), the right column and bottom row lit.
void drawLoweredBevel(QPainter &painter, const QRect &r)
{
    painter.fillRect(r.x(), r.y(), r.width() - 1, 1, kShadow);
    painter.fillRect(r.x(), r.y(), 1, r.height() - 1, kShadow);
    painter.fillRect(r.right(), r.y(), 1, r.height(), kHighlight);
    painter.fillRect(r.x(), r.bottom(), r.width(), 1, kHighlight);
}

} // namespace

BevelPanel::BevelPanel(QWidget *parent, int borderWidth)
    : QFrame(parent)
    , m_borderWidth(borderWidth)
{
    const int inset = 1 + m_borderWidth + 1;
    setContentsMargins(inset, inset, inset, inset);
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1 + m_borderWidth, 1 + m_borderWidth, -1 - m_borderWidth, -1 - m_borderWidth);
    // The border between the bevels is the panel's own colour, whatever lies beneath.
    painter.fillRect(outer.adjusted(1, 1, -1, -1), palette().color(backgroundRole()));
    drawLoweredBevel(painter, outer);
    if (inner.width() > 1 && inner.height() > 1)
        drawLoweredBevel(painter, inner);
}
