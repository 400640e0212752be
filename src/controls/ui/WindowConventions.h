#pragma once

#include <functional>

class QTableView;
class QWidget;

// The conventions shared by the program's windows; each window calls the ones
// that apply to it once, when it is built.
namespace WindowConventions {

// Enter (or Return) in any control of the window moves the focus to the next
// control in tab order, as Tab does, and is swallowed: no line break in a
// memo, no click of the default or focused button. Calling it twice for one
// window changes nothing.
void enterMovesOn(QWidget *window);

// Every line edit, memo, combo box and date or number picker of the window
// shows the focus colour while focused and the normal colour otherwise.
void focusHighlight(QWidget *window);

// F5 pressed in the field runs `open` (the field's lookup dialog).
void f5OpensLookup(QWidget *field, std::function<void()> open);

// Odd rows (first, third, ...) in the focus colour, even rows in the window
// colour; the selected row keeps the selection colours.
void stripedRows(QTableView *view);

// A dialog without close, minimise and maximise buttons, closed only through
// its own "Fechar" (Esc does not close it either, so the close handler always runs).
void noTitleBarButtons(QWidget *dialog);

} // namespace WindowConventions
