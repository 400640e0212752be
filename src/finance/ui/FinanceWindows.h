#pragma once

#include <memory>

struct AppContext;
class QWidget;
class TfBuscaEnt;
class TfDados_Caixa;
class TfManutCaixa;
class TfManutCCE;
class TfPrincipal;

// The commission and cash-flow windows, made the first time one of their menu
// items is chosen and reused for the run.
class FinanceWindows {
public:
    FinanceWindows(AppContext &ctx, QWidget *parent);
    ~FinanceWindows();
    FinanceWindows(const FinanceWindows &) = delete;
    FinanceWindows &operator=(const FinanceWindows &) = delete;

    // Enables "Comissão Entregadores" ("4") and "Fluxo de Caixa" ("5").
    static void plugInto(TfPrincipal &principal, AppContext &ctx);

    TfManutCCE &manutCCE() { return *m_manutCCE; }
    TfManutCaixa &manutCaixa() { return *m_manutCaixa; }
    TfDados_Caixa &dadosCaixa() { return *m_dadosCaixa; }

private:
    std::unique_ptr<TfBuscaEnt> m_entregadores;
    std::unique_ptr<TfManutCCE> m_manutCCE;
    std::unique_ptr<TfDados_Caixa> m_dadosCaixa;
    std::unique_ptr<TfManutCaixa> m_manutCaixa;
};
