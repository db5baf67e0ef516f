// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchanimation.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

const QColor Outline(60, 60, 70);

void drawFolder(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    QPainterPath tab;
    tab.addRoundedRect(QRectF(r.left(), r.top(), r.width() * 0.45, r.height() * 0.3), 2, 2);
    p.drawPath(tab);
    p.setBrush(QColor(250, 215, 100));
    p.drawRoundedRect(QRectF(r.left(), r.top() + r.height() * 0.18, r.width(), r.height() * 0.82), 2, 2);
    p.restore();
}

void drawDocument(QPainter &p, const QRectF &r)
{
    p.save();
    const qreal fold = r.width() * 0.3;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(Outline, 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setPen(QPen(QColor(120, 140, 180), 1));
    for (qreal y = r.top() + fold + 3; y < r.bottom() - 2; y += 4)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    p.restore();
}

void drawComputer(QPainter &p, const QRectF &r)
{
    p.save();
    const QRectF monitor(r.left(), r.top(), r.width(), r.height() * 0.72);
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(monitor, 2, 2);
    QLinearGradient screen(monitor.topLeft(), monitor.bottomRight());
    screen.setColorAt(0, QColor(40, 90, 170));
    screen.setColorAt(1, QColor(20, 50, 110));
    p.setBrush(screen);
    p.drawRect(monitor.adjusted(3, 3, -3, -3));
    p.setBrush(QColor(170, 170, 175));
    const qreal neck = r.width() * 0.18;
    p.drawRect(QRectF(r.center().x() - neck / 2, monitor.bottom(), neck, r.height() * 0.12));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.2, r.bottom() - r.height() * 0.16, r.width() * 0.6, r.height() * 0.16), 2, 2);
    p.restore();
}

void drawBin(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(150, 165, 180));
    QPainterPath body;
    body.moveTo(r.left(), r.top() + 4);
    body.lineTo(r.right(), r.top() + 4);
    body.lineTo(r.right() - r.width() * 0.12, r.bottom());
    body.lineTo(r.left() + r.width() * 0.12, r.bottom());
    body.closeSubpath();
    p.drawPath(body);
    p.drawRect(QRectF(r.left() - 2, r.top(), r.width() + 4, 4));
    p.setPen(QPen(QColor(100, 115, 130), 1));
    for (int i = 1; i < 4; ++i) {
        const qreal x = r.left() + r.width() * i / 4.0;
        p.drawLine(QPointF(x, r.top() + 8), QPointF(x, r.bottom() - 3));
    }
    p.restore();
}

void drawMagnifier(QPainter &p, QPointF centre, qreal radius)
{
    p.save();
    const QPointF handleEnd = centre + QPointF(radius * 1.5, radius * 1.5);
    p.setPen(QPen(QColor(90, 60, 30), radius * 0.55, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), handleEnd);
    p.setPen(QPen(QColor(70, 70, 80), 2));
    p.setBrush(QColor(190, 225, 255, 150));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.drawArc(QRectF(centre.x() - radius * 0.6, centre.y() - radius * 0.6, radius * 1.2, radius * 1.2), 100 * 16, 70 * 16);
    p.restore();
}

void drawFind(QPainter &p, int clip, int frame, QSizeF size)
{
    const QRectF object(size.width() * 0.12, size.height() * 0.16, size.width() * 0.5, size.height() * 0.68);
    switch (clip) {
    case SearchAnimation::aviFindFolder:
        drawFolder(p, object);
        break;
    case SearchAnimation::aviFindFile:
        drawDocument(p, object.adjusted(object.width() * 0.15, 0, -object.width() * 0.15, 0));
        break;
    default:
        drawComputer(p, object);
        break;
    }
    // The glass circles over the object, as if it were looking it over.
    const double angle = 2 * std::numbers::pi * frame / SearchAnimation::FrameCount;
    const QPointF centre(object.center().x() + std::cos(angle) * object.width() * 0.3,
                         object.center().y() + std::sin(angle) * object.height() * 0.22 - 2);
    drawMagnifier(p, centre, size.height() * 0.17);
}

void drawFlight(QPainter &p, int clip, int frame, QSizeF size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const QRectF from(w * 0.04, h * 0.42, w * 0.3, h * 0.42);
    const QRectF to(w * 0.66, h * 0.42, w * 0.3, h * 0.42);
    const bool copy = clip == SearchAnimation::aviCopyFiles || clip == SearchAnimation::aviCopyFile;
    if (copy)
        drawFolder(p, from);
    else
        drawDocument(p, QRectF(from.left() + 4, from.top() - 4, from.width() - 8, from.height() + 4));
    if (copy)
        drawFolder(p, to);
    else
        drawBin(p, to);

    const double t = double(frame) / (SearchAnimation::FrameCount - 1);
    const QPointF start(from.center().x(), from.top());
    const QPointF end(to.center().x(), to.top());
    const QPointF at(start.x() + (end.x() - start.x()) * t, start.y() - std::sin(t * std::numbers::pi) * h * 0.32);
    const qreal sheetW = w * 0.12;
    const qreal sheetH = h * 0.3;
    const int sheets = clip == SearchAnimation::aviCopyFiles ? 2 : 1;
    for (int i = sheets - 1; i >= 0; --i)
        drawDocument(p, QRectF(at.x() - sheetW / 2 - i * 3, at.y() - sheetH / 2 - i * 3, sheetW, sheetH));
}

} // namespace

QSize SearchAnimation::frameSize(int clip)
{
    return isClip(clip) ? QSize(80, 50) : QSize();
}

void SearchAnimation::paintFrame(QPainter &painter, int clip, int frame, const QColor &background)
{
    const QSize size = frameSize(clip);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), size), background);
    frame = ((frame % FrameCount) + FrameCount) % FrameCount;
    if (clip >= aviFindFolder && clip <= aviFindComputer)
        drawFind(painter, clip, frame, size);
    else if (isClip(clip))
        drawFlight(painter, clip, frame, size);
    painter.restore();
}
