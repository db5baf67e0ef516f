// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The splash: a borderless picture in the middle of the screen that closes itself after
// three seconds.
class Tfrm_logo : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_logo(QWidget *parent = nullptr);

    QLabel *const Image1;
    QTimer *const Timer1;

    void Timer1Timer(QObject *Sender);

    // How long a splash stays up; tests shorten it.
    static int displayMs;
};
