#include "controls/ui/TMemoV.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/FocusColours.h"

#include <QFocusEvent>

TMemoV::TMemoV(QWidget *parent) : QPlainTextEdit(parent)
{
    setFont(ControlFonts::entry());
    resize(width(), 25);
    FocusColours::paint(this, false);
}

void TMemoV::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    FocusColours::paint(this, true);
}

void TMemoV::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        FocusColours::paint(this, false);
}
