// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tanimate.h"

#include "searchanimation.h"

#include <QPainter>
#include <QTimer>

#include <stdexcept>

namespace {

QColor backgroundOf(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return (parent ? parent : widget)->palette().color(QPalette::Window);
}

} // namespace

TAnimate::TAnimate(QWidget *parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
    , m_native(X11AnimationPlayer::available())
{
    if (m_native) {
        // A window of its own that Qt leaves alone: the player's thread paints it.
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_DontCreateNativeAncestors);
    }
    m_timer->setInterval(SearchAnimation::FrameMs);
    connect(m_timer, &QTimer::timeout, this, &TAnimate::advance);
}

TAnimate::~TAnimate()
{
    m_player.stop();
}

void TAnimate::setCommonAVI(int clip)
{
    if (clip == m_clip)
        return;
    if (clip != SearchAnimation::aviNone && !SearchAnimation::isClip(clip))
        throw std::runtime_error("Cannot open AVI");
    setActive(false);
    m_clip = clip;
    m_frame = 0;
    if (SearchAnimation::isClip(clip))
        resize(SearchAnimation::frameSize(clip));
    update();
}

void TAnimate::setActive(bool active)
{
    if (active && !SearchAnimation::isClip(m_clip))
        active = false;  // nothing to play
    if (active == m_active)
        return;
    m_active = active;
    m_player.stop();
    m_timer->stop();
    if (!active)
        return;
    m_frame = 0;
    m_timerFrames = 0;
    bool threaded = false;
    if (m_native) {
        const int clip = m_clip;
        const QColor background = backgroundOf(this);
        threaded = m_player.start(winId(), size(), SearchAnimation::FrameCount, SearchAnimation::FrameMs,
                                  [clip, background](QImage &image, int frame) {
                                      QPainter painter(&image);
                                      SearchAnimation::paintFrame(painter, clip, frame, background);
                                  });
    }
    if (m_native && !threaded) {
        // The window cannot take the player's frames: paint them here from now on.
        m_native = false;
        setAttribute(Qt::WA_PaintOnScreen, false);
    }
    if (!threaded)
        m_timer->start();
    update();
}

qint64 TAnimate::framesPlayed() const
{
    return m_player.running() ? m_player.framesDrawn() : m_timerFrames;
}

void TAnimate::advance()
{
    m_frame = (m_frame + 1) % SearchAnimation::FrameCount;
    ++m_timerFrames;
    update();
}

QPaintEngine *TAnimate::paintEngine() const
{
    return m_native ? nullptr : QWidget::paintEngine();
}

void TAnimate::paintEvent(QPaintEvent *)
{
    if (m_native)
        return;
    QPainter painter(this);
    if (SearchAnimation::isClip(m_clip))
        SearchAnimation::paintFrame(painter, m_clip, m_frame, backgroundOf(this));
}
