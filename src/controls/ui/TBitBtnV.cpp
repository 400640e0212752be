#include "controls/ui/TBitBtnV.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/FocusColours.h"

#include <QFocusEvent>

TBitBtnV::TBitBtnV(const QString &caption, QWidget *parent) : TBitBtnV(parent)
{
    setText(caption);
}

TBitBtnV::TBitBtnV(QWidget *parent) : QPushButton(parent)
{
    setFont(ControlFonts::bold(8));
    setFixedHeight(25);
    FocusColours::paint(this, false);
}

void TBitBtnV::focusInEvent(QFocusEvent *event)
{
    QPushButton::focusInEvent(event);
    FocusColours::paint(this, true);
}

void TBitBtnV::focusOutEvent(QFocusEvent *event)
{
    QPushButton::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        FocusColours::paint(this, false);
}
