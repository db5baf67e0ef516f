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

} // namespace

void showModal(QWidget *window)
{
    std::vector<QPointer<QWidget>> disabled;
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && other->isEnabled()) {
            other->setEnabled(false);
            disabled.emplace_back(other);
        }
    }

    QPointer<QWidget> guard(window);
    QEventLoop loop;
    HideWatcher watcher(window, &loop);
    window->show();
    if (guard && guard->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watcher);

    for (const QPointer<QWidget> &other : disabled) {
        if (other)
            other->setEnabled(true);
    }
}
