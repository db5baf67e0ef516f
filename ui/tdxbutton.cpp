// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tdxbutton.h"

#include "accelcaption.h"
#include "gradientbitmap.h"
#include "widgetaccessibility.h"
#include "winstyle.h"

#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

namespace {

// The caption is measured as if a blank followed when it would otherwise measure nothing.
QString measuredCaption(const QString &caption, bool showAccelChar)
{
    if (caption.isEmpty() || (showAccelChar && caption == QLatin1String("&")))
        return caption + u' ';
    return caption;
}

// The same picture with every pixel turned grey, keeping its transparency.
QPixmap grayed(const QPixmap &glyph)
{
    QImage image = glyph.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int gray = qGray(line[x]);
            line[x] = qRgba(gray, gray, gray, qAlpha(line[x]));
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace

TdxButton::TdxButton(QWidget *parent)
    : TdxCustomControl(parent)
    , m_colors(*this)
    , m_random(QRandomGenerator::global()->generate())
{
    installWidgetAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::ButtonText);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(DefaultWidth, DefaultHeight);
}

TdxButton::TdxButton(const QString &caption, QWidget *parent)
    : TdxButton(parent)
{
    setCaption(caption);
}

TdxButton::~TdxButton() = default;

void TdxButton::setCaption(const QString &caption)
{
    setText(caption);
}

void TdxButton::setHotTrack(bool on)
{
    if (on == m_hotTrack)
        return;
    m_hotTrack = on;
    update();
}

void TdxButton::setQuality(TdxQuality quality)
{
    if (quality == m_quality)
        return;
    m_quality = quality;
    rebuildGradients();
}

void TdxButton::setShowFocusRect(bool on)
{
    if (on == m_showFocusRect)
        return;
    m_showFocusRect = on;
    update();
}

void TdxButton::setShowAccelChar(bool on)
{
    if (on == m_showAccelChar)
        return;
    m_showAccelChar = on;
    update();
}

void TdxButton::setWordWrap(bool on)
{
    if (on == m_wordWrap)
        return;
    m_wordWrap = on;
    update();
}

void TdxButton::setDefault(bool on)
{
    if (on == m_default)
        return;
    m_default = on;
    updateShortcuts();
    notifyFocusChange(window());
    update();
}

void TdxButton::setCancel(bool on)
{
    if (on == m_cancel)
        return;
    m_cancel = on;
    updateShortcuts();
    update();
}

void TdxButton::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    update();
}

void TdxButton::setLayout(TdxLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TdxButton::setSpacing(int pixels)
{
    if (pixels == m_spacing)
        return;
    m_spacing = pixels;
    update();
}

void TdxButton::setAutoGray(bool on)
{
    if (on == m_autoGray)
        return;
    m_autoGray = on;
    update();
}

bool TdxButton::isHighlighted() const
{
    if (isPressed())
        return !isHot();
    return isHot() || isFocused();
}

bool TdxButton::isDrawnHighlighted() const
{
    return isHighlighted() || (m_default && !isOtherActive());
}

QChar TdxButton::accelerator() const
{
    const QString caption = Caption();
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1);
        ++i; // "&&" is a literal '&'
    }
    return {};
}

QString TdxButton::plainCaption() const
{
    return captionWithoutAccelMarks(Caption());
}

int TdxButton::gradientSteps(TdxQuality quality)
{
    switch (quality) {
    case bqLow:
        return 8;
    case bqMiddle:
        return 16;
    case bqHigh:
        return 64;
    }
    return 16;
}

void TdxButton::rebuildGradients()
{
    m_gradientsDirty = true;
    update();
}

void TdxButton::buildGradients()
{
    const int w = width();
    const int h = height();
    const int steps = gradientSteps(m_quality);
    const bool dither = m_quality == bqHigh;
    // The face always covers the whole inside of the border. A highlighted button shows only
    // its top left part, inset to (3, 3); a face sized for that inset alone would leave a
    // strip of background inside the border once the highlight goes.
    m_face = GradientBitmap::build(w - 2, h - 2, m_colors.BackgroundFrom(), m_colors.BackgroundTo(),
                                   steps, dither, m_random);
    m_pressedFace = GradientBitmap::build(w - 2, h - 2, m_colors.ClickedFrom(),
                                          m_colors.ClickedTo(), steps, dither, m_random);
    m_focusRing = GradientBitmap::build(w - 2, h - 2, m_colors.FocusedFrom(), m_colors.FocusedTo(),
                                        steps, dither, m_random);
    m_hotRing = GradientBitmap::build(w - 2, h - 2, m_colors.HighlightFrom(),
                                      m_colors.HighlightTo(), steps, dither, m_random);
    m_gradientSize = size();
    m_gradientsDirty = false;
    ++m_gradientBuilds;
}

void TdxButton::sizeChanged()
{
    // Qt also sends resize events that keep the size (rendering a hidden widget does).
    if (size() != m_gradientSize)
        rebuildGradients();
}

void TdxButton::otherActiveChanged()
{
    updateShortcuts();
    update();
}

void TdxButton::textChanged()
{
    updateShortcuts();
    update();
}

void TdxButton::updateShortcuts()
{
    const QChar accel = accelerator();
    if (accel.isNull()) {
        delete m_altShortcut;
        delete m_altShiftShortcut;
        m_altShortcut = nullptr;
        m_altShiftShortcut = nullptr;
    } else {
        const int key = int(accel.toUpper().unicode());
        if (!m_altShortcut) {
            m_altShortcut = new QShortcut(this);
            m_altShiftShortcut = new QShortcut(this);
            for (QShortcut *shortcut : {m_altShortcut, m_altShiftShortcut}) {
                connect(shortcut, &QShortcut::activated, this, &TdxButton::shortcutActivated);
                connect(shortcut, &QShortcut::activatedAmbiguously, this,
                        &TdxButton::shortcutActivated);
            }
        }
        m_altShortcut->setKey(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key))));
        m_altShiftShortcut->setKey(
            QKeySequence(QKeyCombination(Qt::AltModifier | Qt::ShiftModifier, Qt::Key(key))));
    }

    // Enter reaches a Default button from anywhere in the window unless another custom
    // control has the focus; that one then takes the key itself.
    const bool enter = m_default && !isOtherActive();
    if (enter && !m_returnShortcut) {
        m_returnShortcut = new QShortcut(QKeySequence(Qt::Key_Return), this);
        m_enterShortcut = new QShortcut(QKeySequence(Qt::Key_Enter), this);
        connect(m_returnShortcut, &QShortcut::activated, this, &TdxButton::shortcutActivated);
        connect(m_enterShortcut, &QShortcut::activated, this, &TdxButton::shortcutActivated);
    }
    if (m_returnShortcut) {
        m_returnShortcut->setEnabled(enter);
        m_enterShortcut->setEnabled(enter);
    }
    if (m_cancel && !m_escapeShortcut) {
        m_escapeShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(m_escapeShortcut, &QShortcut::activated, this, &TdxButton::shortcutActivated);
    }
    if (m_escapeShortcut)
        m_escapeShortcut->setEnabled(m_cancel);
}

void TdxButton::shortcutActivated()
{
    if (canFocus())
        Click();
}

void TdxButton::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);

    if (event->key() == Qt::Key_Space && mods == Qt::NoModifier) {
        if (!isPressed())
            setKeyboardPress(true);
        setHotState(true);
        if (canFocus())
            setFocus(Qt::OtherFocusReason);
        setPressed(true);
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && canFocus()) {
        event->accept();
        Click();
        return;
    }
    if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier && m_cancel && canFocus()) {
        event->accept();
        Click();
        return;
    }
    // A plain accelerator character acts on the focused button only; with Alt the window's
    // shortcut has already taken it.
    const QChar accel = accelerator();
    if (!accel.isNull() && (mods & ~Qt::ShiftModifier) == Qt::NoModifier
        && event->text().size() == 1
        && event->text().at(0).toUpper() == accel.toUpper() && canFocus()) {
        event->accept();
        Click();
        return;
    }
    TdxCustomControl::keyPressEvent(event);
}

void TdxButton::keyReleaseEvent(QKeyEvent *event)
{
    // X11 repeats a held key as release and press pairs; only the real release counts.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    // Only a press made with the keyboard ends with a key: a key released while the mouse
    // holds the button must not click it ahead of the mouse's own release.
    if (isPressed() && isKeyboardPress()) {
        if (!underMouse())
            setHotState(false);
        setPressed(false);
        event->accept();
        Click();
        return;
    }
    TdxCustomControl::keyReleaseEvent(event);
}

void TdxButton::paintEvent(QPaintEvent *)
{
    if (m_gradientsDirty || m_gradientSize != size())
        buildGradients();

    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));

    const bool highlighted = isDrawnHighlighted();
    if (highlighted)
        painter.drawImage(QPoint(1, 1), isHot() ? m_hotRing : m_focusRing);
    if (isHot() && isPressed())
        painter.drawImage(QPoint(1, 1), m_pressedFace);
    else if (!highlighted)
        painter.drawImage(QPoint(1, 1), m_face);
    else if (w > 6 && h > 6)
        painter.drawImage(QPoint(3, 3), m_face, QRect(0, 0, w - 6, h - 6));

    paintBorder(painter);
    paintContent(painter);

    if (isFocused() && m_showFocusRect && w > 6 && h > 6) {
        // A dotted rectangle that inverts what is under it, one pixel in two.
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(Qt::white);
        const QRect r(3, 3, w - 6, h - 6);
        int n = 0;
        const auto dot = [&painter, &n](int x, int y) {
            if (n++ % 2 == 0)
                painter.drawPoint(x, y);
        };
        for (int x = r.left(); x < r.right(); ++x)
            dot(x, r.top());
        for (int y = r.top(); y < r.bottom(); ++y)
            dot(r.right(), y);
        for (int x = r.right(); x > r.left(); --x)
            dot(x, r.bottom());
        for (int y = r.bottom(); y > r.top(); --y)
            dot(r.left(), y);
        painter.restore();
    }
}

void TdxButton::paintBorder(QPainter &painter) const
{
    const int w = width();
    const int h = height();
    if (w < 5 || h < 5)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Rounded rectangle with a 5 × 5 corner ellipse: straight sides, one pixel per corner.
    painter.setPen(m_colors.BorderLine());
    painter.drawLine(2, 0, w - 3, 0);
    painter.drawLine(2, h - 1, w - 3, h - 1);
    painter.drawLine(0, 2, 0, h - 3);
    painter.drawLine(w - 1, 2, w - 1, h - 3);
    painter.drawPoint(1, 1);
    painter.drawPoint(w - 2, 1);
    painter.drawPoint(1, h - 2);
    painter.drawPoint(w - 2, h - 2);
    // Short strokes in the lighter edge colour beside each corner soften the rounding.
    painter.setPen(m_colors.BorderEdges());
    const QPoint edges[] = {{0, 1},     {1, 0},     {w - 2, 0},     {w - 1, 1},
                            {0, h - 2}, {1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}};
    painter.drawPoints(edges, int(std::size(edges)));
    painter.restore();
}

// Where the caption and the glyph go: the block of both centred in the button, the glyph on
// the side its layout names.
TdxButton::ContentLayout TdxButton::contentLayout() const
{
    ContentLayout l;
    l.flags = Qt::AlignLeft | Qt::AlignTop;
    if (m_wordWrap)
        l.flags |= Qt::TextWordWrap;
    if (m_showAccelChar)
        l.flags |= Qt::TextShowMnemonic;

    // Room for the glyph beside or above the caption.
    const bool hasGlyph = !m_glyph.isNull();
    const QSize glyphSize = hasGlyph ? m_glyph.deviceIndependentSize().toSize() : QSize();
    const bool across = m_layout == blGlyphLeft || m_layout == blGlyphRight;
    const int glyphRoom = !hasGlyph ? 0
                          : across  ? glyphSize.width() + m_spacing
                                    : glyphSize.height() + m_spacing;
    const QRect textArea(0, 0, across ? width() - glyphRoom : width(), across ? height() : height() - glyphRoom);

    const QFontMetrics metrics(font());
    l.caption = Caption();
    if (!m_wordWrap && metrics.horizontalAdvance(plainCaption()) > textArea.width())
        l.caption = metrics.elidedText(l.caption, Qt::ElideRight, std::max(0, textArea.width()),
                                       m_showAccelChar ? Qt::TextShowMnemonic : 0);
    const QSize text = metrics.boundingRect(textArea, l.flags, measuredCaption(l.caption, m_showAccelChar)).size();
    const QSize block = across ? QSize(text.width() + glyphRoom, std::max(text.height(), glyphSize.height()))
                               : QSize(std::max(text.width(), glyphSize.width()), text.height() + glyphRoom);
    // Centre the block; the halves are truncated towards zero.
    QPoint origin((width() - block.width()) / 2, (height() - block.height()) / 2);
    if (isHot() && isPressed())
        origin += QPoint(1, 1);

    l.textRect = QRect(origin, text);
    if (hasGlyph)
        placeGlyph(l, origin, block, glyphSize);
    return l;
}

void TdxButton::placeGlyph(ContentLayout &l, QPoint origin, QSize block, QSize glyph) const
{
    const QSize text = l.textRect.size();
    const int glyphRoom = (m_layout == blGlyphLeft || m_layout == blGlyphRight ? glyph.width() : glyph.height()) + m_spacing;
    l.glyphAt = origin;
    switch (m_layout) {
    case blGlyphLeft:
        l.glyphAt.ry() += (block.height() - glyph.height()) / 2;
        l.textRect.moveTopLeft(origin + QPoint(glyphRoom, (block.height() - text.height()) / 2));
        break;
    case blGlyphRight:
        l.glyphAt += QPoint(text.width() + m_spacing, (block.height() - glyph.height()) / 2);
        l.textRect.moveTopLeft(origin + QPoint(0, (block.height() - text.height()) / 2));
        break;
    case blGlyphTop:
        l.glyphAt.rx() += (block.width() - glyph.width()) / 2;
        l.textRect.moveTopLeft(origin + QPoint((block.width() - text.width()) / 2, glyphRoom));
        break;
    case blGlyphBottom:
        l.glyphAt += QPoint((block.width() - glyph.width()) / 2, text.height() + m_spacing);
        l.textRect.moveTopLeft(origin + QPoint((block.width() - text.width()) / 2, 0));
        break;
    }
}

void TdxButton::paintContent(QPainter &painter) const
{
    const ContentLayout l = contentLayout();
    painter.save();
    painter.setFont(font());
    if (!m_glyph.isNull())
        painter.drawPixmap(l.glyphAt, !isEnabled() && m_autoGray ? grayed(m_glyph) : m_glyph);
    if (isEnabled()) {
        QColor color = palette().color(QPalette::Active, QPalette::ButtonText);
        if (m_hotTrack && isHot())
            color = m_colors.HotTrack();
        painter.setPen(color);
        painter.drawText(l.textRect, l.flags, l.caption);
    } else {
        // Disabled: engraved, a light copy one pixel down and right under the dark one.
        painter.setPen(palette().color(QPalette::Active, QPalette::Light));
        painter.drawText(l.textRect.translated(1, 1), l.flags, l.caption);
        painter.setPen(palette().color(QPalette::Active, QPalette::Dark));
        painter.drawText(l.textRect, l.flags, l.caption);
    }
    painter.restore();
}

void applyGoldButtonColours(TdxButton &button)
{
    TdxColors &colors = button.Colors();
    colors.setBackgroundFrom(winColor(13562879));
    colors.setBackgroundTo(Qt::white);
    colors.setBorderLine(winColor(32768));
    colors.setClickedTo(winColor(13562879));
    colors.setFocusedTo(winColor(9352301));
    colors.setHotTrack(winColor(32768));
    button.setHotTrack(true);
    button.setQuality(TdxButton::bqHigh);
}
