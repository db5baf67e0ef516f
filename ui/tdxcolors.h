// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class TdxButton;

// The eleven colours of a gradient button. It belongs to one button: setting a colour to a
// new value makes that button rebuild its gradient bitmaps.
class TdxColors {
public:
    explicit TdxColors(TdxButton &owner);
    TdxColors(const TdxColors &) = delete;
    TdxColors &operator=(const TdxColors &) = delete;

    // Takes all eleven colours of another set; the owner rebuilds once if any changed.
    void assign(const TdxColors &other);

    [[nodiscard]] QColor BackgroundFrom() const { return m_backgroundFrom; }
    [[nodiscard]] QColor BackgroundTo() const { return m_backgroundTo; }
    [[nodiscard]] QColor BorderEdges() const { return m_borderEdges; }
    [[nodiscard]] QColor BorderLine() const { return m_borderLine; }
    [[nodiscard]] QColor ClickedFrom() const { return m_clickedFrom; }
    [[nodiscard]] QColor ClickedTo() const { return m_clickedTo; }
    [[nodiscard]] QColor FocusedFrom() const { return m_focusedFrom; }
    [[nodiscard]] QColor FocusedTo() const { return m_focusedTo; }
    [[nodiscard]] QColor HighlightFrom() const { return m_highlightFrom; }
    [[nodiscard]] QColor HighlightTo() const { return m_highlightTo; }
    [[nodiscard]] QColor HotTrack() const { return m_hotTrack; }

    void setBackgroundFrom(const QColor &color) { set(m_backgroundFrom, color); }
    void setBackgroundTo(const QColor &color) { set(m_backgroundTo, color); }
    void setBorderEdges(const QColor &color) { set(m_borderEdges, color); }
    void setBorderLine(const QColor &color) { set(m_borderLine, color); }
    void setClickedFrom(const QColor &color) { set(m_clickedFrom, color); }
    void setClickedTo(const QColor &color) { set(m_clickedTo, color); }
    void setFocusedFrom(const QColor &color) { set(m_focusedFrom, color); }
    void setFocusedTo(const QColor &color) { set(m_focusedTo, color); }
    void setHighlightFrom(const QColor &color) { set(m_highlightFrom, color); }
    void setHighlightTo(const QColor &color) { set(m_highlightTo, color); }
    void setHotTrack(const QColor &color) { set(m_hotTrack, color); }

private:
    void set(QColor &member, const QColor &color);

    TdxButton &m_owner;
    QColor m_backgroundFrom{255, 255, 255};
    QColor m_backgroundTo{239, 235, 231};
    QColor m_borderEdges{123, 150, 173};
    QColor m_borderLine{0, 60, 115};
    QColor m_clickedFrom{214, 207, 198};
    QColor m_clickedTo{247, 243, 235};
    QColor m_focusedFrom{206, 231, 255};
    QColor m_focusedTo{109, 132, 239};
    QColor m_highlightFrom{255, 243, 206};
    QColor m_highlightTo{231, 150, 0};
    QColor m_hotTrack{255, 0, 0};
};
