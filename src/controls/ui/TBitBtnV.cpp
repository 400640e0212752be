#include "controls/ui/TBitBtnV.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/FocusColours.h"

TBitBtnV::TBitBtnV(const QString &caption, QWidget *parent) : TBitBtnV(parent)
{
    setText(caption);
}

TBitBtnV::TBitBtnV(QWidget *parent) : QPushButton(parent)
{
    setFont(ControlFonts::bold(8));
    setFixedHeight(25);
    FocusColours::followFocus(this);
}
