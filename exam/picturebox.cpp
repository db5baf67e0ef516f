// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include <QBitmap>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    rebuildPixmap();
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

void PictureBox::clearPicture()
{
    m_picture = QImage();
    m_pixmap = QPixmap();
    update();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
}

void PictureBox::setTransparent(bool on)
{
    if (m_transparent == on)
        return;
    m_transparent = on;
    rebuildPixmap();
    update();
}

void PictureBox::rebuildPixmap()
{
    if (m_picture.isNull()) {
        m_pixmap = QPixmap();
        return;
    }
    m_pixmap = QPixmap::fromImage(m_picture);
    if (m_transparent) {
        const QRgb ground = m_picture.pixel(0, m_picture.height() - 1);
        m_pixmap.setMask(QBitmap::fromImage(m_picture.createMaskFromColor(ground, Qt::MaskInColor)));
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), palette().color(backgroundRole()));
    if (!m_pixmap.isNull())
        painter.drawPixmap(0, 0, m_pixmap);
}
