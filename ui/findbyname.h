// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QWidget;

// Controls are found by their designer name, ignoring case. A name that is not there is a
// programming error; both lookups throw std::logic_error naming the name and the container.

// Among every widget the window owns, at any depth.
[[nodiscard]] QWidget *findComponent(const QObject *owner, const QString &name);
// Among the direct widget children of one container.
[[nodiscard]] QWidget *findChildControl(const QWidget *container, const QString &name);
