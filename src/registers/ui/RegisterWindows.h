#pragma once

#include "registers/CustomerRequest.h"

#include <QObject>
#include <QPointer>

struct AppContext;
class QWidget;
class TfDadosCli;
class TfDadosPro;
class TfManut_Cli;
class TfManutPro;
class TfPrincipal;

// Owns the register windows of the run: each is made the first time it is
// needed, lives with the main window and is reused afterwards. The main menu
// opens the lists; order entry opens the customer data window through
// openCustomerData().
class RegisterWindows final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RegisterWindows)
public:
    RegisterWindows(AppContext &ctx, QWidget *mainWindow);
    ~RegisterWindows() override;

    // Makes the registry of the main window and enables the register items of
    // its menu. Calling it again gives the same registry.
    static RegisterWindows &plugInto(TfPrincipal &principal, AppContext &ctx);
    // The registry plugged into a main window; nullptr before plugInto.
    static RegisterWindows *of(QWidget *mainWindow);

    void openCustomers();
    void openProducts();

    // Opens the customer data window modally as the request says and tells
    // how it ended. Adding from order entry hands the new customer's
    // telephone 1 or code back (also through customerHandedBack).
    CustomerDataOutcome openCustomerData(const CustomerRequest &request);

    TfDadosCli &customerData();
    TfManut_Cli &customerList();
    TfDadosPro &productData();
    TfManutPro &productList();

signals:
    void customerHandedBack(const CustomerHandBack &handBack);

private:
    AppContext &m_ctx;
    QWidget *m_main;
    QPointer<TfDadosCli> m_dadosCli;
    QPointer<TfManut_Cli> m_manutCli;
    QPointer<TfDadosPro> m_dadosPro;
    QPointer<TfManutPro> m_manutPro;
};
