#include "controls/ui/EnterMovesOnFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// Reaches QWidget::focusNextPrevChild, the step a Tab keystroke takes.
struct FocusStep : QWidget {
    using QWidget::focusNextPrevChild;
};

bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

EnterMovesOnFilter::EnterMovesOnFilter(QWidget *window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

bool EnterMovesOnFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (!isEnter(event) || !m_window || !watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    if (target != m_window && !m_window->isAncestorOf(target))
        return false;
    if (event->type() == QEvent::KeyPress)
        (m_window->*(&FocusStep::focusNextPrevChild))(true);
    return true;
}
