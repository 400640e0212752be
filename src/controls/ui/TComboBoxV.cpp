#include "controls/ui/TComboBoxV.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/FocusColours.h"

TComboBoxV::TComboBoxV(QWidget *parent) : QComboBox(parent)
{
    setFont(ControlFonts::bold(9));
    setFixedHeight(25);
    FocusColours::followFocus(this);
}
