// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgetaccessibility.h"

#include "tdxbutton.h"
#include "tkvlabel.h"

#include <QAccessibleWidget>
#include <QKeySequence>

namespace {

class DxButtonAccessible : public QAccessibleWidget {
public:
    explicit DxButtonAccessible(TdxButton *button)
        : QAccessibleWidget(button, QAccessible::PushButton)
    {
    }

    [[nodiscard]] TdxButton *button() const { return static_cast<TdxButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? button()->plainCaption() : name;
        }
        case QAccessible::Accelerator: {
            const QChar accel = button()->accelerator();
            if (accel.isNull())
                return {};
            return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(accel.toUpper().unicode())))
                .toString(QKeySequence::NativeText);
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isPressed();
        s.hotTracked = button()->isHot();
        s.defaultButton = button()->Default();
        return s;
    }

    QStringList actionNames() const override
    {
        if (!widget()->isEnabled())
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (!widget()->isEnabled())
            return;
        if (actionName == pressAction())
            button()->Click();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (actionName == pressAction()) {
            const QString accel = text(QAccessible::Accelerator);
            if (!accel.isEmpty())
                return {accel};
        }
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
};

class KvLabelAccessible : public QAccessibleWidget {
public:
    explicit KvLabelAccessible(TKvLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? static_cast<TKvLabel *>(widget())->plainCaption() : name;
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *widgetFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TdxButton")) {
        if (auto *button = qobject_cast<TdxButton *>(object))
            return new DxButtonAccessible(button);
    }
    if (className == QLatin1String("TKvLabel")) {
        if (auto *label = qobject_cast<TKvLabel *>(object))
            return new KvLabelAccessible(label);
    }
    return nullptr;
}

} // namespace

void installWidgetAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(widgetFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
