#include "orders/ui/OrderWindowParts.h"

#include "controls/ui/TEditV.h"
#include "controls/ui/TLabelV.h"

#include <QGridLayout>

namespace OrderWindowParts {

TEditV *readOnlyField(QWidget *parent, Qt::Alignment alignment)
{
    auto *field = new TEditV(parent, alignment);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

void addLabelled(QGridLayout *grid, int row, int column, const QString &label, QWidget *field, int span)
{
    auto *caption = new TLabelV(label, grid->parentWidget());
    caption->setBuddy(field);
    grid->addWidget(caption, row, column);
    grid->addWidget(field, row, column + 1, 1, span);
}

} // namespace OrderWindowParts
