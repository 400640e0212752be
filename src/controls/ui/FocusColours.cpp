#include "controls/ui/FocusColours.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
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
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
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
