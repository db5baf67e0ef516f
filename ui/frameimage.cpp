// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frameimage.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

FrameImage::FrameImage(QWidget *parent)
    : QWidget(parent)
{
}

void FrameImage::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    prepareDrawn();
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize());
    update();
}

void FrameImage::setStretch(bool on)
{
    if (on == m_stretch)
        return;
    m_stretch = on;
    update();
}

void FrameImage::setAutoSize(bool on)
{
    m_autoSize = on;
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize());
}

void FrameImage::setTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    prepareDrawn();
    update();
}

void FrameImage::prepareDrawn()
{
    m_drawn = m_picture;
    if (!m_transparent || m_picture.isNull() || m_picture.hasAlphaChannel())
        return;
    const QImage image = m_picture.toImage();
    const QRgb key = image.pixel(0, image.height() - 1);
    m_drawn.setMask(QBitmap::fromImage(image.createMaskFromColor(key, Qt::MaskInColor)));
}

void FrameImage::paintEvent(QPaintEvent *)
{
    if (m_drawn.isNull())
        return;
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_drawn);
    } else {
        painter.drawPixmap(0, 0, m_drawn);
    }
}

void FrameImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    emit pressed(event);
}

void FrameImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void FrameImage::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event);
}

void FrameImage::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event);
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = m_leftPressed && rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (click)
        emit clicked();
}
