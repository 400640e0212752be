#include "controls/ui/FocusColours.h"
#include "controls/ui/WindowSwitch.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace FocusColours {

QColor focusColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::ToolTipBase);
}

// The system's window background in the desktop sense: the white ground of
// entry fields and lists, not the grey face of the dialog around them.
QColor normalColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

void paint(QWidget *control, bool focused)
{
    const QColor base = focused ? focusColour() : normalColour();
    const QColor button = focused ? focusColour() : QApplication::palette().color(QPalette::Active, QPalette::Button);
    QPalette pal = control->palette();
    if (pal.color(QPalette::Base) == base && pal.color(QPalette::Button) == button)
        return;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Base, base);
        pal.setColor(group, QPalette::Button, button);
    }
    control->setPalette(pal);
}

namespace {

class FocusFollower final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *control = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::FocusIn) {
            paint(control, true);
        } else if (event->type() == QEvent::FocusOut) {
            if (!isWindowSwitch(static_cast<QFocusEvent *>(event)))
                paint(control, false);
        }
        return false;
    }
};

} // namespace

void followFocus(QWidget *control)
{
    paint(control, control->hasFocus());
    control->installEventFilter(new FocusFollower(control));
}

} // namespace FocusColours
