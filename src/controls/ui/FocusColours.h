#pragma once

#include <QColor>

class QWidget;

// The two colours of an entry control: the system's tooltip background while
// it has the keyboard focus, the system's window background otherwise.
namespace FocusColours {

QColor focusColour();
QColor normalColour();

// Paints the control's background (Base for text areas, Button for combo
// boxes and buttons) in the focus colour, or back in the system's own colours.
void paint(QWidget *control, bool focused);

// Paints the control now and then again whenever it gains or loses the focus;
// losing it to another window (a message box, a popup list) keeps the focus colour.
void followFocus(QWidget *control);

} // namespace FocusColours
