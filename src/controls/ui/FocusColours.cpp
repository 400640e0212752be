#include "controls/ui/FocusColours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace FocusColours {

QColor focusColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::ToolTipBase);
}

QColor normalColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Window);
}

void paint(QWidget *control, bool focused)
{
    const QColor colour = focused ? focusColour() : normalColour();
    QPalette pal = control->palette();
    if (pal.color(QPalette::Base) == colour && pal.color(QPalette::Button) == colour)
        return;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Base, colour);
        pal.setColor(group, QPalette::Button, colour);
    }
    control->setPalette(pal);
}

} // namespace FocusColours
