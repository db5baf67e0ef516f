// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_logo.h"

#include "splashpicture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

int Tfrm_logo::displayMs = 3000;

Tfrm_logo::Tfrm_logo(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , Image1(new QLabel(this))
    , Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frm_logo"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(399, 300);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 400, 300);
    Image1->setPixmap(QPixmap::fromImage(splashPicture()));

    // The timer runs from the moment the splash exists; its first tick ends it.
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(displayMs);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });
    Timer1->start();
}

void Tfrm_logo::Timer1Timer(QObject *)
{
    close();
}
