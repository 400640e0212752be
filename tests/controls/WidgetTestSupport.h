#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Shows a window and makes it the active one, so focus changes behave as
// they do on a desktop (also under the offscreen platform).
inline bool showActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    const bool active = QTest::qWaitForWindowActive(&window);
    QApplication::processEvents();
    return active;
}

// Moves the focus as the operator would, and lets queued focus hand-backs run.
inline void focusBy(QWidget &w, Qt::FocusReason reason = Qt::TabFocusReason)
{
    w.setFocus(reason);
    QApplication::processEvents();
    QApplication::processEvents();
}
