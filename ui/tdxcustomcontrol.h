// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// Base of the custom-drawn controls. It keeps the state that the drawing depends on:
// hot (the mouse is over it), focused, pressed (a press on it is under way), and whether the
// window's focused control is one of these controls ("other active"), which decides whether
// a default button shows itself highlighted.
//
// Clicking copies ModalResult to the window (its "ModalResult" property) and emits clicked().
// A click comes from a left press on the control released inside it, or from the keyboard
// rules of the derived control.
class TdxCustomControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)

public:
    explicit TdxCustomControl(QWidget *parent = nullptr);
    ~TdxCustomControl() override;

    [[nodiscard]] bool isHot() const { return m_hot; }
    [[nodiscard]] bool isFocused() const { return m_focused; }
    [[nodiscard]] bool isPressed() const { return m_pressed; }
    [[nodiscard]] bool isOtherActive() const { return m_otherActive; }

    [[nodiscard]] int ModalResult() const { return m_modalResult; }
    void setModalResult(int value) { m_modalResult = value; }

    [[nodiscard]] QString text() const { return m_text; }
    void setText(const QString &text);

    // Whether the control could take the focus now: enabled, shown with all of its
    // ancestors, and accepting focus.
    [[nodiscard]] bool canFocus() const;

    // Sets the window's modal result to ModalResult, then emits clicked().
    virtual void Click();

    // Makes every custom control in `window` recompute "other active" and repaint; called
    // after a focus change and when a button's Default changes.
    static void notifyFocusChange(QWidget *window);

signals:
    void clicked();
    void mouseEnter();
    void mouseLeave();

protected:
    // Hooks that the derived controls refine; each base version does what its comment says.
    virtual void enabledChanged();            // repaint
    virtual void focusChanged(bool gained);   // set focused, or clear focused and pressed
    virtual void leftButtonPressed();         // take the focus, set pressed
    virtual void mouseEntered();              // set hot, repaint, emit mouseEnter()
    virtual void mouseLeft();                 // clear hot, repaint, emit mouseLeave()
    virtual void mouseMoved(QMouseEvent *event);
    virtual void mouseReleased();             // clear pressed, repaint
    virtual void parentColorChanged();        // repaint
    virtual void sizeChanged();
    virtual void textChanged();               // repaint
    virtual void otherActiveChanged();        // repaint

    // Follows the pointer: entering or leaving runs mouseEntered() or mouseLeft().
    void setHot(bool hot);
    // Changes the hot state alone, as the keyboard does, without the mouse notifications.
    void setHotState(bool hot);
    void setPressed(bool pressed);

    // Whether the current press began with the keyboard rather than the mouse.
    [[nodiscard]] bool isKeyboardPress() const { return m_keyboardPress; }
    void setKeyboardPress(bool keyboard) { m_keyboardPress = keyboard; }

    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void recomputeOtherActive();

    QMetaObject::Connection m_focusConnection;
    QString m_text;
    int m_modalResult = 0;
    bool m_hot = false;
    bool m_focused = false;
    bool m_pressed = false;
    bool m_otherActive = false;
    bool m_keyboardPress = false;
    // A left press began on the control; its release inside clicks.
    bool m_clickArmed = false;
};
