#include "core/Database.h"
#include "core/RecordDataLogic.h"
#include "core/RecordSave.h"
#include "registers/CompanyLogic.h"
#include "registers/CustomerLogic.h"
#include "registers/DeliveryPersonRegister.h"
#include "registers/ProductLogic.h"
#include "registers/RegionRegister.h"
#include "support/TestEnvironment.h"

#include <functional>
#include <memory>

namespace {

using Kind = MessageService::Kind;

// One register as the save path sees it.
struct Register {
    const char *name;
    std::function<std::unique_ptr<RecordDataLogic>(AppContext &)> make;
    QString table;
    QString codeColumn;
    QString requiredColumn;
    QString typedCode;  // what the user types as a new code
    QString storedCode; // how it is stored
    QString auditPrefix; // of the insert; the change and delete prefixes follow the same pattern
};

std::vector<Register> registers()
{
    auto plain = [](const RecordDescription &d) {
        return [&d](AppContext &ctx) { return std::make_unique<RecordDataLogic>(ctx, d); };
    };
    return {
        {"customers", [](AppContext &ctx) { return std::make_unique<CustomerLogic>(ctx); }, "Clientes", "CLI_CODIGO",
         "CLI_NOME", "7", "0000000007", "Cadastro de Cliente:"},
        {"products", [](AppContext &ctx) { return std::make_unique<ProductLogic>(ctx); }, "Produtos", "PRO_CODIGO",
         "PRO_DESCRICAO", "7", "         7", "Cadastro de Produto:"},
        {"delivery persons", plain(DeliveryPersonRegister::data()), "Entregadores", "ENT_CODIGO", "ENT_NOME", "7",
         "000007", "Cadastro de Entregador:"},
        {"regions", plain(RegionRegister::data()), "Regioes", "REG_CODIGO", "REG_DESC", "7", "000007",
         "Cadastro de Região:"},
    };
}

class RecordSaveTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        session.confLog = QStringLiteral("S");
        session.codUsuario = QStringLiteral("000001");
    }
    int count(const QString &sql, const Params &params = {})
    {
        return int(db.select(sql, params).value(0, 0).toInt());
    }
    int rowsWithCode(const Register &r, const QString &code)
    {
        return count(QStringLiteral("Select count(*) From %1 Where %2=:c").arg(r.table, r.codeColumn),
                     {{QStringLiteral("c"), code}});
    }
    QStringList auditLines()
    {
        QStringList lines;
        const ResultSet rows = db.select(QStringLiteral("Select LOG_Descricao From Log"));
        for (int i = 0; i < rows.size(); ++i)
            lines << rows.value(i, 0).toString();
        return lines;
    }
    // Adds a record through the logic as the user would.
    bool add(const Register &r, RecordDataLogic &logic)
    {
        logic.open(Modo::Inclui, {});
        logic.prepare();
        logic.setField(r.codeColumn, r.typedCode);
        logic.leaveCode();
        logic.setField(r.requiredColumn, QStringLiteral("Primeiro"));
        return logic.save().saved;
    }
};

TEST_F(RecordSaveTest, EachWriteCommitsTheRowWithItsAuditLine)
{
    for (const Register &r : registers()) {
        SCOPED_TRACE(r.name);
        db.execute(QStringLiteral("Delete From Log"));
        auto logic = r.make(ctx);
        ASSERT_TRUE(add(r, *logic));
        EXPECT_EQ(rowsWithCode(r, r.storedCode), 1);

        logic->open(Modo::Altera, r.storedCode);
        logic->prepare();
        EXPECT_EQ(logic->field(r.requiredColumn), QStringLiteral("Primeiro"));
        logic->setField(r.requiredColumn, QStringLiteral("Segundo"));
        const RecordSaveResult changed = logic->save();
        EXPECT_TRUE(changed.saved && changed.closeWindow && changed.reloadList);
        EXPECT_EQ(db.select(QStringLiteral("Select %1 From %2").arg(r.requiredColumn, r.table)).value(0, 0).toString(),
                  QStringLiteral("Segundo"));

        logic->open(Modo::Exclui, r.storedCode);
        logic->prepare();
        EXPECT_TRUE(logic->remove().saved);
        EXPECT_EQ(rowsWithCode(r, r.storedCode), 0);

        const QString prefix = r.auditPrefix.section(u' ', 1); // "de Cliente:"
        EXPECT_EQ(auditLines(), (QStringList{r.auditPrefix + r.storedCode,
                                             QStringLiteral("Alteração ") + prefix + r.storedCode,
                                             QStringLiteral("Exclusão ") + prefix + r.storedCode}));
        EXPECT_TRUE(messages.shown().isEmpty()) << messages.shown().first().text.toStdString();
    }
}

// Another workstation deleted the row between the opening and the save (or
// the list was empty): the change and the delete fail, and say so.
TEST_F(RecordSaveTest, ARowDeletedMeanwhileIsAFailureNotASuccess)
{
    for (const Register &r : registers()) {
        SCOPED_TRACE(r.name);
        auto logic = r.make(ctx);
        for (const Modo modo : {Modo::Altera, Modo::Exclui}) {
            ASSERT_TRUE(add(r, *logic));
            logic->open(modo, r.storedCode);
            logic->prepare();
            db.execute(QStringLiteral("Delete From %1").arg(r.table));
            db.execute(QStringLiteral("Delete From Log"));
            messages.clear();
            const RecordSaveResult result = modo == Modo::Altera ? logic->save() : logic->remove();
            EXPECT_FALSE(result.saved);
            EXPECT_FALSE(result.closeWindow);
            ASSERT_EQ(messages.shown().size(), 1);
            EXPECT_EQ(messages.shown()[0].kind, Kind::Warning);
            EXPECT_EQ(messages.shown()[0].text,
                      (modo == Modo::Altera ? QStringLiteral("Não Consegui Alterar, Tente Novamente !\rErro:  ")
                                            : QStringLiteral("Não Consegui Excluir, Tente Novamente !\rErro:  ")) +
                          RecordSave::vanishedText());
            EXPECT_EQ(count(QStringLiteral("Select count(*) From Log")), 0) << "no audit line for a write that did not happen";
        }
    }
}

TEST_F(RecordSaveTest, AFailingInsertWritesNothingAndKeepsWhatWasTyped)
{
    session.codUsuario = QStringLiteral("0000001"); // too long for the audit line: it fails after the insert
    for (const Register &r : registers()) {
        SCOPED_TRACE(r.name);
        messages.clear();
        auto logic = r.make(ctx);
        EXPECT_FALSE(add(r, *logic));
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ")));
        EXPECT_EQ(count(QStringLiteral("Select count(*) From %1").arg(r.table)), 0);
        EXPECT_EQ(count(QStringLiteral("Select count(*) From Log")), 0);
        EXPECT_EQ(logic->field(r.requiredColumn), QStringLiteral("Primeiro"));
        EXPECT_EQ(logic->code(), r.storedCode);
    }
}

// Delivery persons and regions: six digits, proposed as highest + 1, typed
// codes padded, anything but digits refused, re-tested at saving.
TEST_F(RecordSaveTest, DeliveryPersonAndRegionCodes)
{
    struct Case { const char *name; const RecordDescription &d; QString table; QString column; QString taken; };
    const Case cases[] = {
        {"delivery persons", DeliveryPersonRegister::data(), "Entregadores", "ENT_CODIGO",
         "Código já Cadastrado, tente outro"},
        {"regions", RegionRegister::data(), "Regioes", "REG_CODIGO", "Código já Cadastrado !, tente outro"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        RecordDataLogic logic(ctx, c.d);
        logic.open(Modo::Inclui, {});
        logic.prepare();
        EXPECT_EQ(logic.enterCode(), QStringLiteral("000001"));
        auto insert = [&](const char *code) {
            db.execute(QStringLiteral("Insert Into %1 (%2) Values ('%3')").arg(c.table, c.column, QLatin1String(code)));
        };
        insert("000009");
        logic.clear();
        EXPECT_EQ(logic.enterCode(), QStringLiteral("000010"));

        logic.setField(c.column, QStringLiteral(" 3 "));
        EXPECT_TRUE(logic.leaveCode());
        EXPECT_EQ(logic.code(), QStringLiteral("000003"));
        logic.setField(c.column, QStringLiteral("9"));
        EXPECT_FALSE(logic.leaveCode());
        EXPECT_TRUE(messages.showedOnly(Kind::Error, c.taken));
        EXPECT_EQ(logic.code(), QString());

        messages.clear();
        logic.setField(c.column, QStringLiteral("A1"));
        EXPECT_FALSE(logic.leaveCode());
        EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("O Código deve ter somente números")));
        logic.setField(c.column, QStringLiteral("A1"));
        logic.setField(c.d.requiredColumn, QStringLiteral("X"));
        messages.clear();
        EXPECT_FALSE(logic.save().saved) << "a letter never reaches the table";
        EXPECT_EQ(count(QStringLiteral("Select count(*) From %1").arg(c.table)), 1);

        // Taken by another workstation between the proposal and the save.
        logic.clear();
        ASSERT_EQ(logic.enterCode(), QStringLiteral("000010"));
        logic.setField(c.d.requiredColumn, QStringLiteral("Novo"));
        insert("000010");
        messages.clear();
        EXPECT_TRUE(logic.save().saved);
        EXPECT_TRUE(messages.showedOnly(Kind::Information, QStringLiteral("Novo Código:000011")));
    }
}

TEST_F(RecordSaveTest, RateAndFeeRoundTripExactly)
{
    RecordDataLogic ent(ctx, DeliveryPersonRegister::data());
    ent.open(Modo::Inclui, {});
    ent.prepare();
    EXPECT_EQ(ent.shown(QStringLiteral("ENT_COMISSAO")), QStringLiteral("0,00%"));
    ent.enterCode();
    ent.setField(QStringLiteral("ENT_NOME"), QStringLiteral("Rui"));
    ent.setTyped(QStringLiteral("ENT_COMISSAO"), QStringLiteral("12,5"));
    ent.setField(QStringLiteral("ENT_CEP"), QStringLiteral("  .   -   "));
    ASSERT_TRUE(ent.save().saved);
    EXPECT_EQ(db.select(QStringLiteral("Select ENT_Comissao From Entregadores")).value(0, 0).toDecimal(), Decimal(1250, 2));
    ent.open(Modo::Consulta, QStringLiteral("000001"));
    ent.prepare();
    EXPECT_EQ(ent.shown(QStringLiteral("ENT_COMISSAO")), QStringLiteral("12,50%"));
    EXPECT_EQ(ent.field(QStringLiteral("ENT_CEP")), QStringLiteral("  .   -   "));
    EXPECT_EQ(ent.values().date(QStringLiteral("ENT_DCAD")), clock.today());

    RecordDataLogic reg(ctx, RegionRegister::data());
    reg.open(Modo::Inclui, {});
    reg.prepare();
    EXPECT_EQ(reg.shown(QStringLiteral("REG_VALOR")), QStringLiteral("R$ 0,00"));
    reg.enterCode();
    reg.setField(QStringLiteral("REG_DESC"), QStringLiteral("Centro"));
    reg.setTyped(QStringLiteral("REG_VALOR"), QStringLiteral("4,5"));
    ASSERT_TRUE(reg.save().saved);
    EXPECT_EQ(db.select(QStringLiteral("Select REG_Valor From Regioes")).value(0, 0).toString(), QStringLiteral("4.50"));
    reg.open(Modo::Altera, QStringLiteral("000001"));
    reg.prepare();
    EXPECT_EQ(reg.shown(QStringLiteral("REG_VALOR")), QStringLiteral("R$ 4,50"));
}

TEST_F(RecordSaveTest, CompanySaveFollowsTheSessionAndFailsWhenNoRowChanges)
{
    db.execute(QStringLiteral("Update Empresa Set EMP_Nome='Velha'"));
    CompanyLogic logic(ctx);
    logic.prepare();
    EXPECT_EQ(logic.field(QStringLiteral("EMP_NOME")), QStringLiteral("Velha"));
    logic.setField(QStringLiteral("EMP_NOME"), QStringLiteral("Pizzaria Nova"));
    logic.setField(QStringLiteral("EMP_FONE"), QStringLiteral("3232-0000"));
    const RecordSaveResult result = logic.save();
    EXPECT_TRUE(result.saved);
    EXPECT_FALSE(result.closeWindow) << "the window stays open";
    EXPECT_TRUE(messages.showedOnly(Kind::Information, QStringLiteral("Dados Gravados com Sucesso !")));
    EXPECT_EQ(session.empNome, QStringLiteral("Pizzaria Nova"));
    EXPECT_EQ(session.empFone, QStringLiteral("3232-0000"));
    EXPECT_EQ(logic.header().nome, QStringLiteral("Pizzaria Nova"));
    EXPECT_EQ(count(QStringLiteral("Select count(*) From Log")), 0) << "no audit line for the company";

    // The one row lost its code: nothing changes, and that is a failure.
    db.execute(QStringLiteral("Update Empresa Set EMP_Codigo='002'"));
    messages.clear();
    logic.prepare();
    logic.setField(QStringLiteral("EMP_NOME"), QStringLiteral("Outra"));
    EXPECT_FALSE(logic.save().saved);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].kind, Kind::Information);
    EXPECT_EQ(messages.shown()[0].text,
              QStringLiteral("Ocorreu um Erro, tente novamente !\rErro:  ") + RecordSave::vanishedText());
    EXPECT_EQ(session.empNome, QStringLiteral("Pizzaria Nova"));
}

} // namespace
