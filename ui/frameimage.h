// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// A picture control of the drawn window frame. It draws its picture at natural size from its
// top-left corner, clipped, or stretched over its whole rectangle; an auto-sized one takes the
// size of the picture it receives. A transparent one leaves out the colour of the picture's
// bottom-left pixel, unless the picture has transparency of its own.
//
// Its mouse events are handed on as signals; a click is a left press released inside.
class FrameImage : public QWidget {
    Q_OBJECT
public:
    explicit FrameImage(QWidget *parent = nullptr);

    [[nodiscard]] const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    [[nodiscard]] bool stretch() const { return m_stretch; }
    void setStretch(bool on);
    [[nodiscard]] bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    [[nodiscard]] bool transparent() const { return m_transparent; }
    void setTransparent(bool on);

signals:
    void clicked();
    void doubleClicked();
    // A double click also arrives as a press, as the second press of the pair.
    void pressed(QMouseEvent *event);
    void moved(QMouseEvent *event);
    void released(QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void prepareDrawn();

    QPixmap m_picture;
    QPixmap m_drawn;  // the picture with its transparent colour left out
    bool m_stretch = false;
    bool m_autoSize = false;
    bool m_transparent = false;
    bool m_leftPressed = false;
};
