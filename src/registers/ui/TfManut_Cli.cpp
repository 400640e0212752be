#include "registers/ui/TfManut_Cli.h"

#include "registers/CustomerListDescription.h"
#include "registers/ui/TfDadosCli.h"

TfManut_Cli::TfManut_Cli(AppContext &ctx, TfDadosCli &data, QWidget *parent)
    : RegisterListWindow(std::make_unique<RecordListLogic>(ctx, customerListDescription()), data, parent),
      m_data(data)
{
}

void TfManut_Cli::openData(Modo modo, const QString &code)
{
    m_data.logic().setRequest(CustomerRequest::fromList(modo, code));
    m_data.exec();
}
