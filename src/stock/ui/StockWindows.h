#pragma once

#include <memory>

struct AppContext;
class QWidget;
class TfBusca_Produtos;
class TfEntrada_Estq;
class TfManutMovEstq;
class TfPrincipal;
class TfSaida_Estq;

// The stock entry, exit and movement maintenance windows, made the first time
// one of their menu items is chosen and reused for the run. The three share
// one product lookup, each under its own caller tag.
class StockWindows {
public:
    StockWindows(AppContext &ctx, QWidget *parent);
    ~StockWindows();
    StockWindows(const StockWindows &) = delete;
    StockWindows &operator=(const StockWindows &) = delete;

    // Enables "Movimentação de Estoque > Entrada" / "Saída" and
    // "Utilitários > Manutenção de Movimentação de Estoque".
    static void plugInto(TfPrincipal &principal, AppContext &ctx);

    TfEntrada_Estq &entrada() { return *m_entrada; }
    TfSaida_Estq &saida() { return *m_saida; }
    TfManutMovEstq &manutMovEstq() { return *m_manut; }

private:
    std::unique_ptr<TfBusca_Produtos> m_produtos;
    std::unique_ptr<TfEntrada_Estq> m_entrada;
    std::unique_ptr<TfSaida_Estq> m_saida;
    std::unique_ptr<TfManutMovEstq> m_manut;
};
