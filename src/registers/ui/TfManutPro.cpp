#include "registers/ui/TfManutPro.h"

#include "registers/ProductListDescription.h"
#include "registers/ui/TfDadosPro.h"

#include <QApplication>
#include <QLineEdit>

TfManutPro::TfManutPro(AppContext &ctx, TfDadosPro &data, QWidget *parent)
    : RegisterListWindow(std::make_unique<RecordListLogic>(ctx, productListDescription()), parent), m_data(data)
{
    // The whole search text is selected on entering the field.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == searchField())
            QMetaObject::invokeMethod(searchField(), &QLineEdit::selectAll, Qt::QueuedConnection);
    });
}

void TfManutPro::openData(const QString &modo, const QString &code)
{
    m_data.logic().setModo(modo);
    m_data.logic().setSelectedCode(code);
    m_data.onListChanged = [this] { reloadList(); };
    m_data.exec();
}
