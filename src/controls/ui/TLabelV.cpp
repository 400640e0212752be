#include "controls/ui/TLabelV.h"

#include "controls/ui/ControlFonts.h"

TLabelV::TLabelV(QWidget *parent) : QLabel(parent)
{
    setFont(ControlFonts::bold(9));
    setMinimumHeight(25);
}

TLabelV::TLabelV(const QString &caption, QWidget *parent) : TLabelV(parent)
{
    setText(caption);
}
