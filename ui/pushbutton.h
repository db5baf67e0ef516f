// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// The trainer's plain push button. Enter (Return or the keypad's Enter) clicks it while it
// has the focus, as Space does, also outside a dialog; a held key clicks once. The focus
// shows as a dotted rectangle inside the face, whatever the style draws for it.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(const QString &text, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
