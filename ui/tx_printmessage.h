// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class TAnimate;

// The wait message: a small window with a line of text and a looping search animation,
// shown while the GUI thread is busy with a long step. It has no close button; only
// HideWaitMessage takes it away.
class Tx_printmessage : public QWidget {
    Q_OBJECT
public:
    explicit Tx_printmessage(QWidget *parent = nullptr);
    ~Tx_printmessage() override;

    QLabel *const LabHint;
    TAnimate *const Animate1;

protected:
    void showEvent(QShowEvent *event) override;  // FormShow: starts the animation
    void closeEvent(QCloseEvent *event) override;  // FormClose: stops it
    void hideEvent(QHideEvent *event) override;
};

// The one wait-message window; set by the constructor, cleared by the destructor.
extern Tx_printmessage *x_printmessage;

// Shows the window with `text` and the common animation `clip` (SearchAnimation::Clip), then
// lets the GUI paint once so that both are on screen before the caller's long step.
void ShowWaitMessage(const QString &text, int clip);
void HideWaitMessage();
