#include "core/Database.h"
#include "core/Funcoes.h"
#include "registers/CustomerLogic.h"
#include "support/TestEnvironment.h"

namespace {

using Kind = MessageService::Kind;

class CustomerLogicTest : public DatabaseTest {
protected:
    void addCustomer(const QString &code, const QString &name, const QString &fone = {})
    {
        db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome, CLI_Fone) Values (:c, :n, :f)"),
                   {{QStringLiteral("c"), code}, {QStringLiteral("n"), name}, {QStringLiteral("f"), fone}});
    }
    int count(const QString &sql) { return int(db.select(sql).value(0, 0).toInt()); }
    QStringList auditLines()
    {
        QStringList lines;
        const ResultSet rows = db.select(QStringLiteral("Select LOG_Descricao From Log"));
        for (int i = 0; i < rows.size(); ++i)
            lines << rows.value(i, 0).toString();
        return lines;
    }
    void openAdd(const CustomerRequest &request = CustomerRequest::fromList(Modo::Inclui, {}))
    {
        logic.setRequest(request);
        logic.prepare();
    }

    CustomerLogic logic{ctx};
};

TEST_F(CustomerLogicTest, ProposesNextCodeOnEmptyAndFilledTables)
{
    openAdd();
    EXPECT_EQ(logic.enterCode(), QStringLiteral("0000000001"));
    EXPECT_EQ(logic.enterCode(), std::nullopt) << "a code already there is left alone";

    addCustomer(QStringLiteral("0000000009"), QStringLiteral("Ana"));
    addCustomer(QStringLiteral("0000000010"), QStringLiteral("Bia"));
    openAdd();
    EXPECT_EQ(logic.enterCode(), QStringLiteral("0000000011"));
}

TEST_F(CustomerLogicTest, LeavingTheCodeNormalisesAndRefusesACodeInUse)
{
    addCustomer(QStringLiteral("0000000042"), QStringLiteral("Ana"));
    openAdd();
    logic.setField(QStringLiteral("CLI_CODIGO"), QStringLiteral(" 7 "));
    EXPECT_TRUE(logic.leaveCode());
    EXPECT_EQ(logic.field(QStringLiteral("CLI_CODIGO")), QStringLiteral("0000000007"));

    logic.setField(QStringLiteral("CLI_CODIGO"), QStringLiteral("42"));
    EXPECT_FALSE(logic.leaveCode());
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Código já Cadastrado, tente outro")));
    EXPECT_EQ(logic.field(QStringLiteral("CLI_CODIGO")), QString());
    EXPECT_EQ(logic.enterCode(), QStringLiteral("0000000043"));
}

TEST_F(CustomerLogicTest, CodeTakenByAnotherWorkstationIsAllocatedAgainAtSaving)
{
    session.confLog = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000001");
    openAdd();
    ASSERT_EQ(logic.enterCode(), QStringLiteral("0000000001"));
    logic.setField(QStringLiteral("CLI_NOME"), QStringLiteral("Maria"));

    Database other;
    other.open(dbPath(), Database::Engine::Embedded);
    other.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome) Values ('0000000001', 'Outra')"));
    other.close();

    const auto result = logic.save();
    EXPECT_TRUE(result.saved);
    EXPECT_TRUE(messages.showedOnly(Kind::Information, QStringLiteral("Novo Código:0000000002")));
    EXPECT_EQ(db.select(QStringLiteral("Select CLI_Nome From Clientes Where CLI_Codigo='0000000002'"))
                  .value(0, 0).toString(), QStringLiteral("Maria"));
    EXPECT_EQ(auditLines(), QStringList{QStringLiteral("Cadastro de Cliente:0000000002")});
}

TEST_F(CustomerLogicTest, InsertStoresEveryFieldAsTypedAndOnlyTheDate)
{
    openAdd();
    logic.enterCode();
    for (const TextField &f : CustomerLogic::fields())
        if (f.column != QStringLiteral("CLI_CODIGO"))
            logic.setField(f.column, (QStringLiteral(" x") + f.column).left(f.width));
    logic.setRegistrationDate(QDateTime(QDate(2025, 3, 4), QTime(17, 45)));
    ASSERT_TRUE(logic.save().saved);

    const ResultSet rows = db.select(QStringLiteral("Select * From Clientes"));
    ASSERT_EQ(rows.size(), 1);
    for (const TextField &f : CustomerLogic::fields()) {
        SCOPED_TRACE(f.column.toStdString());
        if (f.column != QStringLiteral("CLI_CODIGO")) {
            EXPECT_EQ(rows.value(0, f.column).toString(), (QStringLiteral(" x") + f.column).left(f.width));
        }
    }
    EXPECT_EQ(rows.value(0, QStringLiteral("CLI_DCAD")).toDate(), QDate(2025, 3, 4));
}

TEST_F(CustomerLogicTest, AddingFromTheListStaysOpenClearedAndFromOrderEntryHandsBack)
{
    openAdd();
    logic.enterCode();
    logic.setField(QStringLiteral("CLI_NOME"), QStringLiteral("Ana"));
    auto result = logic.save();
    EXPECT_TRUE(result.saved);
    EXPECT_TRUE(result.reloadList);
    EXPECT_FALSE(result.closeWindow);
    EXPECT_FALSE(result.handBack);
    EXPECT_EQ(logic.field(QStringLiteral("CLI_NOME")), QString());
    EXPECT_EQ(logic.enterCode(), QStringLiteral("0000000002"));

    struct Case { const char *chave; CustomerLogic::HandBack::Target target; QString value; };
    const Case cases[] = {
        {"Fone", CustomerLogic::HandBack::Target::Telephone, QStringLiteral("3333-4444")},
        {"CodCli", CustomerLogic::HandBack::Target::Code, QStringLiteral("0000000003")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.chave);
        openAdd(CustomerRequest::addFromOrder(c.target, QStringLiteral("3333-4444")));
        EXPECT_EQ(logic.field(QStringLiteral("CLI_FONE")), QStringLiteral("3333-4444"));
        logic.enterCode();
        logic.setField(QStringLiteral("CLI_NOME"), QStringLiteral("Bia"));
        result = logic.save();
        EXPECT_TRUE(result.closeWindow);
        EXPECT_FALSE(result.reloadList);
        ASSERT_TRUE(result.handBack);
        EXPECT_EQ(result.handBack->target, c.target);
        EXPECT_EQ(result.handBack->value, c.value);
    }
}

TEST_F(CustomerLogicTest, EachModeSetsUpItsWindow)
{
    addCustomer(QStringLiteral("0000000005"), QStringLiteral("Carla"), QStringLiteral("1111"));
    using F = ModeSetup::Focus;
    struct Case {
        const char *modo;
        QString title;
        bool save;
        QString saveCaption;
        bool clear;
        bool codeReadOnly;
        bool readOnly;
        F focus;
    };
    const Case cases[] = {
        {"Inclui", QStringLiteral("Inclusão de Clientes"), true, QStringLiteral("Gravar"), true, false, false, F::Code},
        {"Altera", QStringLiteral("Alteração de Clientes"), true, QStringLiteral("Gravar"), false, true, false, F::Name},
        {"Exclui", QStringLiteral("Exclusão de Clientes"), true, QStringLiteral("Excluir"), false, true, true,
         F::SaveButton},
        {"Consulta", QStringLiteral("Consulta de Clientes"), false, {}, false, true, true, F::CloseButton},
        {"Altera_Fora", QStringLiteral("Alteração de Clientes"), true, QStringLiteral("Gravar"), false, true, false,
         F::Name},
        {"Consulta_Fora", QStringLiteral("Consulta de Clientes"), false, {}, false, true, true, F::CloseButton},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.modo);
        const QString modo = QString::fromLatin1(c.modo);
        const bool fora = modo.endsWith(QStringLiteral("_Fora"));
        CustomerRequest request = CustomerRequest::fromList(RecordMode::fromText(modo), QStringLiteral("0000000005"));
        if (fora) {
            request.caller = Caller::OrderEntry;
            request.orderTelephone = QStringLiteral("9999");
        }
        logic.setRequest(request);
        logic.prepare();
        const ModeSetup s = logic.modeSetup();
        EXPECT_EQ(s.title, c.title);
        EXPECT_EQ(s.saveVisible, c.save);
        if (c.save) {
            EXPECT_EQ(s.saveCaption, c.saveCaption);
        }
        EXPECT_EQ(s.clearVisible, c.clear);
        EXPECT_FALSE(s.deleteVisible);
        EXPECT_EQ(s.codeReadOnly, c.codeReadOnly);
        EXPECT_EQ(s.fieldsReadOnly, c.readOnly);
        EXPECT_EQ(s.focus, c.focus);
        const bool loads = modo != QStringLiteral("Inclui");
        EXPECT_EQ(logic.field(QStringLiteral("CLI_NOME")), loads ? QStringLiteral("Carla") : QString());
        EXPECT_EQ(logic.field(QStringLiteral("CLI_FONE")),
                  fora ? QStringLiteral("9999") : (loads ? QStringLiteral("1111") : QString()));
    }
}

TEST_F(CustomerLogicTest, ChangeFromOrderEntryStoresTheOrdersTelephone)
{
    addCustomer(QStringLiteral("0000000005"), QStringLiteral("Carla"), QStringLiteral("1111"));
    logic.setRequest(CustomerRequest::changeFromOrder(QStringLiteral("0000000005"), QStringLiteral("2222")));
    logic.prepare();
    EXPECT_EQ(logic.modo(), Modo::Altera);
    const auto result = logic.save();
    EXPECT_TRUE(result.closeWindow);
    EXPECT_FALSE(result.reloadList);
    EXPECT_EQ(db.select(QStringLiteral("Select CLI_Fone From Clientes")).value(0, 0).toString(),
              QStringLiteral("2222"));
}

TEST_F(CustomerLogicTest, NameFillsTheContactWithItsFirstTwentyCharacters)
{
    openAdd();
    logic.setField(QStringLiteral("CLI_NOME"), QStringLiteral("Maria Aparecida dos Santos Oliveira"));
    logic.leaveName();
    EXPECT_EQ(logic.field(QStringLiteral("CLI_CONTATO")), QStringLiteral("Maria Aparecida dos "));
    logic.setField(QStringLiteral("CLI_NOME"), QStringLiteral("   "));
    logic.leaveName();
    EXPECT_EQ(logic.field(QStringLiteral("CLI_CONTATO")), QStringLiteral("Maria Aparecida dos "));
}

TEST_F(CustomerLogicTest, RefusalsWriteNothingAndKeepWhatWasTyped)
{
    struct Case { const char *what; QString name; QString cidade; QString message; };
    const Case cases[] = {
        {"blank name", QStringLiteral("  "), QStringLiteral("Recife"),
         QStringLiteral("O Campo do Nome do Cliente deve ser Preenchido !")},
        {"character outside Windows-1252", QStringLiteral("Ana"), QStringLiteral("Recife \u2713"),
         QStringLiteral("O caractere \"\u2713\" não pode ser gravado. Remova-o e tente novamente.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        openAdd();
        logic.enterCode();
        logic.setField(QStringLiteral("CLI_NOME"), c.name);
        logic.setField(QStringLiteral("CLI_CID"), c.cidade);
        EXPECT_FALSE(logic.save().saved);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, c.message));
        EXPECT_EQ(logic.field(QStringLiteral("CLI_CID")), c.cidade);
        EXPECT_EQ(count(QStringLiteral("Select count(*) From Clientes")), 0);
    }
    // Characters Windows-1252 does hold go through.
    openAdd();
    logic.enterCode();
    logic.setField(QStringLiteral("CLI_NOME"), QStringLiteral("Jo\u00e3o \u20ac"));
    EXPECT_TRUE(logic.save().saved);
}

TEST_F(CustomerLogicTest, FailedSavesRollBackEverythingTheAuditLineIncluded)
{
    session.confLog = QStringLiteral("S");
    struct Case { const char *what; QString user; QString uf; };
    const Case cases[] = {
        // The insert itself fails: the state is too long for its column.
        {"value too long", QStringLiteral("000001"), QStringLiteral("PER")},
        // The insert succeeds and the audit line fails after it.
        {"audit line fails", QStringLiteral("0000001"), QStringLiteral("PE")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        session.codUsuario = c.user;
        openAdd();
        logic.enterCode();
        logic.setField(QStringLiteral("CLI_NOME"), QStringLiteral("Ana"));
        logic.setField(QStringLiteral("CLI_UF"), c.uf);
        EXPECT_FALSE(logic.save().saved);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].kind, Kind::Warning);
        EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ")));
        EXPECT_GT(messages.shown()[0].text.size(), 50) << "the database's own text follows";
        EXPECT_EQ(count(QStringLiteral("Select count(*) From Clientes")), 0);
        EXPECT_EQ(count(QStringLiteral("Select count(*) From Log")), 0);
        EXPECT_EQ(logic.field(QStringLiteral("CLI_NOME")), QStringLiteral("Ana"));
        EXPECT_EQ(logic.field(QStringLiteral("CLI_CODIGO")), QStringLiteral("0000000001"));
    }
}

TEST_F(CustomerLogicTest, ChangeAndDeleteWriteTheirAuditLines)
{
    session.confLog = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000001");
    addCustomer(QStringLiteral("0000000005"), QStringLiteral("Carla"));
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_CodCli) Values ('00000001', '0000000005')"));
    logic.setRequest(CustomerRequest::fromList(Modo::Altera, QStringLiteral("0000000005")));
    logic.prepare();
    logic.setField(QStringLiteral("CLI_NOME"), QStringLiteral("Carla Souza"));
    auto result = logic.save();
    EXPECT_TRUE(result.closeWindow && result.reloadList);
    EXPECT_EQ(db.select(QStringLiteral("Select CLI_Nome From Clientes")).value(0, 0).toString(),
              QStringLiteral("Carla Souza"));

    logic.setRequest(CustomerRequest::fromList(Modo::Exclui, QStringLiteral("0000000005")));
    logic.prepare();
    result = logic.save();
    EXPECT_TRUE(result.saved && result.closeWindow && result.reloadList);
    EXPECT_EQ(count(QStringLiteral("Select count(*) From Clientes")), 0);
    EXPECT_EQ(count(QStringLiteral("Select count(*) From Pedidos Where PED_CodCli='0000000005'")), 1);
    EXPECT_EQ(auditLines(), (QStringList{QStringLiteral("Alteração de Cliente:0000000005"),
                                         QStringLiteral("Exclusão de Cliente:0000000005")}));
    EXPECT_TRUE(messages.shown().isEmpty());
}

} // namespace
