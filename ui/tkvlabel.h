// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>

// A label whose text has a one-pixel white shadow, so that it looks engraved (lowered) or
// embossed (raised). It can also act as a link: hand cursor, AboveColor and underline while
// the mouse is over it.
class TKvLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(TDrawType DrawType READ DrawType WRITE setDrawType)
    Q_PROPERTY(bool VCenter READ VCenter WRITE setVCenter)
    Q_PROPERTY(bool LinkType READ LinkType WRITE setLinkType)
    Q_PROPERTY(QColor AboveColor READ AboveColor WRITE setAboveColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE setShowAccelChar)

public:
    enum TDrawType { dtNone, dtLowered, dtRaised };
    Q_ENUM(TDrawType)

    explicit TKvLabel(QWidget *parent = nullptr);
    explicit TKvLabel(const QString &caption, QWidget *parent = nullptr);

    [[nodiscard]] TDrawType DrawType() const { return m_drawType; }
    void setDrawType(TDrawType type);
    // Single line, centred vertically; turning it on turns word wrap off and the other way.
    [[nodiscard]] bool VCenter() const { return m_vCenter; }
    void setVCenter(bool on);
    [[nodiscard]] bool LinkType() const { return m_linkType; }
    void setLinkType(bool on);
    [[nodiscard]] QColor AboveColor() const { return m_aboveColor; }
    void setAboveColor(const QColor &color);
    // Off: the label fills its rectangle with its background colour before the text.
    [[nodiscard]] bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);
    // On: '&' marks an underlined character and "&&" shows '&'.
    [[nodiscard]] bool ShowAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool on);

    // The caption as shown and read out, '&' markers resolved when ShowAccelChar is on.
    [[nodiscard]] QString plainCaption() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void drawCaption(QPainter &painter, const QRect &rect, int flags, const QColor &color) const;
    void leaveLinkLook();

    TDrawType m_drawType = dtLowered;
    bool m_vCenter = false;
    bool m_linkType = false;
    QColor m_aboveColor{0, 0, 255};
    bool m_transparent = false;
    bool m_showAccelChar = true;
    // The text colour from before the mouse entered the link; valid while m_inLinkLook.
    QColor m_savedColor;
    bool m_inLinkLook = false;
};
