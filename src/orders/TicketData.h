#pragma once

#include "core/Decimal.h"
#include "core/ResultSet.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>
#include <vector>

class Database;

// One item line of a ticket.
struct TicketItem {
    QString codPro;
    QString descricao;
    Decimal quant;
    Decimal valor;
    Decimal total; // quantity x unit price, as the database computed it
    QString obs;
};

// Everything a ticket shows of one order: the order row with its delivery
// person's and customer's names, the customer's address and the items.
struct TicketData {
    QString empresa; // the company name of the header
    QString empresaFone;
    QString codigo;
    QDate data;
    QTime hora;
    QString codEnt;
    QString entNome;
    QString codCli;
    QString cliNome;
    Decimal total;
    Decimal desconto;
    Decimal vEnt;
    Decimal qEnt;
    Decimal troco;
    QDate dataS;
    QTime horaS;
    QDate dataT;
    QTime horaT;

    QString fone;
    QString ender;
    QString numero;
    QString bairro;
    QString cid;
    QString comple;
    QString erefer;

    std::vector<TicketItem> items;
    ResultSet itemRows; // the same items as read, for the page report

    // PED_TOTAL + PED_DESCONTO - PED_VENT x PED_QENT, to the cent.
    Decimal valorProdutos() const;
    // PED_QENT x PED_VENT, to the cent.
    Decimal valorEntrega() const;
};

// Reads one order's ticket data. Raises DbError on a database failure.
namespace TicketLoader {

inline const QString kItensSql = QStringLiteral(
    "Select I.*, p.PRO_Codigo, p.PRO_Descricao, i.IPD_QUANT*i.IPD_Valor as IPD_Total From IPedidos I Join Produtos p "
    "on(i.IPD_CodPro=p.PRO_codigo) Where i.IPD_CodPed=:cCodPed");
inline const QString kClienteSql = QStringLiteral("Select * From Clientes Where CLI_Codigo=:cCodCli");

// nullopt when no order has the code.
std::optional<TicketData> load(Database &db, const QString &codPed);

} // namespace TicketLoader
