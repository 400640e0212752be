#include "registers/ui/RegisterWindows.h"

#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
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

void RegisterWindows::plugInto(TfPrincipal &principal, AppContext &ctx)
{
    auto made = std::make_shared<std::unique_ptr<RegisterWindows>>();
    auto windows = [made, main = &principal, context = &ctx]() -> RegisterWindows & {
        if (!*made)
            *made = std::make_unique<RegisterWindows>(*context, main);
        return **made;
    };
    principal.setAction(MenuAction::ManutCli, [windows] { windows().openCustomers(); });
    principal.setAction(MenuAction::ManutPro, [windows] { windows().openProducts(); });
}

void RegisterWindows::openCustomers()
{
    m_manutCli->exec();
}

void RegisterWindows::openProducts()
{
    m_manutPro->exec();
}
