#pragma once

#include "core/Database.h"
#include "support/TestEnvironment.h"

// A fresh database with helpers to lay out products and read back the
// movements, the cash entries and the stock.
class StockFixture : public DatabaseTest {
protected:
    static QString code(const char *typed) { return QString::fromLatin1(typed).rightJustified(10, u' '); }

    void addProduct(const QString &code, const char *quant, const char *feitoHora = "N", const char *cost = "0",
                    const char *price = "0")
    {
        db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_Unid, PRO_Obs, PRO_Ativo, "
                                  "PRO_PF, PRO_FeitoHora, PRO_Quant, PRO_PCusto, PRO_PVenda, PRO_Margem, PRO_Min, "
                                  "PRO_EMax) Values (:c, 'Produto', 'UN', 'obs', 'S', 'S', :f, :q, :pc, :pv, 0, 1, 9)"),
                   {{"c", code},
                    {"f", QString::fromLatin1(feitoHora)},
                    {"q", *Decimal::parse(QString::fromLatin1(quant))},
                    {"pc", *Decimal::parse(QString::fromLatin1(cost))},
                    {"pv", *Decimal::parse(QString::fromLatin1(price))}});
    }
    QString stock(const QString &code)
    {
        return db.select(QStringLiteral("Select PRO_Quant From Produtos Where PRO_Codigo=:c"), {{"c", code}})
            .first()
            .value(0)
            .toString();
    }
    int count(const char *table)
    {
        return int(db.select(QStringLiteral("Select Count(*) From ") + QString::fromLatin1(table)).first().value(0).toInt());
    }
    // "EE|10.000|25.00|NF1" for each movement, in code order.
    QStringList movements()
    {
        QStringList out;
        const ResultSet rows = db.select(QStringLiteral(
            "Select MOV_CodPro, MOV_Oper, MOV_Quant, MOV_Valor, MOV_Doc, MOV_Data From Mov_Estq Order By MOV_CodInt"));
        for (int i = 0; i < rows.size(); ++i)
            out << QStringList{rows.value(i, 1).toString(), rows.value(i, 2).toString(), rows.value(i, 3).toString(),
                               rows.value(i, 4).toString(), rows.value(i, 5).toString()}
                       .join(u'|');
        return out;
    }
    // "D|Entrada de Produto:    7|25.00|NF1|2026-12-10" for each cash entry, in code order.
    QStringList cash()
    {
        QStringList out;
        const ResultSet rows = db.select(
            QStringLiteral("Select CAI_DC, CAI_Desc, CAI_Valor, CAI_Doc, CAI_Data From Caixa Order By CAI_CodInt"));
        for (int i = 0; i < rows.size(); ++i)
            out << QStringList{rows.value(i, 0).toString(), rows.value(i, 1).toString(), rows.value(i, 2).toString(),
                               rows.value(i, 3).toString(), rows.value(i, 4).toString()}
                       .join(u'|');
        return out;
    }
    QStringList auditLines()
    {
        QStringList out;
        const ResultSet rows = db.select(QStringLiteral("Select LOG_Descricao From LOG"));
        for (int i = 0; i < rows.size(); ++i)
            out << rows.value(i, 0).toString();
        return out;
    }
};
