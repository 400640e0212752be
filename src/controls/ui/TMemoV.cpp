#include "controls/ui/TMemoV.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/FocusColours.h"

TMemoV::TMemoV(QWidget *parent) : QPlainTextEdit(parent)
{
    setFont(ControlFonts::entry());
    resize(width(), 25);
    FocusColours::followFocus(this);
}
