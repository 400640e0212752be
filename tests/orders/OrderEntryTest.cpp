#include "OrderFixture.h"

#include "controls/BrFormat.h"
#include "orders/OrderItemLogic.h"
#include "orders/OrderNotesLogic.h"

namespace {

class OrderEntryTest : public OrderTest {
protected:
    OrderEntryLogic entry{ctx};
    OrderItemLogic item{entry};

    bool sell(const char *code, const char *quantity, const QString &note = {})
    {
        return item.save(QString::fromLatin1(code), QString::fromLatin1(quantity),
                         BrFormat::money(item.price()), note).saved;
    }
    bool sellAt(const char *code, const char *quantity, const char *price)
    {
        item.leaveCode(QString::fromLatin1(code));
        return item.save(QString::fromLatin1(code), QString::fromLatin1(quantity), QString::fromLatin1(price), {}).saved;
    }
};

TEST_F(OrderEntryTest, NewOrderNumbersAndTheProvisionalRow)
{
    ASSERT_TRUE(entry.open(OrderMode::Inclui));
    EXPECT_EQ(entry.code(), QStringLiteral("00000001"));
    EXPECT_EQ(entry.statusText(), QStringLiteral("Fazendo Pedido"));
    EXPECT_EQ(entry.caption(), QStringLiteral("Inclusão de Pedido"));
    const Row row = order(QStringLiteral("00000001"));
    EXPECT_EQ(row.text("PED_SITU"), QStringLiteral("F"));
    EXPECT_TRUE(row["PED_DATA"].isNull());
    EXPECT_EQ(row["PED_TOTAL"].toDecimal(), Decimal(0, 0));

    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total) Values ('00000041', 'A', 0)"));
    OrderEntryLogic second(ctx);
    ASSERT_TRUE(second.open(OrderMode::Inclui));
    EXPECT_EQ(second.code(), QStringLiteral("00000042"));
}

// The number of a new order: digits only; a free one renames the row with
// what was saved on it; a taken one is refused and the order keeps its own.
TEST_F(OrderEntryTest, ChangingTheNumberOfANewOrder)
{
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data) Values ('00000007', 'A', 0, '2026-01-01')"));
    ASSERT_TRUE(entry.open(OrderMode::Inclui));
    ASSERT_EQ(entry.code(), QStringLiteral("00000008"));
    OrderNotesLogic notes(entry);
    ASSERT_TRUE(notes.save(QStringLiteral("Sem cebola")));

    struct Case { const char *typed; bool moves; const char *code; std::optional<ScriptedMessages::Shown> box; };
    const Case cases[] = {
        {"7", false, "00000008", ScriptedMessages::Shown{Kind::Error, QStringLiteral("Pedido já Cadastrado, tente outro !")}},
        {"1a", false, "00000008", ScriptedMessages::Shown{Kind::Error, QStringLiteral("O Número do Pedido deve ter somente dígitos (no máximo 8) !")}},
        {"123456789", false, "00000008", ScriptedMessages::Shown{Kind::Error, QStringLiteral("O Número do Pedido deve ter somente dígitos (no máximo 8) !")}},
        {" 8 ", true, "00000008", std::nullopt},
        {"12", true, "00000012", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        messages.clear();
        EXPECT_EQ(entry.leaveNumber(QString::fromLatin1(c.typed)), c.moves);
        EXPECT_EQ(entry.code(), QString::fromLatin1(c.code));
        if (c.box)
            EXPECT_EQ(messages.shown(), QList<ScriptedMessages::Shown>{*c.box});
        else
            EXPECT_TRUE(messages.shown().isEmpty());
    }
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Pedidos")), 2);
    EXPECT_EQ(order(QStringLiteral("00000012")).text("PED_OBS"), QStringLiteral("Sem cebola"));

    // The first item freezes the number.
    ASSERT_TRUE(entry.startAddingItems());
    EXPECT_FALSE(entry.numberEditable());
    EXPECT_TRUE(entry.leaveNumber(QStringLiteral("30")));
    EXPECT_EQ(entry.code(), QStringLiteral("00000012"));
}

TEST_F(OrderEntryTest, CustomerFoundByAnyTelephoneOrCode)
{
    ASSERT_TRUE(entry.open(OrderMode::Inclui));
    using S = OrderEntryLogic::CustomerSearch;
    for (const char *fone : {"1111-1111", "2222-2222", "3333-3333", "99999-0001"}) {
        SCOPED_TRACE(fone);
        EXPECT_EQ(entry.leaveTelephone(QString::fromLatin1(fone)), S::Found);
        EXPECT_EQ(entry.customer().code, QStringLiteral("0000000001"));
        EXPECT_EQ(entry.customer().fone, QString::fromLatin1(fone));
        EXPECT_EQ(entry.customer().ender, QStringLiteral("Rua A"));
    }
    EXPECT_EQ(entry.leaveTelephone(QStringLiteral("   ")), S::Nothing);
    EXPECT_EQ(entry.leaveCustomerCode(QStringLiteral(" 2 ")), S::Found);
    EXPECT_EQ(entry.customer().fone, QStringLiteral("4444-4444"));
    EXPECT_TRUE(messages.shown().isEmpty());

    messages.answerNext(false);
    EXPECT_EQ(entry.leaveTelephone(QStringLiteral("5555")), S::Cleared);
    EXPECT_TRUE(entry.customer().code.isEmpty());
    messages.answerNext(true);
    EXPECT_EQ(entry.leaveTelephone(QStringLiteral("5555")), S::Register);
    messages.answerNext(true);
    EXPECT_EQ(entry.leaveCustomerCode(QStringLiteral("77")), S::Register);
    EXPECT_EQ(messages.shown().last().text, QStringLiteral("Cliente não Cadastrado, deseja Cadastrar um novo Cliente ?"));

    messages.clear();
    EXPECT_EQ(entry.leaveTelephone(QStringLiteral("1111\u20AC\u4E2D")), S::Refused);
    EXPECT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().kind, Kind::Error);

    // View mode searches nothing.
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data, PED_CodCli) "
                              "Values ('00000050', 'F', 10, '2026-01-01', '0000000002')"));
    OrderEntryLogic view(ctx);
    ASSERT_TRUE(view.open(OrderMode::Consulta, QStringLiteral("00000050")));
    EXPECT_EQ(view.customer().nome, QStringLiteral("Bruno"));
    EXPECT_EQ(view.leaveTelephone(QStringLiteral("1111-1111")), S::Nothing);
    EXPECT_EQ(view.customer().code, QStringLiteral("0000000002"));
}

// Each item writes the item, its "SS" movement under the same internal code
// and (for a stocked product) the lower stock; removing gives it back once.
TEST_F(OrderEntryTest, ItemsMoveStockAndRemovingGivesItBack)
{
    ASSERT_TRUE(entry.open(OrderMode::Inclui));
    ASSERT_TRUE(entry.startAddingItems());
    ASSERT_TRUE(item.leaveCode(QStringLiteral("1")));
    EXPECT_EQ(item.code(), QStringLiteral("         1"));
    EXPECT_EQ(item.price(), dec("5,50"));
    ASSERT_TRUE(sell("1", "2,500"));
    ASSERT_TRUE(item.leaveCode(QStringLiteral("2")));
    ASSERT_TRUE(sell("2", "1"));
    EXPECT_EQ(item.code(), QString()); // cleared for the next product
    EXPECT_EQ(item.quantity(), dec("1,000"));

    EXPECT_EQ(stock("1"), dec("7,5"));
    EXPECT_EQ(stock("2"), dec("0"));
    const ResultSet movements = db.select(QStringLiteral(
        "Select m.MOV_CodInt, m.MOV_Oper, m.MOV_Doc, m.MOV_Valor, i.IPD_Sequen From MOV_ESTQ m "
        "Join IPedidos i On i.IPD_CodInt=m.MOV_CodInt Order By m.MOV_CodInt"));
    ASSERT_EQ(movements.size(), 2);
    EXPECT_EQ(movements.value(0, 0).toInt(), 0);
    EXPECT_EQ(movements.value(1, 0).toInt(), 1);
    EXPECT_EQ(movements.value(0, 1).toString(), QStringLiteral("SS"));
    EXPECT_EQ(movements.value(0, 2).toString(), entry.code());
    EXPECT_EQ(movements.value(0, 3).toDecimal(), dec("13,75"));
    EXPECT_EQ(movements.value(1, 4).toInt(), 2);
    EXPECT_EQ(entry.itemsTotal(), dec("43,75"));
    EXPECT_EQ(entry.total(), dec("43,75"));

    ASSERT_TRUE(entry.leaveDiscount(QStringLiteral("R$ 3,75")));
    EXPECT_EQ(entry.total(), dec("40,00"));

    struct Case { int row; const char *product; const char *stockAfter; const char *itemsTotal; const char *total; };
    const Case removals[] = {
        {0, "1", "10", "30,00", "26,25"}, // stocked: stock comes back
        {0, "2", "0", "0,00", "-3,75"},   // made on the spot: stock untouched
    };
    for (const Case &c : removals) {
        SCOPED_TRACE(c.product);
        messages.answerNext(true);
        ASSERT_TRUE(entry.removeItem(c.row));
        EXPECT_EQ(stock(c.product), dec(c.stockAfter));
        EXPECT_EQ(entry.itemsTotal(), dec(c.itemsTotal));
        EXPECT_EQ(entry.total(), dec(c.total));
    }
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From MOV_ESTQ")), 0);
    messages.clear();
    EXPECT_FALSE(entry.removeItem(0));
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Nenhum Item para Excluir !")));
}

TEST_F(OrderEntryTest, BadItemInputShowsAMessageAndWritesNothing)
{
    ASSERT_TRUE(entry.open(OrderMode::Inclui));
    struct Case { const char *code; const char *quantity; const char *price; QString note; const char *message; };
    const Case cases[] = {
        {"", "1", "5,50", {}, "O Campo do Código do Produto precisa ser preenchido"},
        {"99", "1", "5,50", {}, "Produto não Cadastrado ou Inativo, tente outro"},
        {"3", "1", "5,50", {}, "Produto não Cadastrado ou Inativo, tente outro"},
        {"1", "0", "5,50", {}, "A Quantidade deve ser maior que 0 !"},
        {"1", "-2", "5,50", {}, "A Quantidade deve ser maior que 0 !"},
        {"1", "2x", "5,50", {}, "Quantidade inválida, digite somente números !"},
        {"1", "1", "5,5a", {}, "Valor Unitário inválido, digite somente números !"},
        {"1", "1", "5,50", QString(81, u'x'), "A Observação do item pode ter no máximo 80 caracteres !"},
        {"1", "1", "5,50", QStringLiteral("\u4E2D"), "A Observação do item contém caracteres que não podem ser gravados !"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        messages.clear();
        item.clear();
        EXPECT_FALSE(item.save(QString::fromLatin1(c.code), QString::fromLatin1(c.quantity),
                               QString::fromLatin1(c.price), c.note).saved);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, QString::fromUtf8(c.message)));
    }
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From IPedidos")), 0);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From MOV_ESTQ")), 0);
    EXPECT_EQ(stock("1"), dec("10"));
    EXPECT_EQ(stock("3"), dec("4"));

    // An 80-character note is fine; the price typed is the one stored.
    ASSERT_TRUE(item.leaveCode(QStringLiteral("1")));
    ASSERT_TRUE(item.save(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("R$ 4,99"), QString(80, u'x')).saved);
    EXPECT_EQ(db.select(QStringLiteral("Select IPD_Valor From IPedidos")).value(0, 0).toDecimal(), dec("4,99"));
    EXPECT_EQ(db.select(QStringLiteral("Select PRO_PVenda From Produtos Where PRO_Codigo='         1'")).value(0, 0).toDecimal(), dec("5,50"));

    // After removing position 2 of three items, the next item gets position 4.
    ASSERT_TRUE(sellAt("2", "1", "30,00"));
    ASSERT_TRUE(sellAt("2", "1", "30,00"));
    messages.answerNext(true);
    ASSERT_TRUE(entry.removeItem(1));
    ASSERT_TRUE(sellAt("1", "1", "5,50"));
    QList<qint64> positions;
    for (int i = 0; i < entry.items().size(); ++i)
        positions << entry.items().value(i, "IPD_SEQUEN").toInt();
    EXPECT_EQ(positions, (QList<qint64>{1, 3, 4}));
}

TEST_F(OrderEntryTest, FinishingWithoutItemsAnsweredNoAndYes)
{
    ASSERT_TRUE(entry.open(OrderMode::Inclui));
    messages.answerNext(false);
    auto result = entry.finish();
    EXPECT_TRUE(result.close);
    EXPECT_FALSE(result.reloadList);
    const Row row = order(entry.code());
    EXPECT_EQ(row.text("PED_SITU"), QStringLiteral("F"));
    EXPECT_TRUE(row["PED_DATA"].isNull());

    messages.answerNext(true);
    result = entry.finish();
    EXPECT_TRUE(result.close);
    EXPECT_TRUE(result.reloadList);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Pedidos")), 0);
}

// "Finalizar" stores the items total the database holds (a second window may
// have added items), the delivery value, the discount, even when the total
// goes below zero, date, time and the audit line.
TEST_F(OrderEntryTest, FinishingStoresTheFiguresOfTheDatabase)
{
    session.confLog = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000001");
    clock.set(QDateTime(QDate(2026, 12, 10), QTime(19, 45, 10)));
    ASSERT_TRUE(entry.open(OrderMode::Inclui));
    entry.leaveTelephone(QStringLiteral("2222-2222"));
    ASSERT_TRUE(sellAt("1", "1", "5,50"));

    OrderEntryLogic sameOrder(ctx);
    ASSERT_TRUE(sameOrder.open(OrderMode::Altera, entry.code()));
    OrderItemLogic otherWindow(sameOrder);
    otherWindow.leaveCode(QStringLiteral("2"));
    ASSERT_TRUE(otherWindow.save(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("30,00"), {}).saved);
    db.execute(QStringLiteral("Update Pedidos Set PED_QEnt=2, PED_VEnt=4.5, PED_VPago=50 Where PED_Codigo=:c"),
               {{"c", entry.code()}});

    ASSERT_TRUE(entry.leaveDiscount(QStringLiteral("100,00")));
    const auto result = entry.finish();
    EXPECT_TRUE(result.close);
    EXPECT_TRUE(result.reloadList);
    const Row row = order(entry.code());
    EXPECT_EQ(row.text("PED_SITU"), QStringLiteral("A"));
    EXPECT_EQ(row.text("PED_CODCLI"), QStringLiteral("0000000001"));
    EXPECT_EQ(row["PED_TOTAL"].toDecimal(), dec("-55,50")); // 35,50 + 9,00 - 100,00
    EXPECT_EQ(row["PED_DESCONTO"].toDecimal(), dec("100"));
    EXPECT_EQ(row["PED_VDESC"].toDecimal(), dec("100"));
    EXPECT_EQ(row.text("PED_DESCPR"), QStringLiteral("R"));
    EXPECT_EQ(row["PED_TROCO"].toDecimal(), dec("105,50"));
    EXPECT_EQ(row["PED_DATA"].toDate(), QDate(2026, 12, 10));
    EXPECT_EQ(row["PED_HORA"].toTime(), QTime(19, 45, 10));
    EXPECT_EQ(entry.total(), dec("-55,50"));
    EXPECT_EQ(db.select(QStringLiteral("Select LOG_Descricao From LOG")).value(0, 0).toString(),
              QStringLiteral("Novo Pedido:") + entry.code());

    // Changing it later writes neither date nor time.
    OrderEntryLogic change(ctx);
    clock.set(QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
    ASSERT_TRUE(change.open(OrderMode::Altera, entry.code()));
    EXPECT_EQ(change.total(), dec("-55,50"));
    ASSERT_TRUE(change.leaveDiscount(QStringLiteral("0")));
    change.finish();
    EXPECT_EQ(order(entry.code())["PED_TOTAL"].toDecimal(), dec("44,50"));
    EXPECT_EQ(order(entry.code())["PED_DATA"].toDate(), QDate(2026, 12, 10));
    EXPECT_EQ(db.select(QStringLiteral("Select LOG_Descricao From LOG Order By LOG_Data")).value(1, 0).toString(),
              QStringLiteral("Alteração de Pedido:") + entry.code());
}

TEST_F(OrderEntryTest, ModesThatDoNotWrite)
{
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data) Values ('00000005', 'F', 12, '2026-01-01')"));
    ASSERT_TRUE(entry.open(OrderMode::Consulta, QStringLiteral("00000005")));
    EXPECT_EQ(entry.statusText(), QStringLiteral("Fechado"));
    EXPECT_FALSE(entry.startAddingItems());
    EXPECT_FALSE(entry.removeItem(0));
    EXPECT_EQ(messages.shown(), (QList<ScriptedMessages::Shown>{
                                    {Kind::Error, QStringLiteral("Cadastrar Novo Itens somente na Inclusão ou Alteração")},
                                    {Kind::Error, QStringLiteral("Excluir Itens somente na Inclusão ou Alteração")}}));
    const auto result = entry.finish();
    EXPECT_TRUE(result.close);
    EXPECT_FALSE(result.reloadList);
    EXPECT_EQ(order(QStringLiteral("00000005"))["PED_TOTAL"].toDecimal(), dec("12"));
    OrderNotesLogic notes(entry);
    EXPECT_FALSE(notes.editable());
    EXPECT_FALSE(notes.save(QStringLiteral("x")));
}

TEST_F(OrderEntryTest, NotesAreSavedAtOnceAndCheckedForLength)
{
    ASSERT_TRUE(entry.open(OrderMode::Inclui));
    OrderNotesLogic notes(entry);
    EXPECT_EQ(notes.load(), QString());
    ASSERT_TRUE(notes.save(QStringLiteral("Portão azul")));
    EXPECT_EQ(notes.load(), QStringLiteral("Portão azul"));
    EXPECT_FALSE(notes.save(QString(301, u'a')));
    EXPECT_EQ(notes.load(), QStringLiteral("Portão azul"));
    ASSERT_TRUE(notes.save(QString()));
    EXPECT_EQ(notes.load(), QString());

    db.execute(QStringLiteral("Delete From Pedidos"));
    messages.clear();
    EXPECT_FALSE(notes.save(QStringLiteral("x")));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().kind, Kind::Warning);
}

} // namespace
