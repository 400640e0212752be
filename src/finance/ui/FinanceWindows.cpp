#include "finance/ui/FinanceWindows.h"

#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "finance/ui/TfDados_Caixa.h"
#include "finance/ui/TfManutCCE.h"
#include "finance/ui/TfManutCaixa.h"
#include "orders/ui/TfBuscaEnt.h"

FinanceWindows::FinanceWindows(AppContext &ctx, QWidget *parent)
    : m_entregadores(std::make_unique<TfBuscaEnt>(ctx, parent)),
      m_manutCCE(std::make_unique<TfManutCCE>(ctx, *m_entregadores, parent)),
      m_dadosCaixa(std::make_unique<TfDados_Caixa>(ctx, parent)),
      m_manutCaixa(std::make_unique<TfManutCaixa>(ctx, *m_dadosCaixa, parent))
{
}

FinanceWindows::~FinanceWindows() = default;

void FinanceWindows::plugInto(TfPrincipal &principal, AppContext &ctx)
{
    auto made = std::make_shared<std::unique_ptr<FinanceWindows>>();
    auto windows = [made, main = &principal, context = &ctx]() -> FinanceWindows & {
        if (!*made)
            *made = std::make_unique<FinanceWindows>(*context, main);
        return **made;
    };
    principal.setAction(MenuAction::ManutCCE, [windows] { windows().manutCCE().exec(); });
    principal.setAction(MenuAction::ManutCaixa, [windows] { windows().manutCaixa().exec(); });
}
