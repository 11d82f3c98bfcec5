#include "userinputblocker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

UserInputBlocker::UserInputBlocker(QWidget &allowed)
    : m_allowed(allowed)
{
    QCoreApplication::instance()->installEventFilter(this);
}

UserInputBlocker::~UserInputBlocker()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool UserInputBlocker::eventFilter(QObject *watched, QEvent *event)
{
    return isUserInput(event->type()) && !isAllowed(watched);
}

// Shortcuts go to actions, which belong to no window: they are all blocked.
bool UserInputBlocker::isAllowed(QObject *watched) const
{
    if (const auto *widget = qobject_cast<const QWidget *>(watched))
        return widget->window() == &m_allowed;
    if (const auto *window = qobject_cast<const QWindow *>(watched))
        return window == m_allowed.windowHandle();
    return false;
}
