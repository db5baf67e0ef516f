// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tdxcustomcontrol.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>

TdxCustomControl::TdxCustomControl(QWidget *parent)
    : QWidget(parent)
{
    // Every focus change in the application may change which control of this window is
    // focused; the window's own change of focus is what "other active" follows.
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget *, QWidget *) { recomputeOtherActive(); });
}

TdxCustomControl::~TdxCustomControl()
{
    // QWidget's destructor gives up the focus and so announces a focus change; by then this
    // control is no longer whole and must not hear it.
    disconnect(m_focusConnection);
}

void TdxCustomControl::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    textChanged();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

bool TdxCustomControl::canFocus() const
{
    return isEnabled() && isVisible() && (focusPolicy() & Qt::TabFocus) != 0;
}

void TdxCustomControl::Click()
{
    if (QWidget *const form = window(); form && form != this)
        form->setProperty("ModalResult", m_modalResult);
    emit clicked();
}

void TdxCustomControl::notifyFocusChange(QWidget *window)
{
    if (!window)
        return;
    const auto controls = window->findChildren<TdxCustomControl *>();
    for (TdxCustomControl *control : controls)
        control->recomputeOtherActive();
}

void TdxCustomControl::recomputeOtherActive()
{
    QWidget *const form = window();
    const bool active = form && qobject_cast<TdxCustomControl *>(form->focusWidget()) != nullptr;
    if (active == m_otherActive)
        return;
    m_otherActive = active;
    otherActiveChanged();
}

void TdxCustomControl::setHot(bool hot)
{
    if (hot == m_hot)
        return;
    if (hot)
        mouseEntered();
    else
        mouseLeft();
}

void TdxCustomControl::setHotState(bool hot)
{
    if (hot == m_hot)
        return;
    m_hot = hot;
    update();
}

void TdxCustomControl::setPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    if (!pressed)
        m_keyboardPress = false;
    update();
    QAccessible::State changed;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TdxCustomControl::enabledChanged()
{
    update();
}

void TdxCustomControl::focusChanged(bool gained)
{
    m_focused = gained;
    if (!gained) {
        m_pressed = false;
        m_keyboardPress = false;
        m_clickArmed = false;
    }
    update();
}

void TdxCustomControl::leftButtonPressed()
{
    if (canFocus())
        setFocus(Qt::MouseFocusReason);
    setPressed(true);
}

void TdxCustomControl::mouseEntered()
{
    m_hot = true;
    update();
    emit mouseEnter();
}

void TdxCustomControl::mouseLeft()
{
    m_hot = false;
    update();
    emit mouseLeave();
}

void TdxCustomControl::mouseMoved(QMouseEvent *) {}

void TdxCustomControl::mouseReleased()
{
    setPressed(false);
}

void TdxCustomControl::parentColorChanged()
{
    update();
}

void TdxCustomControl::sizeChanged() {}

void TdxCustomControl::textChanged()
{
    update();
}

void TdxCustomControl::otherActiveChanged()
{
    update();
}

void TdxCustomControl::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        enabledChanged();
        break;
    case QEvent::PaletteChange:
        parentColorChanged();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TdxCustomControl::focusInEvent(QFocusEvent *event)
{
    focusChanged(true);
    QWidget::focusInEvent(event);
}

void TdxCustomControl::focusOutEvent(QFocusEvent *event)
{
    focusChanged(false);
    QWidget::focusOutEvent(event);
}

void TdxCustomControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // From here the press belongs to the mouse: only its release may click.
        m_keyboardPress = false;
        m_clickArmed = true;
        leftButtonPressed();
    }
    event->accept();
}

void TdxCustomControl::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the control keeps the mouse, so follow the pointer here:
    // leaving the control with the button down must drop the hot look.
    if (event->buttons() != Qt::NoButton)
        setHot(rect().contains(event->position().toPoint()));
    mouseMoved(event);
    event->accept();
}

void TdxCustomControl::mouseReleaseEvent(QMouseEvent *event)
{
    mouseReleased();
    const bool click = event->button() == Qt::LeftButton && m_clickArmed
                       && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_clickArmed = false;
    event->accept();
    if (click)
        Click();
}

void TdxCustomControl::enterEvent(QEnterEvent *event)
{
    setHot(true);
    QWidget::enterEvent(event);
}

void TdxCustomControl::leaveEvent(QEvent *event)
{
    setHot(false);
    QWidget::leaveEvent(event);
}

void TdxCustomControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    sizeChanged();
}
