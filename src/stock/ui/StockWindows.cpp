#include "stock/ui/StockWindows.h"

#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "orders/ui/TfBusca_Produtos.h"
#include "stock/ui/TfEntrada_Estq.h"
#include "stock/ui/TfManutMovEstq.h"
#include "stock/ui/TfSaida_Estq.h"

StockWindows::StockWindows(AppContext &ctx, QWidget *parent)
    : m_produtos(std::make_unique<TfBusca_Produtos>(ctx, parent)),
      m_entrada(std::make_unique<TfEntrada_Estq>(ctx, *m_produtos, parent)),
      m_saida(std::make_unique<TfSaida_Estq>(ctx, *m_produtos, parent)),
      m_manut(std::make_unique<TfManutMovEstq>(ctx, *m_produtos, parent))
{
}

StockWindows::~StockWindows() = default;

void StockWindows::plugInto(TfPrincipal &principal, AppContext &ctx)
{
    auto made = std::make_shared<std::unique_ptr<StockWindows>>();
    auto windows = [made, main = &principal, context = &ctx]() -> StockWindows & {
        if (!*made)
            *made = std::make_unique<StockWindows>(*context, main);
        return **made;
    };
    principal.setAction(MenuAction::EntradaEstq, [windows] { windows().entrada().exec(); });
    principal.setAction(MenuAction::SaidaEstq, [windows] { windows().saida().exec(); });
    principal.setAction(MenuAction::ManutMovEstq, [windows] { windows().manutMovEstq().exec(); });
}
