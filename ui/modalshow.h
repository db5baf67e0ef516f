// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Shows a window modally: the top-level windows visible at that moment take no input until
// it closes. Unlike Qt::ApplicationModal, windows shown while it is up (the exam window,
// brought back from the score window for review) do take input. Returns when the window
// has been hidden or destroyed.
void showModal(QWidget *window);
