#pragma once

#include <QFocusEvent>

// The focus going to another window or to a popup (a drop-down list, a context
// menu), or coming back from one: the field is neither entered nor left.
inline bool isWindowSwitch(const QFocusEvent *event)
{
    return event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
}
