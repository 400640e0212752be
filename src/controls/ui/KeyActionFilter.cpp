#include "controls/ui/KeyActionFilter.h"

#include <QKeyEvent>
#include <QWidget>

KeyActionFilter::KeyActionFilter(QWidget *watched, int key, std::function<void()> action)
    : QObject(watched), m_key(key), m_action(std::move(action))
{
    watched->installEventFilter(this);
}

bool KeyActionFilter::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != m_key)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Claims the key so that a window shortcut on it does not fire instead.
        event->accept();
        return true;
    }
    if (m_action)
        m_action();
    return true;
}
