#include "core/Database.h"
#include "core/RecordListLogic.h"
#include "registers/ProductListDescription.h"
#include "registers/ProductLogic.h"
#include "support/TestEnvironment.h"

namespace {

using Kind = MessageService::Kind;

TEST(ProductArithmetic, PriceFromMarginAndMarginFromPrice)
{
    struct Case { const char *cost; const char *margin; const char *price; };
    // Sale price from cost and margin.
    const Case prices[] = {
        {"10,00", "30", "13,00"}, {"10,00", "0", "10,00"}, {"3,33", "33,33", "4,44"},
        {"0,99", "50", "1,49"},   {"0,03", "50", "0,05"},  {"10,00", "-10", "9,00"},
    };
    for (const Case &c : prices) {
        SCOPED_TRACE(std::string(c.cost) + " / " + c.margin);
        const auto p = ProductLogic::salePrice(*Decimal::parse(QString::fromLatin1(c.cost)),
                                               *Decimal::parse(QString::fromLatin1(c.margin)));
        ASSERT_TRUE(p);
        EXPECT_EQ(p->toString(u','), QString::fromLatin1(c.price));
    }
    // Margin from cost and sale price.
    const Case margins[] = {
        {"10,00", "50,00", "15,00"}, {"3,00", "33,33", "4,00"}, {"3,00", "-33,33", "2,00"}, {"7,00", "0,00", "7,00"},
    };
    for (const Case &c : margins) {
        SCOPED_TRACE(std::string(c.cost) + " / " + c.price);
        const auto m = ProductLogic::margin(*Decimal::parse(QString::fromLatin1(c.cost)),
                                            *Decimal::parse(QString::fromLatin1(c.price)));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->toString(u','), QString::fromLatin1(c.margin));
    }
    EXPECT_FALSE(ProductLogic::salePrice(Decimal(0, 2), Decimal(30, 0)));
    EXPECT_FALSE(ProductLogic::margin(Decimal(0, 2), Decimal(1500, 2)));
    EXPECT_FALSE(ProductLogic::margin(Decimal(1000, 2), Decimal(0, 2)));
}

// The list and the product lookup share one set of columns; only the lookup
// shows the observations, right after the registration date.
TEST(ProductGrid, ListAndLookupColumnsInOrder)
{
    const QStringList list = {"Código", "Descrição", "Unidade", "Prod.Próprio/Prod. de Fora", "Quantidade",
                              "Est.Mínimo", "P.Custo", "U.Compra", "D.Cadastramento", "E.Max", "P.Venda",
                              "Margem", "Feito na Hora", "Ativo"};
    QStringList lookup = list;
    lookup.insert(9, QStringLiteral("Observações"));
    auto titles = [](const std::vector<GridColumn> &columns) {
        QStringList out;
        for (const GridColumn &c : columns)
            out << c.title;
        return out;
    };
    EXPECT_EQ(titles(productListDescription().columns), list);
    EXPECT_EQ(titles(productGridColumns(true)), lookup);
}

TEST(ProductCodes, TypedCodesAreRightAlignedInTenCharacters)
{
    struct Case { QString typed; QString stored; };
    const Case cases[] = {
        {QStringLiteral("7"), QStringLiteral("         7")},
        {QStringLiteral(" 12 "), QStringLiteral("        12")},
        {QStringLiteral("ABC-1"), QStringLiteral("     ABC-1")},
        {QStringLiteral("1234567890"), QStringLiteral("1234567890")},
        {QStringLiteral("12345678901"), QStringLiteral("12345678901")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ProductLogic::padCode(c.typed), c.stored);
}

class ProductLogicTest : public DatabaseTest {
protected:
    void addProduct(const QString &code, const QString &descricao, const char *ativo = "S")
    {
        db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_Ativo, PRO_Quant) "
                                  "Values (:c, :d, :a, 5)"),
                   {{QStringLiteral("c"), code}, {QStringLiteral("d"), descricao}, {QStringLiteral("a"), ativo}});
    }
    int count(const QString &sql) { return int(db.select(sql).value(0, 0).toInt()); }
    void openMode(const char *modo, const QString &code = {})
    {
        logic.open(RecordMode::fromText(QString::fromLatin1(modo)), code);
        logic.prepare();
    }
    ProductLogic logic{ctx};
};

TEST_F(ProductLogicTest, NewProductStartsWithQuantityZeroAndItsPaddedCode)
{
    session.confLog = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000001");
    openMode("Inclui");
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_PCUSTO")), QStringLiteral("R$ 0,00"));
    logic.setTyped(QStringLiteral("PRO_CODIGO"), QStringLiteral("7"));
    EXPECT_TRUE(logic.leaveCode());
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_CODIGO")), QStringLiteral("         7"));
    logic.setTyped(QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Pizza Grande"));
    logic.setTyped(QStringLiteral("PRO_UNID"), QStringLiteral("UN"));
    logic.setTyped(QStringLiteral("PRO_QUANT"), QStringLiteral("99,000"));
    logic.setTyped(QStringLiteral("PRO_PCUSTO"), QStringLiteral("R$ 1.234,56"));
    logic.setTyped(QStringLiteral("PRO_MARGEM"), QStringLiteral("30,00%"));
    logic.leaveMargin();
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_PVENDA")), QStringLiteral("R$ 1.604,93"));
    logic.setTyped(QStringLiteral("PRO_MIN"), QStringLiteral("2"));
    logic.setTyped(QStringLiteral("PRO_EMAX"), QStringLiteral("1.000"));
    const auto result = logic.save();
    EXPECT_TRUE(result.saved && result.reloadList);
    EXPECT_FALSE(result.closeWindow) << "add mode stays open for the next product";
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_CODIGO")), QString()) << "and is cleared";

    const Row r = db.select(QStringLiteral("Select * From Produtos")).row(0);
    EXPECT_EQ(r.text(QStringLiteral("PRO_CODIGO")), QStringLiteral("         7"));
    EXPECT_EQ(r.value(QStringLiteral("PRO_QUANT")).toDecimal(), Decimal(0, 0));
    EXPECT_EQ(r.value(QStringLiteral("PRO_PCUSTO")).toDecimal(), Decimal(123456, 2));
    EXPECT_EQ(r.value(QStringLiteral("PRO_PVENDA")).toDecimal(), Decimal(160493, 2));
    EXPECT_EQ(r.value(QStringLiteral("PRO_MARGEM")).toDecimal(), Decimal(30, 0));
    EXPECT_EQ(r.value(QStringLiteral("PRO_EMAX")).toDecimal(), Decimal(1000, 0));
    EXPECT_EQ(r.text(QStringLiteral("PRO_PF")) + r.text(QStringLiteral("PRO_FEITOHORA")) +
                  r.text(QStringLiteral("PRO_ATIVO")), QStringLiteral("SSS"));
    EXPECT_EQ(db.select(QStringLiteral("Select LOG_Descricao From Log")).value(0, 0).toString(),
              QStringLiteral("Cadastro de Produto:         7"));
}

TEST_F(ProductLogicTest, ArithmeticOnLeavingTheFields)
{
    openMode("Inclui");
    logic.setTyped(QStringLiteral("PRO_PCUSTO"), QStringLiteral("R$ 10,00"));
    logic.setTyped(QStringLiteral("PRO_PVENDA"), QStringLiteral("R$ 15,00"));
    logic.leavePrice();
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_MARGEM")), QStringLiteral("50,00%"));
    logic.setTyped(QStringLiteral("PRO_PCUSTO"), QStringLiteral("R$ 0,00"));
    logic.setTyped(QStringLiteral("PRO_MARGEM"), QStringLiteral("80,00%"));
    logic.leaveMargin();
    logic.leavePrice();
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_PVENDA")), QStringLiteral("R$ 15,00")) << "a zero cost changes nothing";
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_MARGEM")), QStringLiteral("80,00%"));
}

TEST_F(ProductLogicTest, BoughtFromOutsideCannotBeMadeOnTheSpot)
{
    openMode("Inclui");
    logic.values().setYes(QStringLiteral("PRO_PF"), false);
    EXPECT_FALSE(logic.leaveOwnProduct());
    EXPECT_FALSE(logic.values().yes(QStringLiteral("PRO_FEITOHORA")));
    EXPECT_FALSE(logic.madeOnTheSpotEnabled());
    logic.values().setYes(QStringLiteral("PRO_PF"), true);
    EXPECT_TRUE(logic.leaveOwnProduct());
    EXPECT_TRUE(logic.madeOnTheSpotEnabled());
}

TEST_F(ProductLogicTest, RefusedSavesWriteNothing)
{
    addProduct(QStringLiteral("        12"), QStringLiteral("Refri"));
    struct Case { const char *what; QString code; QString descricao; QString message; };
    const Case cases[] = {
        {"blank description", QStringLiteral("1"), QStringLiteral(" "),
         QStringLiteral("O Campo Descrição Precisa ser Preenchido")},
        {"blank code", QStringLiteral("  "), QStringLiteral("Suco"), QStringLiteral("O Campo Código Precisa ser Preenchido")},
        {"code in use", QStringLiteral("12"), QStringLiteral("Suco"),
         QStringLiteral("Código:        12 já Cadastrado, tente outro")},
        {"character outside Windows-1252", QStringLiteral("2"), QStringLiteral("Suco \u2615"),
         QStringLiteral("O caractere \"\u2615\" não pode ser gravado. Remova-o e tente novamente.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        openMode("Inclui");
        logic.setTyped(QStringLiteral("PRO_CODIGO"), c.code);
        logic.setTyped(QStringLiteral("PRO_DESCRICAO"), c.descricao);
        EXPECT_FALSE(logic.save().saved);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, c.message));
        EXPECT_EQ(logic.shown(QStringLiteral("PRO_DESCRICAO")), c.descricao);
        EXPECT_EQ(count(QStringLiteral("Select count(*) From Produtos")), 1);
    }
    openMode("Inclui");
    logic.setTyped(QStringLiteral("PRO_CODIGO"), QStringLiteral("12"));
    EXPECT_FALSE(logic.leaveCode());
    EXPECT_EQ(messages.shown().last().text, QStringLiteral("Código já cadastrado, tente outro"));
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_CODIGO")), QString());
}

TEST_F(ProductLogicTest, FailedSaveRollsBackWithItsAuditLineAndKeepsTheFields)
{
    session.confLog = QStringLiteral("S");
    struct Case { const char *what; QString user; QString minimum; };
    const Case cases[] = {
        {"unreadable number", QStringLiteral("000001"), QStringLiteral("abc")},
        {"audit line fails after the insert", QStringLiteral("0000001"), QStringLiteral("3")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        session.codUsuario = c.user;
        openMode("Inclui");
        logic.setTyped(QStringLiteral("PRO_CODIGO"), QStringLiteral("5"));
        logic.setTyped(QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Esfiha"));
        logic.setTyped(QStringLiteral("PRO_MIN"), c.minimum);
        EXPECT_FALSE(logic.save().saved);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].kind, Kind::Warning);
        EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ")));
        EXPECT_EQ(count(QStringLiteral("Select count(*) From Produtos")), 0);
        EXPECT_EQ(count(QStringLiteral("Select count(*) From Log")), 0);
        EXPECT_EQ(logic.shown(QStringLiteral("PRO_DESCRICAO")), QStringLiteral("Esfiha"));
        EXPECT_EQ(logic.shown(QStringLiteral("PRO_MIN")), c.minimum);
    }
}

TEST_F(ProductLogicTest, ChangeKeepsQuantityAndDatesAndDeleteIgnoresMovements)
{
    addProduct(QStringLiteral("         3"), QStringLiteral("Coxinha"));
    db.execute(QStringLiteral("Update Produtos Set PRO_UCOMP='2024-01-02', PRO_DCAD='2023-05-06', "
                              "PRO_PCUSTO=2, PRO_MARGEM=50, PRO_PVENDA=3, PRO_PF='N', PRO_FEITOHORA='N'"));
    openMode("Altera", QStringLiteral("         3"));
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_QUANT")), QStringLiteral("5,000"));
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_UCOMP")), QStringLiteral("02/01/2024"));
    EXPECT_EQ(logic.shown(QStringLiteral("PRO_MARGEM")), QStringLiteral("50,00%"));
    EXPECT_FALSE(logic.values().yes(QStringLiteral("PRO_PF")));
    logic.setTyped(QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Coxinha de Frango"));
    logic.setField(QStringLiteral("PRO_DCAD"), QDate(2020, 1, 1));
    const auto result = logic.save();
    EXPECT_TRUE(result.saved && result.closeWindow);
    const Row r = db.select(QStringLiteral("Select * From Produtos")).row(0);
    EXPECT_EQ(r.text(QStringLiteral("PRO_DESCRICAO")), QStringLiteral("Coxinha de Frango"));
    EXPECT_EQ(r.value(QStringLiteral("PRO_QUANT")).toDecimal(), Decimal(5, 0));
    EXPECT_EQ(r.value(QStringLiteral("PRO_DCAD")).toDate(), QDate(2023, 5, 6));

    db.execute(QStringLiteral("Insert Into IPedidos (IPD_CodPed, IPD_Sequen, IPD_CodPro, IPD_CodInt) Values ('00000001', 1, '         3', 1)"));
    openMode("Exclui", QStringLiteral("         3"));
    EXPECT_TRUE(logic.remove().saved);
    EXPECT_EQ(count(QStringLiteral("Select count(*) From Produtos")), 0);
}

TEST_F(ProductLogicTest, EachModeSetsUpItsWindow)
{
    using F = ModeSetup::Focus;
    struct Case { const char *modo; QString title; bool save; QString caption; bool clear; bool del; bool ro; F focus; };
    const Case cases[] = {
        {"Inclui", QStringLiteral("Inclusão de Produtos"), true, QStringLiteral("Grava"), true, false, false, F::Code},
        {"Altera", QStringLiteral("Alteração de Produto"), true, QStringLiteral("Altera"), false, false, false, F::Name},
        {"Exclui", QStringLiteral("Exclusão de Produto"), false, {}, false, true, true, F::DeleteButton},
        {"Consulta", QStringLiteral("Consulta de Produto"), false, {}, false, false, true, F::CloseButton},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.modo);
        openMode(c.modo);
        const ModeSetup s = logic.modeSetup();
        EXPECT_EQ(s.title, c.title);
        EXPECT_EQ(s.saveVisible, c.save);
        if (c.save) {
            EXPECT_EQ(s.saveCaption, c.caption);
        }
        EXPECT_EQ(s.clearVisible, c.clear);
        EXPECT_EQ(s.deleteVisible, c.del);
        EXPECT_EQ(s.fieldsReadOnly, c.ro);
        EXPECT_EQ(s.codeReadOnly, std::string(c.modo) != "Inclui");
        EXPECT_EQ(s.focus, c.focus);
    }
}

TEST_F(ProductLogicTest, ListFiltersAndCodeSearch)
{
    addProduct(QStringLiteral("         7"), QStringLiteral("Pastel"));
    addProduct(QStringLiteral("        70"), QStringLiteral("Esfiha"));
    addProduct(QStringLiteral("         8"), QStringLiteral("Antigo"), "N");
    RecordListLogic list(ctx, productListDescription());
    list.show();
    EXPECT_EQ(list.rows().size(), 2);
    EXPECT_EQ(list.currentCode(), QStringLiteral("        70")) << "ordered by description";
    struct Case { int filter; bool byCode; QStringList codes; };
    const Case cases[] = {
        {1, false, {QStringLiteral("         8")}},
        {2, false, {QStringLiteral("         8"), QStringLiteral("        70"), QStringLiteral("         7")}},
        {2, true, {QStringLiteral("         7"), QStringLiteral("         8"), QStringLiteral("        70")}},
        {0, true, {QStringLiteral("         7"), QStringLiteral("        70")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.filter);
        list.chooseFilter(c.filter);
        list.chooseOrder(c.byCode);
        QStringList codes;
        for (int i = 0; i < list.rows().size(); ++i)
            codes << list.rows().value(i, QStringLiteral("PRO_CODIGO")).toString();
        EXPECT_EQ(codes, c.codes);
    }
    list.chooseOrder(false);
    list.chooseOrder(true);
    list.setCurrent(1);
    list.setSearchText(QStringLiteral("7"));
    EXPECT_TRUE(list.search());
    EXPECT_EQ(list.searchText(), QStringLiteral("         7"));
    EXPECT_EQ(list.current(), 0);
}

TEST_F(ProductLogicTest, EveryListButtonPassesItsOwnGate)
{
    session.confLogin = session.confPermissao = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000002");
    db.execute(QStringLiteral("Insert Into Permissoes (PER_CodUser, PER_CodMod, PER_Ativo) Values ('000002', '1.3.2', 'S')"));
    db.execute(QStringLiteral("Insert Into Permissoes (PER_CodUser, PER_CodMod, PER_Ativo) Values ('000002', '1.3.4', 'N')"));
    RecordListLogic list(ctx, productListDescription());
    using B = RecordListLogic::Button;
    const std::pair<B, bool> cases[] = {{B::Novo, false}, {B::Altera, true}, {B::Exclui, false}, {B::Consulta, false}};
    for (const auto &[button, allowed] : cases) {
        SCOPED_TRACE(int(button));
        messages.clear();
        EXPECT_EQ(list.gate(button), allowed);
        EXPECT_EQ(messages.shown().size(), allowed ? 0 : 1);
    }
    EXPECT_EQ(messages.shown().last().text, QStringLiteral("Usuário Sem Permissão para Entrar nesse Módulo"));
    session.confLogin = QStringLiteral("N");
    EXPECT_TRUE(list.gate(B::Novo)) << "the gate applies only with login and permissions on";
}

} // namespace
