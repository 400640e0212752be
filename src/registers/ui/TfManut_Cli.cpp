#include "registers/ui/TfManut_Cli.h"

#include "registers/CustomerListDescription.h"
#include "registers/ui/TfDadosCli.h"

TfManut_Cli::TfManut_Cli(AppContext &ctx, TfDadosCli &data, QWidget *parent)
    : RegisterListWindow(std::make_unique<RecordListLogic>(ctx, customerListDescription()), parent), m_data(data)
{
    connect(&m_data, &TfDadosCli::listChanged, this, [this] {
        if (isVisible())
            reloadList();
    });
}

void TfManut_Cli::openData(const QString &modo, const QString &code)
{
    m_data.logic().setRequest(CustomerRequest::fromList(RecordMode::fromText(modo), code));
    m_data.exec();
}
