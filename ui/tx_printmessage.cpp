// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx_printmessage.h"

#include "searchanimation.h"
#include "tanimate.h"
#include "winstyle.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>

#include <stdexcept>

Tx_printmessage *x_printmessage = nullptr;

namespace {

constexpr quint32 BackgroundColor = 16771022;  // RGB(206, 231, 255)
constexpr quint32 HintColor = 0xFF0000;        // blue

} // namespace

Tx_printmessage::Tx_printmessage(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , LabHint(new QLabel(this))
    , Animate1(new TAnimate(this))
{
    setObjectName(QStringLiteral("x_printmessage"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("机动车驾驶员法培考试"));
    setFont(songFont(12));
    setFixedSize(334, 96);
    move(256, 217);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, winColor(BackgroundColor));
    setPalette(background);

    LabHint->setObjectName(QStringLiteral("LabHint"));
    LabHint->setFont(songFont(16));
    setFontColor(LabHint, HintColor);
    LabHint->move(97, 38);

    Animate1->setObjectName(QStringLiteral("Animate1"));
    Animate1->setGeometry(15, 27, 80, 50);
    Animate1->setCommonAVI(SearchAnimation::aviFindFolder);

    if (!x_printmessage)
        x_printmessage = this;
}

Tx_printmessage::~Tx_printmessage()
{
    if (x_printmessage == this)
        x_printmessage = nullptr;
}

void Tx_printmessage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Animate1->setActive(true);
}

void Tx_printmessage::closeEvent(QCloseEvent *event)
{
    Animate1->setActive(false);
    QWidget::closeEvent(event);
}

void Tx_printmessage::hideEvent(QHideEvent *event)
{
    // However the window goes, the animation thread stops before the window does.
    if (!event->spontaneous())
        Animate1->setActive(false);
    QWidget::hideEvent(event);
}

void ShowWaitMessage(const QString &text, int clip)
{
    if (!x_printmessage)
        throw std::logic_error("The wait-message window does not exist");
    x_printmessage->show();
    x_printmessage->LabHint->setText(text);
    x_printmessage->LabHint->adjustSize();
    x_printmessage->Animate1->setCommonAVI(clip);
    x_printmessage->Animate1->setActive(true);
    QCoreApplication::processEvents();
    x_printmessage->repaint();
}

void HideWaitMessage()
{
    if (x_printmessage)
        x_printmessage->close();
}
