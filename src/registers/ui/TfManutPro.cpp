#include "registers/ui/TfManutPro.h"

#include "registers/ProductListDescription.h"
#include "registers/ui/TfDadosPro.h"

#include <QApplication>
#include <QLineEdit>

TfManutPro::TfManutPro(AppContext &ctx, TfDadosPro &data, QWidget *parent)
    : RegisterListWindow(std::make_unique<RecordListLogic>(ctx, productListDescription()), data, parent)
{
    // The whole search text is selected on entering the field.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == searchField())
            QMetaObject::invokeMethod(searchField(), &QLineEdit::selectAll, Qt::QueuedConnection);
    });
}
