#include "controls/ui/TComboBoxV.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/FocusColours.h"

#include <QFocusEvent>

TComboBoxV::TComboBoxV(QWidget *parent) : QComboBox(parent)
{
    setFont(ControlFonts::bold(9));
    setFixedHeight(25);
    FocusColours::paint(this, false);
}

void TComboBoxV::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    FocusColours::paint(this, true);
}

void TComboBoxV::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        FocusColours::paint(this, false);
}
