#pragma once

#include "controls/ui/WindowSwitch.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

// Calls back when a widget gets or loses the focus (the entering and leaving
// rules of the data windows). The focus going to another window or to a popup
// (a choice's drop-down list, a context menu) and coming back from it is not
// entering or leaving the field.
class FocusWatch final : public QObject {
public:
    static void onEnter(QWidget *w, std::function<void()> f) { w->installEventFilter(new FocusWatch(w, QEvent::FocusIn, std::move(f))); }
    static void onLeave(QWidget *w, std::function<void()> f) { w->installEventFilter(new FocusWatch(w, QEvent::FocusOut, std::move(f))); }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != m_type || !m_f)
            return false;
        if (!isWindowSwitch(static_cast<QFocusEvent *>(event)))
            m_f();
        return false;
    }

private:
    FocusWatch(QObject *parent, QEvent::Type type, std::function<void()> f) : QObject(parent), m_type(type), m_f(std::move(f)) {}
    QEvent::Type m_type;
    std::function<void()> m_f;
};
