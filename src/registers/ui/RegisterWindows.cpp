#include "registers/ui/RegisterWindows.h"

#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "registers/ui/TfDadosCli.h"
#include "registers/ui/TfDadosEnt.h"
#include "registers/ui/TfDadosPro.h"
#include "registers/ui/TfDadosReg.h"
#include "registers/ui/TfEmpresa.h"
#include "registers/ui/TfManutEnt.h"
#include "registers/ui/TfManutPro.h"
#include "registers/ui/TfManutReg.h"
#include "registers/ui/TfManut_Cli.h"

namespace {

const char *const kRegistryName = "RegisterWindows";

// The window behind `slot`, made on first use with the main window as parent.
template <class W, class... Args>
W &made(QPointer<W> &slot, Args &&...args)
{
    if (!slot)
        slot = new W(std::forward<Args>(args)...);
    return *slot;
}

} // namespace

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
    principal.setAction(MenuAction::ManutEnt, [registry] { registry->openDeliveryPersons(); });
    principal.setAction(MenuAction::ManutReg, [registry] { registry->openRegions(); });
    principal.setAction(MenuAction::Empresa, [registry] { registry->openCompany(); });
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
    return made(m_manutCli, m_ctx, customerData(), m_main);
}

TfDadosPro &RegisterWindows::productData()
{
    return made(m_dadosPro, m_ctx, m_main);
}

TfManutPro &RegisterWindows::productList()
{
    return made(m_manutPro, m_ctx, productData(), m_main);
}

TfDadosEnt &RegisterWindows::deliveryPersonData()
{
    return made(m_dadosEnt, m_ctx, m_main);
}

TfManutEnt &RegisterWindows::deliveryPersonList()
{
    return made(m_manutEnt, m_ctx, deliveryPersonData(), m_main);
}

TfDadosReg &RegisterWindows::regionData()
{
    return made(m_dadosReg, m_ctx, m_main);
}

TfManutReg &RegisterWindows::regionList()
{
    return made(m_manutReg, m_ctx, regionData(), m_main);
}

TfEmpresa &RegisterWindows::company()
{
    if (!m_empresa) {
        m_empresa = new TfEmpresa(m_ctx, m_main);
        // The header of the main window follows a save at once.
        if (auto *principal = qobject_cast<TfPrincipal *>(m_main))
            connect(m_empresa, &TfEmpresa::companySaved, principal, &TfPrincipal::setCompanyHeader);
    }
    return *m_empresa;
}

void RegisterWindows::openDeliveryPersons()
{
    deliveryPersonList().exec();
}

void RegisterWindows::openRegions()
{
    regionList().exec();
}

void RegisterWindows::openCompany()
{
    company().exec();
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
