// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "splashpicture.h"

#include "winstyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A road running towards the horizon, with its centre line.
void drawRoad(QPainter &p, const QRectF &area)
{
    p.save();
    const QPointF vanish(area.center().x(), area.top());
    QPainterPath road;
    road.moveTo(vanish.x() - 6, vanish.y());
    road.lineTo(vanish.x() + 6, vanish.y());
    road.lineTo(area.right() - 40, area.bottom());
    road.lineTo(area.left() + 40, area.bottom());
    road.closeSubpath();
    QLinearGradient asphalt(vanish, QPointF(vanish.x(), area.bottom()));
    asphalt.setColorAt(0, QColor(95, 100, 110));
    asphalt.setColorAt(1, QColor(55, 58, 66));
    p.fillPath(road, asphalt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 240));
    for (int i = 0; i < 6; ++i) {
        const qreal t0 = 0.08 + i * 0.16;
        const qreal t1 = t0 + 0.08;
        const qreal y0 = vanish.y() + (area.bottom() - vanish.y()) * t0 * t0;
        const qreal y1 = vanish.y() + (area.bottom() - vanish.y()) * t1 * t1;
        const qreal w0 = 0.5 + 3 * t0 * t0;
        const qreal w1 = 0.5 + 3 * t1 * t1;
        p.drawPolygon(QPolygonF({QPointF(vanish.x() - w0, y0), QPointF(vanish.x() + w0, y0),
                                 QPointF(vanish.x() + w1, y1), QPointF(vanish.x() - w1, y1)}));
    }
    p.restore();
}

void drawSteeringWheel(QPainter &p, QPointF centre, qreal radius)
{
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 210), radius * 0.16));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 210), radius * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(-radius, 0));
    p.drawLine(centre, centre + QPointF(radius, 0));
    p.drawLine(centre, centre + QPointF(0, radius));
    p.setBrush(QColor(255, 255, 255, 210));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, radius * 0.25, radius * 0.25);
    p.restore();
}

} // namespace

QImage splashPicture()
{
    QImage image(400, 300, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(20, 60, 140));
    sky.setColorAt(0.55, QColor(70, 140, 210));
    sky.setColorAt(0.551, QColor(60, 130, 70));
    sky.setColorAt(1, QColor(35, 95, 45));
    p.fillRect(image.rect(), sky);
    drawRoad(p, QRectF(0, 165, 400, 135));
    drawSteeringWheel(p, QPointF(368, 32), 20);

    p.setPen(Qt::white);
    p.setFont(songFont(30, true));
    p.drawText(QRect(0, 40, 400, 44), Qt::AlignCenter, QStringLiteral("机动车驾驶员"));
    p.setFont(songFont(26, true));
    p.drawText(QRect(0, 88, 400, 36), Qt::AlignCenter, QStringLiteral("法培考试  模拟训练"));
    p.setFont(songFont(14));
    p.setPen(QColor(220, 235, 255));
    p.drawText(QRect(0, 130, 400, 20), Qt::AlignCenter, QStringLiteral("随机抽题 · 限时作答 · 交卷评分"));

    p.fillRect(QRect(0, 272, 400, 28), QColor(0, 0, 0, 110));
    p.setPen(Qt::white);
    p.setFont(songFont(12));
    p.drawText(QRect(12, 272, 376, 28), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("版本 3.0"));
    p.drawText(QRect(12, 272, 376, 28), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("正在启动……"));
    return image;
}
