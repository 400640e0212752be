#include "controls/ui/TCheckBoxV.h"

#include "controls/ui/ControlFonts.h"

TCheckBoxV::TCheckBoxV(QWidget *parent) : QCheckBox(parent)
{
    setFont(ControlFonts::bold(9));
    setMinimumHeight(25);
}

TCheckBoxV::TCheckBoxV(const QString &caption, QWidget *parent) : TCheckBoxV(parent)
{
    setText(caption);
}
