#include "core/Database.h"
#include "support/TestEnvironment.h"
#include "workstations/Invariants.h"

#include <QProcess>

namespace {

// One closed order of two units of a stocked product, with its movement,
// its cash credit and its commission: everything in order.
class InvariantsTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        const char *rows[] = {
            "Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_PVenda, PRO_Quant, PRO_FeitoHora, PRO_Ativo) "
            "Values ('         1', 'Refrigerante', 5, 8, 'N', 'S')",
            "Insert Into MOV_ESTQ (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Quant, MOV_Doc) "
            "Values (1, '         1', 'EE', 10, 'NF1')",
            "Insert Into MOV_ESTQ (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Quant, MOV_Doc) "
            "Values (2, '         1', 'SS', 2, '00000001')",
            "Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Data, PED_Total, PED_Desconto, PED_QEnt, PED_VEnt) "
            "Values ('00000001', 'F', '2026-12-01', 11.50, 0.50, 1, 2)",
            "Insert Into IPedidos (IPD_CodPed, IPD_Sequen, IPD_CodPro, IPD_Quant, IPD_Valor, IPD_CodInt) "
            "Values ('00000001', 1, '         1', 2, 5, 2)",
            "Insert Into Caixa (CAI_CodInt, CAI_DC, CAI_Valor, CAI_Doc) Values (1, 'C', 11.50, '00000001')",
            "Insert Into CCE (CCE_CodInt, CCE_CodEnt, CCE_Valor, CCE_Op, CCE_Situ, CCE_Doc) "
            "Values (1, '000001', 0.20, 'P', 'A', '00000001')",
        };
        for (const char *sql : rows)
            db.execute(QString::fromUtf8(sql));
    }

    QStringList failed()
    {
        QStringList names;
        for (const Invariants::Result &r : Invariants::check(db))
            if (!r.passed)
                names << r.name;
        return names;
    }
};

TEST_F(InvariantsTest, ASoundDatabasePasses)
{
    EXPECT_EQ(failed(), QStringList());
}

struct Break {
    const char *what;
    const char *sql;
    const char *invariant;
};

class BrokenInvariantTest : public InvariantsTest, public ::testing::WithParamInterface<Break> {};

TEST_P(BrokenInvariantTest, IsNamed)
{
    db.execute(QString::fromUtf8(GetParam().sql));
    const QString names = failed().join(u'|');
    EXPECT_TRUE(names.contains(QString::fromUtf8(GetParam().invariant))) << names.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, BrokenInvariantTest,
    ::testing::Values(
        Break{"StockWrittenBack", "Update Produtos Set PRO_Quant=9", "estoque de cada produto"},
        Break{"ItemWithoutItsMovement", "Delete From MOV_ESTQ Where MOV_CodInt=2", "exatamente uma saída"},
        Break{"MovementOfAGoneItem", "Delete From IPedidos", "cada saída de pedido com o seu item"},
        Break{"ClosingBookedTwice",
              "Insert Into Caixa (CAI_CodInt, CAI_DC, CAI_Valor, CAI_Doc) Values (2, 'C', 11.50, '00000001')",
              "exatamente um crédito"},
        Break{"CreditOfAnotherTotal", "Update Caixa Set CAI_Valor=12", "igual ao seu total"},
        Break{"CancelledWithoutDebit", "Update Pedidos Set PED_Situ='C'", "exatamente um débito"},
        Break{"OpenOrderWithACredit", "Update Pedidos Set PED_Situ='S'", "nenhum outro pedido"},
        Break{"CommissionTwice", "Insert Into CCE (CCE_CodInt, CCE_Op, CCE_Doc) Values (2, 'P', '00000001')",
              "no máximo uma comissão"},
        Break{"TotalLostItsDiscount", "Update Pedidos Set PED_Total=12", "total de cada pedido"}),
    [](const ::testing::TestParamInfo<Break> &info) { return std::string(info.param.what); });

// The program whole, small, against the real server: two workstations with
// fifty orders each, every check passing.
TEST(WorkstationsServerTest, TwoStationsOfFiftyOrdersPassEveryCheck)
{
    const QString server = qEnvironmentVariable("VELMORA_TEST_SERVER");
    if (server.isEmpty())
        GTEST_SKIP() << "VELMORA_TEST_SERVER is not set; run through scripts/with-firebird-server.sh";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    copyFreshDatabase(dir.path());
    QProcess program;
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QStringLiteral(VELMORA_WORKSTATIONS),
                  {server + u':' + dir.path() + QStringLiteral("/vd.fdb"), QStringLiteral("--stations"),
                   QStringLiteral("2"), QStringLiteral("--orders"), QStringLiteral("50"), QStringLiteral("--seed"),
                   QStringLiteral("7")});
    ASSERT_TRUE(program.waitForFinished(300000));
    const QString output = QString::fromUtf8(program.readAll());
    EXPECT_EQ(program.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral(" passed, 0 failed\n"))) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("\tfalha"))) << output.toStdString();
}

} // namespace
