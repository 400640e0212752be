#include "core/Database.h"
#include "core/ResultSetModel.h"
#include "orders/LookupDescriptions.h"
#include "orders/LookupLogic.h"
#include "support/TestEnvironment.h"

#include <QAbstractItemModelTester>

namespace {

class LookupTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        const char *rows[] = {
            "Insert Into Clientes (CLI_Codigo, CLI_Nome) Values ('0000000012', 'Maria Silva')",
            "Insert Into Clientes (CLI_Codigo, CLI_Nome) Values ('0000000003', 'Ana Souza')",
            "Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_Ativo) Values ('        77', 'Pizza', 'S')",
            "Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_Ativo) Values ('         5', 'Bolo', 'S')",
            "Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_Ativo) Values ('         1', 'Antigo', 'N')",
            "Insert Into Entregadores (ENT_Codigo, ENT_Nome) Values ('000005', 'Pedro')",
            "Insert Into Entregadores (ENT_Codigo, ENT_Nome) Values ('000001', 'Zeca')",
            "Insert Into Regioes (REG_Codigo, REG_Desc, REG_Valor) Values ('000002', 'Centro', 4.5)",
            "Insert Into Regioes (REG_Codigo, REG_Desc, REG_Valor) Values ('000010', 'Boa Vista', 6)",
        };
        for (const char *sql : rows)
            db.execute(QString::fromUtf8(sql));
    }
};

ListDescription describe(const std::string &which)
{
    if (which == "clientes")
        return LookupDescriptions::clientes();
    if (which == "produtos")
        return LookupDescriptions::produtos();
    if (which == "entregadores")
        return LookupDescriptions::entregadores();
    return LookupDescriptions::regioes();
}

TEST_F(LookupTest, SearchNormalisesCodesAndMatchesCaseSensitivePrefixes)
{
    struct Case {
        std::string lookup;
        bool byCode;
        QString typed;
        QString shownAfter; // the search field after "Busca"
        QString selected;   // code selected afterwards
    };
    const Case cases[] = {
        {"clientes", true, QStringLiteral("12"), QStringLiteral("0000000012"), QStringLiteral("0000000012")},
        {"produtos", true, QStringLiteral("77"), QStringLiteral("        77"), QStringLiteral("        77")},
        {"entregadores", true, QStringLiteral(" 5 "), QStringLiteral("000005"), QStringLiteral("000005")},
        {"regioes", true, QStringLiteral("10"), QStringLiteral("000010"), QStringLiteral("000010")},
        {"clientes", false, QStringLiteral("Mar"), QStringLiteral("Mar"), QStringLiteral("0000000012")},
        // No match: the selection stays on the second row chosen beforehand.
        {"clientes", false, QStringLiteral("maria"), QStringLiteral("maria"), QStringLiteral("0000000012")},
        {"clientes", false, QStringLiteral("Silva"), QStringLiteral("Silva"), QStringLiteral("0000000012")},
        {"produtos", false, QStringLiteral("pizza"), QStringLiteral("pizza"), QStringLiteral("        77")},
        {"produtos", false, QStringLiteral("Antigo"), QStringLiteral("Antigo"), QStringLiteral("        77")},
        {"regioes", false, QStringLiteral("Boa V"), QStringLiteral("Boa V"), QStringLiteral("000010")},
        {"entregadores", false, QStringLiteral("edro"), QStringLiteral("edro"), QStringLiteral("000001")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lookup + " " + c.typed.toStdString());
        LookupLogic logic(ctx, describe(c.lookup));
        logic.show();
        if (c.byCode)
            logic.chooseOrder(true);
        logic.setCurrent(1);
        logic.setSearchText(c.typed);
        logic.search();
        EXPECT_EQ(logic.searchText(), c.shownAfter);
        EXPECT_EQ(logic.currentCode(), c.selected);
    }
}

TEST_F(LookupTest, ShowingAndChoosingAnOrderSetLabelsAndClearTheSearchAsDescribed)
{
    struct Case {
        std::string lookup;
        QString labelOnShow, labelCode;
        bool clearedOnShow, clearedOnOrder;
        QString firstByCode;
    };
    const Case cases[] = {
        {"clientes", QStringLiteral("Nome:"), QStringLiteral("Código:"), true, true, QStringLiteral("0000000003")},
        {"produtos", QStringLiteral("Descriçao:"), QStringLiteral("Codigo:"), false, false, QStringLiteral("         5")},
        {"entregadores", QStringLiteral("Nome:"), QStringLiteral("Código:"), true, false, QStringLiteral("000001")},
        {"regioes", QStringLiteral("Descrição:"), QStringLiteral("Código:"), true, true, QStringLiteral("000002")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lookup);
        LookupLogic logic(ctx, describe(c.lookup));
        logic.setSearchText(QStringLiteral("x"));
        logic.show();
        EXPECT_EQ(logic.searchLabel(), c.labelOnShow);
        EXPECT_EQ(logic.searchText().isEmpty(), c.clearedOnShow);
        EXPECT_FALSE(logic.byCode());
        logic.setSearchText(QStringLiteral("x"));
        logic.chooseOrder(true);
        EXPECT_TRUE(logic.byCode());
        EXPECT_EQ(logic.searchLabel(), c.labelCode);
        EXPECT_EQ(logic.searchText().isEmpty(), c.clearedOnOrder);
        EXPECT_EQ(logic.current(), 0);
        EXPECT_EQ(logic.currentCode(), c.firstByCode);
        logic.show();
        EXPECT_FALSE(logic.byCode()) << "every showing is ordered by name again";
    }
}

TEST_F(LookupTest, InactiveProductsAreNeverListed)
{
    LookupLogic logic(ctx, LookupDescriptions::produtos());
    for (bool byCode : {false, true}) {
        logic.chooseOrder(byCode);
        EXPECT_EQ(logic.rows().size(), 2);
        logic.setSearchText(QStringLiteral("1"));
        EXPECT_FALSE(logic.search() && logic.currentCode() == QStringLiteral("         1"));
    }
}

TEST_F(LookupTest, SelecionaHandsTheCodeToTheOpenerNamedByOrigem)
{
    LookupLogic logic(ctx, LookupDescriptions::entregadores());
    QString comissoes = QStringLiteral("untouched"), relatorio = QStringLiteral("untouched");
    logic.registry().add(QStringLiteral("fManutCCE"), [&](const QString &code) { comissoes = code; });
    logic.registry().add(QStringLiteral("DatasEnt"), [&](const QString &code) { relatorio = code; });
    logic.show();
    logic.setOrigem(QStringLiteral("DatasEnt"));
    EXPECT_TRUE(logic.seleciona());
    EXPECT_EQ(relatorio, QStringLiteral("000005"));
    EXPECT_EQ(comissoes, QStringLiteral("untouched"));

    logic.setOrigem(QStringLiteral("Ninguem"));
    EXPECT_FALSE(logic.seleciona());

    db.execute(QStringLiteral("Delete From Entregadores"));
    logic.show();
    logic.setOrigem(QStringLiteral("fManutCCE"));
    EXPECT_TRUE(logic.seleciona());
    EXPECT_EQ(comissoes, QString()) << "an empty list hands back an empty code";
}

TEST_F(LookupTest, GridModelShowsFormattedColumns)
{
    LookupLogic logic(ctx, LookupDescriptions::regioes());
    logic.show();
    ResultSetModel model(logic.description().columns);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setRows(logic.rows());
    ASSERT_EQ(model.rowCount(), 2);
    ASSERT_EQ(model.columnCount(), 4);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Preço"));
    EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("Boa Vista"));
    EXPECT_EQ(model.index(1, 2).data().toString(), QStringLiteral("R$ 4,50"));
    EXPECT_EQ(model.index(1, 3).data().toString(), QString()) << "null shows empty";
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    model.setRows(ResultSet());
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
