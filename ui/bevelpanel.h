// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

// A panel with a lowered outer bevel, a border of the panel's own colour, and a lowered
// inner bevel, as a classic Windows panel draws one: each bevel is one pixel, shadow grey
// along the top and left, white along the right and bottom.
class BevelPanel : public QFrame {
    Q_OBJECT

public:
    explicit BevelPanel(QWidget *parent = nullptr, int borderWidth = 4);

    [[nodiscard]] int borderWidth() const { return m_borderWidth; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_borderWidth;
};
