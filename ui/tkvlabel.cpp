// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tkvlabel.h"

#include "accelcaption.h"
#include "widgetaccessibility.h"

#include <QGuiApplication>
#include <QPainter>

TKvLabel::TKvLabel(QWidget *parent)
    : QLabel(parent)
{
    installWidgetAccessibility();
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

TKvLabel::TKvLabel(const QString &caption, QWidget *parent)
    : TKvLabel(parent)
{
    setText(caption);
}

void TKvLabel::setDrawType(TDrawType type)
{
    if (type == m_drawType)
        return;
    m_drawType = type;
    update();
}

void TKvLabel::setVCenter(bool on)
{
    if (on == m_vCenter)
        return;
    m_vCenter = on;
    setWordWrap(!on);
    update();
}

void TKvLabel::setLinkType(bool on)
{
    if (on == m_linkType)
        return;
    if (!on)
        leaveLinkLook();
    m_linkType = on;
}

void TKvLabel::setAboveColor(const QColor &color)
{
    m_aboveColor = color;
}

void TKvLabel::setTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    update();
}

void TKvLabel::setShowAccelChar(bool on)
{
    if (on == m_showAccelChar)
        return;
    m_showAccelChar = on;
    update();
}

QString TKvLabel::plainCaption() const
{
    const QString caption = text();
    return m_showAccelChar ? captionWithoutAccelMarks(caption) : caption;
}

void TKvLabel::drawCaption(QPainter &painter, const QRect &rect, int flags,
                           const QColor &color) const
{
    painter.setPen(color);
    painter.drawText(rect, flags, text());
}

void TKvLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    if (!m_transparent)
        painter.fillRect(rect(), palette().color(backgroundRole()));

    // Only the horizontal part of the alignment is used; VCenter decides the vertical.
    int flags = int(alignment() & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter));
    if (flags == 0)
        flags = Qt::AlignLeft;
    flags |= Qt::TextExpandTabs;
    flags |= m_vCenter ? Qt::TextSingleLine | Qt::AlignVCenter : Qt::TextWordWrap | Qt::AlignTop;
    if (m_showAccelChar)
        flags |= Qt::TextShowMnemonic;

    painter.setFont(font());
    const QColor fontColor = palette().color(QPalette::Active, foregroundRole());
    const QColor shadow(Qt::white);
    if (!isEnabled()) {
        // The desktop's grey-text colour, whatever colour the label's text has.
        drawCaption(painter, area, flags,
                    QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text));
        return;
    }
    switch (m_drawType) {
    case dtLowered:
        drawCaption(painter, area.translated(1, 1), flags, shadow);
        drawCaption(painter, area, flags, fontColor);
        break;
    case dtRaised:
        drawCaption(painter, area.translated(-1, -1), flags, shadow);
        drawCaption(painter, area.translated(1, 1), flags, fontColor);
        break;
    case dtNone:
        drawCaption(painter, area, flags, fontColor);
        break;
    }
}

void TKvLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    if (!m_linkType || m_inLinkLook)
        return;
    setCursor(Qt::PointingHandCursor);
    m_savedColor = palette().color(QPalette::Active, foregroundRole());
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::Active, foregroundRole(), m_aboveColor);
    linkPalette.setColor(QPalette::Inactive, foregroundRole(), m_aboveColor);
    setPalette(linkPalette);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    m_inLinkLook = true;
}

void TKvLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    if (m_linkType)
        leaveLinkLook();
}

void TKvLabel::leaveLinkLook()
{
    // Restores only what entering changed, so a leave without an enter (the link switched
    // on while the mouse was already over the label) keeps the label's own colour.
    if (!m_inLinkLook)
        return;
    unsetCursor();
    QPalette restored = palette();
    restored.setColor(QPalette::Active, foregroundRole(), m_savedColor);
    restored.setColor(QPalette::Inactive, foregroundRole(), m_savedColor);
    setPalette(restored);
    QFont plain = font();
    plain.setUnderline(false);
    setFont(plain);
    m_inLinkLook = false;
}
