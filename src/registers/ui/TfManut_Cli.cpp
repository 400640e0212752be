#include "registers/ui/TfManut_Cli.h"

#include "registers/CustomerListDescription.h"
#include "registers/ui/TfDadosCli.h"

TfManut_Cli::TfManut_Cli(AppContext &ctx, TfDadosCli &data, QWidget *parent)
    : RegisterListWindow(std::make_unique<RecordListLogic>(ctx, customerListDescription()), parent), m_data(data)
{
}

void TfManut_Cli::openData(const QString &modo, const QString &code)
{
    CustomerLogic &l = m_data.logic();
    l.setModo(modo);
    l.setOrigem(QStringLiteral("Clientes"));
    l.setChave(QString());
    l.setSelectedCode(code);
    m_data.onListChanged = [this] { reloadList(); };
    m_data.onHandBack = nullptr;
    m_data.exec();
}
