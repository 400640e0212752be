#pragma once

#include <QString>
#include <memory>

struct AppContext;
class QWidget;
class TfDadosCli;
class TfDadosPro;
class TfManut_Cli;
class TfManutPro;
class TfPrincipal;

// The customer and product windows, created once and reused for the run. The
// main menu opens the lists ("1.1", "1.3"); order entry uses customerData().
class RegisterWindows {
public:
    RegisterWindows(AppContext &ctx, QWidget *parent);
    ~RegisterWindows();
    RegisterWindows(const RegisterWindows &) = delete;
    RegisterWindows &operator=(const RegisterWindows &) = delete;

    // Enables "Cadastros > Clientes" and "Cadastros > Produtos"; the windows
    // are made the first time either item is chosen and live with the main window.
    static void plugInto(TfPrincipal &principal, AppContext &ctx);

    void openCustomers();
    void openProducts();
    TfDadosCli &customerData() { return *m_dadosCli; }

private:
    std::unique_ptr<TfDadosCli> m_dadosCli;
    std::unique_ptr<TfManut_Cli> m_manutCli;
    std::unique_ptr<TfDadosPro> m_dadosPro;
    std::unique_ptr<TfManutPro> m_manutPro;
};
