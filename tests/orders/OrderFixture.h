#pragma once

#include "core/Database.h"
#include "orders/OrderEntryLogic.h"
#include "support/TestEnvironment.h"

#include <ostream>

inline void PrintTo(const Decimal &d, std::ostream *os) { *os << d.toString(u',').toStdString(); }

// A shop with a stocked soft drink (stock 10), a pizza made on the spot, an
// inactive product, two customers with four telephones each, two regions and
// a delivery person.
class OrderTest : public DatabaseTest {
protected:
    using Kind = MessageService::Kind;

    void SetUp() override
    {
        DatabaseTest::SetUp();
        const char *rows[] = {
            "Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_PVenda, PRO_Quant, PRO_FeitoHora, PRO_Ativo) "
            "Values ('         1', 'Refrigerante', 5.50, 10, 'N', 'S')",
            "Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_PVenda, PRO_Quant, PRO_FeitoHora, PRO_Ativo) "
            "Values ('         2', 'Pizza', 30, 0, 'S', 'S')",
            "Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_PVenda, PRO_Quant, PRO_FeitoHora, PRO_Ativo) "
            "Values ('         3', 'Antigo', 9, 4, 'N', 'N')",
            "Insert Into Clientes (CLI_Codigo, CLI_Nome, CLI_Fone, CLI_Fone2, CLI_Fone3, CLI_Celular, CLI_Ender) "
            "Values ('0000000001', 'Ana', '1111-1111', '2222-2222', '3333-3333', '99999-0001', 'Rua A')",
            "Insert Into Clientes (CLI_Codigo, CLI_Nome, CLI_Fone, CLI_Fone2, CLI_Fone3, CLI_Celular) "
            "Values ('0000000002', 'Bruno', '4444-4444', '', '', '')",
            "Insert Into Regioes (REG_Codigo, REG_Desc, REG_Valor) Values ('000003', 'Centro', 4.50)",
            "Insert Into Regioes (REG_Codigo, REG_Desc, REG_Valor) Values ('000004', 'Vila', 7)",
            "Insert Into Entregadores (ENT_Codigo, ENT_Nome, ENT_Comissao) Values ('000001', 'Pedro', 10)",
        };
        for (const char *sql : rows)
            db.execute(QString::fromUtf8(sql));
    }

    Decimal stock(const char *code)
    {
        return db.select(QStringLiteral("Select PRO_Quant From Produtos Where PRO_Codigo=:c"),
                         {{"c", QString::fromLatin1(code).rightJustified(10, u' ')}}).value(0, 0).toDecimal();
    }
    int count(const QString &sql, const Params &params = {}) { return int(db.select(sql, params).value(0, 0).toInt()); }
    Row order(const QString &code)
    {
        return db.select(QStringLiteral("Select * From Pedidos Where PED_Codigo=:c"), {{"c", code}}).first();
    }
    static Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }
};
