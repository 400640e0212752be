#include "workstations/Invariants.h"

#include "core/Database.h"
#include "orders/OrderFigures.h"
#include "orders/OrderStore.h"

#include <QStringList>

namespace {

// Rows a query finds are the offences; none passes.
Invariants::Result noRows(Database &db, const QString &name, const QString &sql)
{
    const ResultSet rows = db.select(sql);
    QStringList shown;
    for (int i = 0; i < rows.size() && i < 5; ++i) {
        QStringList values;
        for (int c = 0; c < int(rows.columns().size()); ++c)
            values << rows.value(i, c).toString();
        shown << values.join(u'/');
    }
    QString detail;
    if (!rows.isEmpty())
        detail = QStringLiteral("%1 ocorrências: %2").arg(rows.size()).arg(shown.join(QStringLiteral("; ")));
    return {name, rows.isEmpty(), detail};
}

Invariants::Result distinctCodes(Database &db, const QString &name, const QString &table, const QString &column)
{
    return noRows(db, name,
                  QStringLiteral("Select %1, Count(*) From %2 Group By %1 Having Count(*) > 1").arg(column, table));
}

// The order's total as its rows make it: items, plus delivery, minus discount.
Invariants::Result totals(Database &db)
{
    const ResultSet orders = db.select(
        QStringLiteral("Select PED_Codigo, PED_Total, PED_QEnt, PED_VEnt, PED_Desconto From Pedidos "
                       "Where PED_Situ In ('A','E','S','F') And PED_Data Is Not Null"));
    QStringList wrong;
    for (int i = 0; i < orders.size(); ++i) {
        const QString code = orders.value(i, 0).toString();
        const Decimal items = OrderStore::itemsTotal(db, code);
        const Decimal delivery = OrderFigures::deliveryTotal(orders.value(i, 2).toDecimal(), orders.value(i, 3).toDecimal());
        const Decimal expected = OrderFigures::orderTotal(items, delivery, OrderFigures::money(orders.value(i, 4).toDecimal()));
        const Decimal stored = orders.value(i, 1).toDecimal();
        if (!(stored == expected))
            wrong << QStringLiteral("%1 (%2 ≠ %3)").arg(code, stored.toString(u','), expected.toString(u','));
    }
    QString detail;
    if (!wrong.isEmpty())
        detail = QStringLiteral("%1 ocorrências: %2").arg(wrong.size()).arg(wrong.mid(0, 5).join(QStringLiteral("; ")));
    return {QStringLiteral("total de cada pedido = itens + entrega - desconto"), wrong.isEmpty(), detail};
}

} // namespace

std::vector<Invariants::Result> Invariants::check(Database &db)
{
    // Cash entries of an order: the credit of its closing and the debit of a closed order cancelled.
    const QString cash = QStringLiteral(
        "Select p.PED_Codigo, p.PED_Situ, p.PED_Data, "
        "(Select Count(*) From Caixa c Where c.CAI_Doc=p.PED_Codigo And c.CAI_DC='C') as Creditos, "
        "(Select Count(*) From Caixa c Where c.CAI_Doc=p.PED_Codigo And c.CAI_DC='D') as Debitos "
        "From Pedidos p");
    return {
        distinctCodes(db, QStringLiteral("códigos de pedido distintos"), QStringLiteral("Pedidos"), QStringLiteral("PED_Codigo")),
        distinctCodes(db, QStringLiteral("códigos de movimento distintos"), QStringLiteral("MOV_ESTQ"), QStringLiteral("MOV_CodInt")),
        distinctCodes(db, QStringLiteral("códigos de caixa distintos"), QStringLiteral("Caixa"), QStringLiteral("CAI_CodInt")),
        distinctCodes(db, QStringLiteral("códigos de comissão distintos"), QStringLiteral("CCE"), QStringLiteral("CCE_CodInt")),
        noRows(db, QStringLiteral("estoque de cada produto = entradas - saídas"),
               QStringLiteral("Select p.PRO_Codigo, p.PRO_Quant, s.Saldo From Produtos p "
                              "Left Join (Select MOV_CodPro, Sum(Case When MOV_Oper='EE' Then MOV_Quant Else -MOV_Quant End) "
                              "as Saldo From MOV_ESTQ Group By MOV_CodPro) s On s.MOV_CodPro=p.PRO_Codigo "
                              "Where p.PRO_FeitoHora='N' And p.PRO_Quant <> Coalesce(s.Saldo, 0)")),
        noRows(db, QStringLiteral("cada item de pedido não cancelado com exatamente uma saída \"SS\""),
               QStringLiteral("Select i.IPD_CodPed, i.IPD_Sequen, p.PED_Situ, (Select Count(*) From MOV_ESTQ m "
                              "Where m.MOV_CodInt=i.IPD_CodInt And m.MOV_Oper='SS' And m.MOV_Doc=i.IPD_CodPed) as Saidas "
                              "From IPedidos i Join Pedidos p On p.PED_Codigo=i.IPD_CodPed "
                              "Where (Select Count(*) From MOV_ESTQ m Where m.MOV_CodInt=i.IPD_CodInt And m.MOV_Oper='SS' "
                              "And m.MOV_Doc=i.IPD_CodPed) <> Case When p.PED_Situ='C' Then 0 Else 1 End")),
        noRows(db, QStringLiteral("cada saída de pedido com o seu item"),
               QStringLiteral("Select m.MOV_CodInt, m.MOV_Doc From MOV_ESTQ m "
                              "Where m.MOV_Oper='SS' And Exists (Select 1 From Pedidos p Where p.PED_Codigo=m.MOV_Doc) "
                              "And Not Exists (Select 1 From IPedidos i Where i.IPD_CodInt=m.MOV_CodInt "
                              "And i.IPD_CodPed=m.MOV_Doc And i.IPD_CodPro=m.MOV_CodPro And i.IPD_Quant=m.MOV_Quant)")),
        noRows(db, QStringLiteral("pedido fechado com exatamente um crédito no caixa"),
               QStringLiteral("Select * From (%1) x Where x.PED_Situ='F' And "
                              "(x.PED_Data Is Not Null And Not (x.Creditos=1 And x.Debitos=0) "
                              "Or x.PED_Data Is Null And x.Creditos + x.Debitos > 0)").arg(cash)),
        noRows(db, QStringLiteral("pedido cancelado depois de fechado com exatamente um débito"),
               QStringLiteral("Select * From (%1) x Where x.PED_Situ='C' And Not (x.Creditos=x.Debitos And x.Creditos <= 1)")
                   .arg(cash)),
        noRows(db, QStringLiteral("nenhum outro pedido com crédito ou débito"),
               QStringLiteral("Select * From (%1) x Where x.PED_Situ In ('A','E','S') And x.Creditos + x.Debitos > 0")
                   .arg(cash)),
        noRows(db, QStringLiteral("crédito do pedido fechado igual ao seu total, débito igual ao crédito"),
               QStringLiteral("Select p.PED_Codigo, p.PED_Total, c.CAI_Valor, d.CAI_Valor From Pedidos p "
                              "Join Caixa c On c.CAI_Doc=p.PED_Codigo And c.CAI_DC='C' "
                              "Left Join Caixa d On d.CAI_Doc=p.PED_Codigo And d.CAI_DC='D' "
                              "Where c.CAI_Valor <> p.PED_Total Or d.CAI_Valor <> c.CAI_Valor")),
        noRows(db, QStringLiteral("no máximo uma comissão por pedido"),
               QStringLiteral("Select CCE_Doc, Count(*) From CCE Where CCE_Op='P' Group By CCE_Doc Having Count(*) > 1")),
        noRows(db, QStringLiteral("comissão só de pedido que foi fechado"),
               QStringLiteral("Select c.CCE_Doc From CCE c Where c.CCE_Op='P' And Not Exists (Select 1 From Pedidos p "
                              "Join Caixa k On k.CAI_Doc=p.PED_Codigo And k.CAI_DC='C' Where p.PED_Codigo=c.CCE_Doc)")),
        totals(db),
    };
}
