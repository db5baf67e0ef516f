// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes screen readers see the custom widgets for what they are: a TdxButton as a push
// button named by its caption that can be pressed, a TKvLabel as static text. Safe to call
// any number of times; the widgets call it when they are created.
void installWidgetAccessibility();
