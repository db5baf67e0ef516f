// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "modalshow.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace {

// Ends the nested loop when the window is hidden (closing hides it) or destroyed.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget *window, QEventLoop *loop)
        : m_loop(loop)
    {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, loop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous())
            m_loop->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop *m_loop;
};

// Enables again, however the showing ends (an exception included), the windows it disabled.
class DisabledWindows {
public:
    explicit DisabledWindows(const QWidget *except)
    {
        for (QWidget *other : QApplication::topLevelWidgets()) {
            if (other != except && other->isVisible() && other->isEnabled()) {
                other->setEnabled(false);
                m_windows.emplace_back(other);
            }
        }
    }
    ~DisabledWindows()
    {
        for (const QPointer<QWidget> &other : m_windows) {
            if (other)
                other->setEnabled(true);
        }
    }
    DisabledWindows(const DisabledWindows &) = delete;
    DisabledWindows &operator=(const DisabledWindows &) = delete;

private:
    std::vector<QPointer<QWidget>> m_windows;
};

} // namespace

void showModal(QWidget *window)
{
    const DisabledWindows disabled(window);
    QPointer<QWidget> guard(window);
    QEventLoop loop;
    HideWatcher watcher(window, &loop);
    window->show();
    if (guard && guard->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watcher);
}
