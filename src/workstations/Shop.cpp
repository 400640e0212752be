#include "workstations/Shop.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/RecordDataLogic.h"
#include "registers/CustomerLogic.h"
#include "registers/DeliveryPersonRegister.h"
#include "registers/ProductLogic.h"
#include "registers/RegionRegister.h"
#include "stock/StockEntryLogic.h"

namespace {

constexpr int kCustomers = 6;
constexpr int kDeliveryPersons = 3;
constexpr int kRegions = 4;
constexpr int kProducts = 20;
constexpr int kMadeOnTheSpot = 4; // the last products are made on the spot

bool saveRecord(RecordDataLogic &logic, const QList<std::pair<QString, QString>> &typed, QString &failure)
{
    for (const auto &[column, text] : typed)
        logic.setTyped(column, text);
    if (logic.save().saved)
        return true;
    failure = QStringLiteral("cadastro recusado: ") + typed.value(1).second;
    return false;
}

// A record added as the data window does: the proposed code, then the fields.
bool addRecord(RecordDataLogic &logic, const QList<std::pair<QString, QString>> &typed, QString &failure)
{
    logic.open(Modo::Inclui, {});
    logic.prepare();
    logic.enterCode();
    if (!logic.leaveCode()) {
        failure = QStringLiteral("código recusado");
        return false;
    }
    return saveRecord(logic, typed, failure);
}

} // namespace

bool Shop::fill(AppContext &ctx, Shop &shop, QString &failure)
{
    CustomerLogic customer(ctx);
    for (int i = 1; i <= kCustomers; ++i) {
        const QString fone = QStringLiteral("3%1-%2").arg(i, 3, 10, QLatin1Char('0')).arg(1000 + i);
        customer.setRequest(CustomerRequest::fromList(Modo::Inclui, {}));
        customer.prepare();
        customer.enterCode();
        if (!customer.leaveCode() ||
            !saveRecord(customer, {{QStringLiteral("CLI_FONE"), fone}, {QStringLiteral("CLI_NOME"), QStringLiteral("Cliente %1").arg(i)},
                                   {QStringLiteral("CLI_ENDER"), QStringLiteral("Rua %1").arg(i)}}, failure))
            return false;
        shop.telephones << fone;
    }
    RecordDataLogic person(ctx, DeliveryPersonRegister::data());
    for (int i = 1; i <= kDeliveryPersons; ++i) {
        if (!addRecord(person, {{QStringLiteral("ENT_COMISSAO"), QStringLiteral("%1,50").arg(5 + i)},
                                {QStringLiteral("ENT_NOME"), QStringLiteral("Entregador %1").arg(i)}}, failure))
            return false;
        shop.deliveryPersons << QString::number(i);
    }
    RecordDataLogic region(ctx, RegionRegister::data());
    for (int i = 1; i <= kRegions; ++i) {
        if (!addRecord(region, {{QStringLiteral("REG_VALOR"), QStringLiteral("%1,25").arg(2 + i)},
                                {QStringLiteral("REG_DESC"), QStringLiteral("Região %1").arg(i)}}, failure))
            return false;
        shop.regions << QString::number(i);
    }
    ProductLogic product(ctx);
    for (int i = 1; i <= kProducts; ++i) {
        const bool stocked = i <= kProducts - kMadeOnTheSpot;
        product.open(Modo::Inclui, {});
        product.prepare();
        product.setTyped(QStringLiteral("PRO_CODIGO"), QString::number(i));
        if (!product.leaveCode()) {
            failure = QStringLiteral("código de produto recusado");
            return false;
        }
        product.setTyped(QStringLiteral("PRO_PCUSTO"), QStringLiteral("R$ %1,40").arg(2 + i));
        product.setTyped(QStringLiteral("PRO_MARGEM"), QStringLiteral("50,00%"));
        product.leaveMargin();
        product.values().setYes(QStringLiteral("PRO_PF"), !stocked);
        product.leaveOwnProduct();
        product.values().setYes(QStringLiteral("PRO_FEITOHORA"), !stocked);
        if (!saveRecord(product, {{QStringLiteral("PRO_UNID"), QStringLiteral("UN")},
                                  {QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Produto %1").arg(i)}}, failure))
            return false;
        shop.products << QString::number(i);
        if (stocked)
            shop.stockedProducts << QString::number(i);
    }
    StockEntryLogic entry(ctx);
    for (const QString &code : shop.stockedProducts) {
        entry.clear();
        entry.code = code;
        if (!entry.leaveCode()) {
            failure = QStringLiteral("produto sem entrada: ") + code;
            return false;
        }
        entry.quantity = QStringLiteral("5000");
        entry.document = QStringLiteral("ABERTURA");
        if (!entry.save()) {
            failure = QStringLiteral("entrada de abertura recusada: ") + code;
            return false;
        }
    }
    return true;
}

Shop Shop::read(AppContext &ctx)
{
    Shop shop;
    const ResultSet customers = ctx.db.select(QStringLiteral("Select CLI_Fone From Clientes Order By CLI_Codigo"));
    for (int i = 0; i < customers.size(); ++i)
        shop.telephones << customers.value(i, 0).toString();
    const ResultSet persons = ctx.db.select(QStringLiteral("Select ENT_Codigo From Entregadores Order By ENT_Codigo"));
    for (int i = 0; i < persons.size(); ++i)
        shop.deliveryPersons << persons.value(i, 0).toString();
    const ResultSet regions = ctx.db.select(QStringLiteral("Select REG_Codigo From Regioes Order By REG_Codigo"));
    for (int i = 0; i < regions.size(); ++i)
        shop.regions << regions.value(i, 0).toString();
    const ResultSet products =
        ctx.db.select(QStringLiteral("Select PRO_Codigo, PRO_FeitoHora From Produtos Order By PRO_Codigo"));
    for (int i = 0; i < products.size(); ++i) {
        const QString code = products.value(i, 0).toString().trimmed();
        shop.products << code;
        if (products.value(i, 1).toString() == u"N")
            shop.stockedProducts << code;
    }
    return shop;
}
