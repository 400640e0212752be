#include "controls/ui/WindowConventions.h"

#include "controls/ui/EnterMovesOnFilter.h"
#include "controls/ui/FocusColours.h"
#include "controls/ui/FocusHighlighter.h"
#include "controls/ui/KeyActionFilter.h"

#include <QTableView>
#include <QWidget>

namespace WindowConventions {

void enterMovesOn(QWidget *window)
{
    if (window->findChild<EnterMovesOnFilter *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    new EnterMovesOnFilter(window);
}

void focusHighlight(QWidget *window)
{
    if (window->findChild<FocusHighlighter *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    new FocusHighlighter(window);
}

void f5OpensLookup(QWidget *field, std::function<void()> open)
{
    new KeyActionFilter(field, Qt::Key_F5, std::move(open));
}

void stripedRows(QTableView *view)
{
    QPalette pal = view->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, FocusColours::focusColour());
        pal.setColor(group, QPalette::AlternateBase, FocusColours::normalColour());
    }
    view->setPalette(pal);
    view->setAlternatingRowColors(true);
}

void noTitleBarButtons(QWidget *dialog)
{
    const bool visible = dialog->isVisible();
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (visible)
        dialog->show();
    new KeyActionFilter(dialog, Qt::Key_Escape, {});
}

} // namespace WindowConventions
