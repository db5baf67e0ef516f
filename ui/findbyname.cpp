// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "findbyname.h"

#include <QWidget>

#include <stdexcept>

namespace {

[[noreturn]] void notFound(const QObject *container, const QString &name)
{
    throw std::logic_error(QStringLiteral("No control \"%1\" in \"%2\"").arg(name, container->objectName()).toStdString());
}

QWidget *find(const QObject *container, const QString &name, Qt::FindChildOptions options)
{
    const QList<QWidget *> widgets = container->findChildren<QWidget *>(QString(), options);
    for (QWidget *widget : widgets) {
        if (widget->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return widget;
    }
    notFound(container, name);
}

} // namespace

QWidget *findComponent(const QObject *owner, const QString &name)
{
    return find(owner, name, Qt::FindChildrenRecursively);
}

QWidget *findChildControl(const QWidget *container, const QString &name)
{
    return find(container, name, Qt::FindDirectChildrenOnly);
}
