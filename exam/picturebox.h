// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture control: shows one picture from its top-left corner and, with AutoSize on, takes
// the picture's size whenever a picture is loaded (clearing keeps the size it has). While
// Transparent is on, the control paints no background of its own and the picture's
// bottom-left colour lets the ground show through; off, the control fills its rectangle
// with its background colour first.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    void clearPicture();
    [[nodiscard]] const QImage &picture() const { return m_picture; }
    [[nodiscard]] bool hasPicture() const { return !m_picture.isNull(); }

    [[nodiscard]] bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    [[nodiscard]] bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void rebuildPixmap();

    QImage m_picture;
    QPixmap m_pixmap;  // what paintEvent draws: the picture, masked while transparent
    bool m_autoSize = false;
    bool m_transparent = false;
};
