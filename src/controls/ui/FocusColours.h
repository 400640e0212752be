#pragma once

#include <QColor>

class QWidget;

// The two colours of an entry control: the system's tooltip background while
// it has the keyboard focus, the system's window background otherwise.
namespace FocusColours {

QColor focusColour();
QColor normalColour();

// Paints the control's background (Base for text areas, Button for combo
// boxes and buttons) in the focus or the normal colour.
void paint(QWidget *control, bool focused);

} // namespace FocusColours
