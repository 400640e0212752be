#include "controls/ui/TRadioButtonV.h"

#include "controls/ui/ControlFonts.h"

TRadioButtonV::TRadioButtonV(QWidget *parent) : QRadioButton(parent)
{
    setFont(ControlFonts::bold(9));
    setMinimumHeight(25);
}

TRadioButtonV::TRadioButtonV(const QString &caption, QWidget *parent) : TRadioButtonV(parent)
{
    setText(caption);
}
