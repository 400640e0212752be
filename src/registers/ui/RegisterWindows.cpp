#include "registers/ui/RegisterWindows.h"

#include "registers/ui/TfDadosCli.h"
#include "registers/ui/TfDadosPro.h"
#include "registers/ui/TfManutPro.h"
#include "registers/ui/TfManut_Cli.h"

RegisterWindows::RegisterWindows(AppContext &ctx, QWidget *parent)
    : m_dadosCli(std::make_unique<TfDadosCli>(ctx, parent)),
      m_manutCli(std::make_unique<TfManut_Cli>(ctx, *m_dadosCli, parent)),
      m_dadosPro(std::make_unique<TfDadosPro>(ctx, parent)),
      m_manutPro(std::make_unique<TfManutPro>(ctx, *m_dadosPro, parent))
{
}

RegisterWindows::~RegisterWindows() = default;

void RegisterWindows::openCustomers()
{
    m_manutCli->exec();
}

void RegisterWindows::openProducts()
{
    m_manutPro->exec();
}
