#include "registers/ui/RegisterWindows.h"

#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "registers/ui/TfDadosCli.h"
#include "registers/ui/TfDadosPro.h"
#include "registers/ui/TfManutPro.h"
#include "registers/ui/TfManut_Cli.h"

namespace {
const char *const kRegistryName = "RegisterWindows";
}

RegisterWindows::RegisterWindows(AppContext &ctx, QWidget *mainWindow)
    : QObject(mainWindow), m_ctx(ctx), m_main(mainWindow)
{
    setObjectName(QString::fromLatin1(kRegistryName));
}

// The windows are children of the main window, which deletes them.
RegisterWindows::~RegisterWindows() = default;

RegisterWindows &RegisterWindows::plugInto(TfPrincipal &principal, AppContext &ctx)
{
    RegisterWindows *registry = of(&principal);
    if (!registry)
        registry = new RegisterWindows(ctx, &principal);
    principal.setAction(MenuAction::ManutCli, [registry] { registry->openCustomers(); });
    principal.setAction(MenuAction::ManutPro, [registry] { registry->openProducts(); });
    return *registry;
}

RegisterWindows *RegisterWindows::of(QWidget *mainWindow)
{
    return mainWindow ? mainWindow->findChild<RegisterWindows *>(QString::fromLatin1(kRegistryName),
                                                                  Qt::FindDirectChildrenOnly)
                      : nullptr;
}

TfDadosCli &RegisterWindows::customerData()
{
    if (!m_dadosCli) {
        m_dadosCli = new TfDadosCli(m_ctx, m_main);
        connect(m_dadosCli, &TfDadosCli::handedBack, this, &RegisterWindows::customerHandedBack);
    }
    return *m_dadosCli;
}

TfManut_Cli &RegisterWindows::customerList()
{
    if (!m_manutCli)
        m_manutCli = new TfManut_Cli(m_ctx, customerData(), m_main);
    return *m_manutCli;
}

TfDadosPro &RegisterWindows::productData()
{
    if (!m_dadosPro)
        m_dadosPro = new TfDadosPro(m_ctx, m_main);
    return *m_dadosPro;
}

TfManutPro &RegisterWindows::productList()
{
    if (!m_manutPro)
        m_manutPro = new TfManutPro(m_ctx, productData(), m_main);
    return *m_manutPro;
}

void RegisterWindows::openCustomers()
{
    customerList().exec();
}

void RegisterWindows::openProducts()
{
    productList().exec();
}

CustomerDataOutcome RegisterWindows::openCustomerData(const CustomerRequest &request)
{
    TfDadosCli &data = customerData();
    CustomerDataOutcome outcome;
    const auto handBack = connect(&data, &TfDadosCli::handedBack, this,
                                  [&outcome](const CustomerHandBack &h) { outcome.handBack = h; });
    data.logic().setRequest(request);
    outcome.saved = data.exec() == QDialog::Accepted;
    disconnect(handBack);
    return outcome;
}
