// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tdxcolors.h"
#include "tdxcustomcontrol.h"

#include <QImage>
#include <QPixmap>
#include <QRandomGenerator>

class QShortcut;

// A push button with rounded corners whose face is a vertical colour gradient. It shows a
// ring of another gradient while the mouse is over it (hot) or while it has the focus, and
// the pressed gradient while it is held down with the mouse over it.
//
// Keyboard: Space presses it and the key's release clicks; Enter clicks it when it has the
// focus (or when it is the Default button and no other custom control has the focus);
// Escape clicks a Cancel button; the caption's accelerator ("&S") clicks it with Alt from
// anywhere in its window, or typed plainly while the button has the focus.
class TdxButton : public TdxCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE setHotTrack)
    Q_PROPERTY(TdxQuality Quality READ Quality WRITE setQuality)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE setShowAccelChar)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(QPixmap Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(TdxLayout Layout READ Layout WRITE setLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(bool AutoGray READ AutoGray WRITE setAutoGray)

public:
    enum TdxQuality { bqLow, bqMiddle, bqHigh };
    Q_ENUM(TdxQuality)
    enum TdxLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    Q_ENUM(TdxLayout)

    static constexpr int DefaultWidth = 73;
    static constexpr int DefaultHeight = 25;

    explicit TdxButton(QWidget *parent = nullptr);
    explicit TdxButton(const QString &caption, QWidget *parent = nullptr);
    ~TdxButton() override;

    [[nodiscard]] QString Caption() const { return text(); }
    void setCaption(const QString &caption);

    [[nodiscard]] TdxColors &Colors() { return m_colors; }
    [[nodiscard]] const TdxColors &Colors() const { return m_colors; }

    [[nodiscard]] bool HotTrack() const { return m_hotTrack; }
    void setHotTrack(bool on);
    [[nodiscard]] TdxQuality Quality() const { return m_quality; }
    void setQuality(TdxQuality quality);
    [[nodiscard]] bool ShowFocusRect() const { return m_showFocusRect; }
    void setShowFocusRect(bool on);
    [[nodiscard]] bool ShowAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool on);
    [[nodiscard]] bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);
    [[nodiscard]] bool Default() const { return m_default; }
    void setDefault(bool on);
    [[nodiscard]] bool Cancel() const { return m_cancel; }
    void setCancel(bool on);
    [[nodiscard]] QPixmap Glyph() const { return m_glyph; }
    void setGlyph(const QPixmap &glyph);
    [[nodiscard]] TdxLayout Layout() const { return m_layout; }
    void setLayout(TdxLayout layout);
    [[nodiscard]] int Spacing() const { return m_spacing; }
    void setSpacing(int pixels);
    [[nodiscard]] bool AutoGray() const { return m_autoGray; }
    void setAutoGray(bool on);

    // Highlighted: while pressed, exactly when the pointer has left the button; otherwise
    // when hot or focused. For painting, a Default button also counts while no other custom
    // control has the focus.
    [[nodiscard]] bool isHighlighted() const;
    [[nodiscard]] bool isDrawnHighlighted() const;

    // The accelerator character of the caption (the character after a single '&'), or a
    // null QChar when there is none.
    [[nodiscard]] QChar accelerator() const;
    // The caption as shown and read out: single '&' removed, "&&" shown as '&'.
    [[nodiscard]] QString plainCaption() const;

    // Marks the four gradient bitmaps as out of date and repaints; they are built again at
    // the next paint, once however many inputs changed in between.
    void rebuildGradients();
    // How many times the gradient bitmaps have been built.
    [[nodiscard]] int gradientBuildCount() const { return m_gradientBuilds; }
    // Number of gradient bands of a quality: 8, 16 or 64.
    [[nodiscard]] static int gradientSteps(TdxQuality quality);

protected:
    void sizeChanged() override;
    void otherActiveChanged() override;
    void textChanged() override;

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void buildGradients();
    void updateShortcuts();
    void shortcutActivated();
    void paintBorder(QPainter &painter) const;
    struct ContentLayout {
        QString caption;  // elided where it cannot wrap
        int flags = 0;    // for QPainter::drawText
        QRect textRect;
        QPoint glyphAt;
    };
    [[nodiscard]] ContentLayout contentLayout() const;
    void placeGlyph(ContentLayout &layout, QPoint origin, QSize block, QSize glyph) const;
    void paintContent(QPainter &painter) const;

    TdxColors m_colors;
    bool m_hotTrack = false;
    TdxQuality m_quality = bqMiddle;
    bool m_showFocusRect = true;
    bool m_showAccelChar = true;
    bool m_wordWrap = true;
    bool m_default = false;
    bool m_cancel = false;
    QPixmap m_glyph;
    TdxLayout m_layout = blGlyphLeft;
    int m_spacing = 3;
    bool m_autoGray = true;

    QImage m_face;
    QImage m_pressedFace;
    QImage m_focusRing;
    QImage m_hotRing;
    QSize m_gradientSize;
    bool m_gradientsDirty = true;
    int m_gradientBuilds = 0;
    QRandomGenerator m_random;

    // Alt+<accelerator> in either case, Enter for a Default button, Escape for a Cancel one.
    QShortcut *m_altShortcut = nullptr;
    QShortcut *m_altShiftShortcut = nullptr;
    QShortcut *m_enterShortcut = nullptr;
    QShortcut *m_returnShortcut = nullptr;
    QShortcut *m_escapeShortcut = nullptr;
};

// The start window's look: light gold to white, a green border and a green caption while
// the pointer is over it; the study window's buttons share it.
void applyGoldButtonColours(TdxButton &button);
