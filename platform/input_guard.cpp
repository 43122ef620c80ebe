#include "platform/input_guard.h"

#include "platform/form.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace platform {
namespace {

class Filter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override;

    int depth = 0;
    std::vector<QPointer<QWidget>> widgets;
    std::vector<QPointer<QAction>> actions;
    std::vector<QPointer<QWidget>> closable;
};

Filter &filter()
{
    static Filter f;
    return f;
}

bool userInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close: return true;
    default: return false;
    }
}

template <class T> void add(std::vector<QPointer<T>> &list, T *item)
{
    std::erase_if(list, [](const QPointer<T> &p) { return p.isNull(); });
    list.emplace_back(item);
}

template <class T> bool contains(const std::vector<QPointer<T>> &list, const T *item)
{
    return std::any_of(list.begin(), list.end(), [item](const QPointer<T> &p) { return p == item; });
}

bool Filter::eventFilter(QObject *watched, QEvent *event)
{
    if (depth == 0 || ProgramClosing() || !userInput(event->type()) || !watched->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(watched);

    // Boxes and dialogs that the exchange itself shows are modal: they must stay usable, close box
    // included.
    if (QWidget *window = w->window();
        window->windowModality() != Qt::NonModal || qobject_cast<QDialog *>(window))
        return false;

    // Only the user's closes are held back; the program closes its own windows as it needs. A close
    // event left accepted still closes the window, even when no one received it: refuse it as well.
    if (event->type() == QEvent::Close) {
        if (!event->spontaneous() || contains(closable, w))
            return false;
        event->ignore();
        return true;
    }

    for (QWidget *p = w; p; p = p->parentWidget())
        if (contains(widgets, p))
            return false;

    // A menu bar passes clicks on its allowed entries only.
    if (auto *bar = qobject_cast<QMenuBar *>(w)) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            const QAction *a = bar->actionAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            return !(a && contains(actions, a));
        }
    }
    return true;
}

} // namespace

InputGuard::InputGuard()
{
    Filter &f = filter();
    if (f.depth++ == 0 && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(&f);
}

InputGuard::~InputGuard()
{
    Filter &f = filter();
    if (--f.depth == 0 && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(&f);
}

bool InputGuard::Active()
{
    return filter().depth > 0;
}

void InputGuard::AllowWidget(QWidget *widget)
{
    add(filter().widgets, widget);
}

void InputGuard::AllowAction(QAction *action)
{
    add(filter().actions, action);
}

void InputGuard::AllowClose(QWidget *window)
{
    add(filter().closable, window);
}

} // namespace platform
