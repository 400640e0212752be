#include "TicketFixture.h"

#include <QDir>
#include <QFileInfo>

void TicketFixture::SetUp()
{
    DatabaseTest::SetUp();
    session.empNome = QStringLiteral("Pizzaria Boa Massa");
    session.empFone = QStringLiteral("(11) 3333-4444");
    session.obs = QStringLiteral("S");
    session.nroLin = QStringLiteral("4");
    clock.set(QDateTime(QDate(2026, 12, 10), QTime(19, 45, 12)));
    db.execute(QStringLiteral(
        "Insert Into Clientes (CLI_Codigo, CLI_Nome, CLI_Ender, CLI_Numero, CLI_Comple, CLI_Bairro, CLI_Cid, "
        "CLI_Fone, CLI_EREFER) Values ('0000000007', 'Maria da Conceição', 'Rua das Palmeiras', '123', "
        "'Apto 12', 'Jardim América', 'São Paulo', '(11) 98765-4321', 'Portão azul ao lado da padaria')"));
    db.execute(QStringLiteral("Insert Into Entregadores (ENT_Codigo, ENT_Nome) Values ('000003', 'João Motoca')"));
    db.execute(QStringLiteral(
        "Insert Into Pedidos (PED_Codigo, PED_Situ, PED_CodCli, PED_Data, PED_Hora, PED_Total, PED_Desconto, "
        "PED_CodEnt, PED_VEnt, PED_QEnt, PED_DataS, PED_HoraS, PED_DataT, PED_HoraT, PED_VPago, PED_Troco) Values "
        "('00000042', 'S', '0000000007', '2026-12-10', '19:30:00', 0, 2.00, '000003', 5.00, 1, '2026-12-10', "
        "'19:50:00', Null, Null, 100.00, 0)"));
}

void TicketFixture::addItem(const QString &code, const QString &description, const char *quant, const char *valor,
                            const QString &obs)
{
    const QString padded = code.rightJustified(10, u' ');
    db.execute(QStringLiteral("Update or Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_Ativo) "
                              "Values (:c, :d, 'S') Matching (PRO_Codigo)"),
               {{QStringLiteral("c"), padded}, {QStringLiteral("d"), description}});
    db.execute(QStringLiteral("Insert Into IPedidos (IPD_CodPed, IPD_Sequen, IPD_CodPro, IPD_Quant, IPD_Valor, "
                              "IPD_Obs, IPD_CodInt) Values ('00000042', :s, :c, :q, :v, :o, :s)"),
               {{QStringLiteral("s"), ++m_sequence},
                {QStringLiteral("c"), padded},
                {QStringLiteral("q"), dec(quant)},
                {QStringLiteral("v"), dec(valor)},
                {QStringLiteral("o"), obs}});
    // The order total follows its items, as order entry keeps it.
    db.execute(QStringLiteral("Update Pedidos Set PED_Total = (Select Sum(IPD_Quant * IPD_Valor) From IPedidos "
                              "Where IPD_CodPed = '00000042') + PED_VEnt * PED_QEnt - PED_Desconto "
                              "Where PED_Codigo = '00000042'"));
}

void TicketFixture::addItems(int count)
{
    for (int i = 1; i <= count; ++i)
        addItem(QString::number(i), QStringLiteral("Produto %1").arg(i), "1", "10.00");
}

void TicketFixture::set(const QString &assignments, const Params &params)
{
    db.execute(QStringLiteral("Update Pedidos Set ") + assignments + QStringLiteral(" Where PED_Codigo = '00000042'"),
               params);
}

void TicketFixture::setCustomer(const QString &assignments, const Params &params)
{
    db.execute(QStringLiteral("Update Clientes Set ") + assignments + QStringLiteral(" Where CLI_Codigo = '0000000007'"),
               params);
}

QByteArray TicketFixture::readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString TicketFixture::goldenPath(const QString &name)
{
    return QStringLiteral(VELMORA_SCHEMA_DIR "/../tests/orders/golden/") + name;
}

void TicketFixture::expectGolden(const QString &name, const QByteArray &actual)
{
    const QString path = goldenPath(name);
    if (qEnvironmentVariableIsSet("VELMORA_UPDATE_GOLDEN")) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(actual);
        return;
    }
    const QByteArray expected = readAll(path);
    ASSERT_FALSE(expected.isEmpty()) << "missing golden file " << path.toStdString();
    EXPECT_EQ(actual.toStdString(), expected.toStdString()) << "golden file " << path.toStdString();
}
