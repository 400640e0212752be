#include "registers/CustomerLogic.h"

#include "core/AppContext.h"
#include "core/Funcoes.h"

namespace {

const QString kNome = QStringLiteral("CLI_NOME");
const QString kContato = QStringLiteral("CLI_CONTATO");
const QString kFone = QStringLiteral("CLI_FONE");
const QString kDCad = QStringLiteral("CLI_DCAD");

RecordDescription makeDescription()
{
    using K = FieldDescription::Kind;
    using F = ModeSetup::Focus;
    const auto text = &FieldDescription::text;
    RecordDescription d;
    d.codeColumn = QStringLiteral("CLI_CODIGO");
    d.code = {.form = CodePolicy::Form::Digits,
              .width = CustomerLogic::kCodeWidth,
              .maxStatement = QStringLiteral("Select MAX(CLI_Codigo) as Cod From Clientes"),
              .existsStatement = QStringLiteral("Select CLI_Codigo From Clientes Where CLI_Codigo=:cCodigo"),
              .takenMessage = QStringLiteral("Código já Cadastrado, tente outro")};
    d.fields = {
        text("CLI_CODIGO", "Código", 10, ""),
        text("CLI_NOME", "Nome", 60, "cNome"),
        text("CLI_ENDER", "Endereço", 50, "cEnder"),
        text("CLI_NUMERO", "Nro.", 10, "cNumero"),
        text("CLI_COMPLE", "Complemento", 25, "cComple"),
        text("CLI_BAIRRO", "Bairro", 30, "cBairro"),
        text("CLI_CID", "Cidade", 30, "cCid"),
        text("CLI_UF", "Estado", 2, "cUF"),
        text("CLI_CEP", "CEP:", 10, "cCep"),
        text("CLI_FONE", "Telefone 1", 15, "cFone"),
        text("CLI_FONE2", "Telefone 2", 15, "cFone2"),
        text("CLI_FONE3", "Telefone 3", 15, "cFone3"),
        text("CLI_CELULAR", "Celular", 15, "cCelular"),
        text("CLI_CONTATO", "Contato:", 20, "cContato"),
        text("CLI_EMAIL", "Email", 80, "cEmail"),
        {.column = kDCad, .label = QStringLiteral("D.Cad"), .kind = K::Date, .parameter = QStringLiteral("dDCad")},
        {.column = QStringLiteral("CLI_EREFER"), .label = QStringLiteral("Referência"), .kind = K::Memo,
         .width = 200, .parameter = QStringLiteral("cERefer")},
    };
    d.selectStatement = QStringLiteral("Select * From Clientes Where CLI_Codigo=:cCodigo");
    d.insertStatement = QStringLiteral(
        "Insert into Clientes (CLI_Codigo, CLI_Nome, CLI_Ender, Cli_Cid,\n"
        "CLI_UF, CLI_CEP, CLI_Fone, CLI_Fone2, CLI_Fone3, CLI_Contato,\n"
        "CLI_Comple, CLI_Bairro, CLI_Email, CLI_Celular, CLI_ERefer, CLI_DCad, CLI_Numero)\n"
        " Values (:cCodigo, :cNome, :cEnder, :cCid, :cUF, :cCep, :cFone, :cFone2, :cFone3,\n"
        ":cContato, :cComple, :cBairro, :cEmail, :cCelular, :cERefer, :dDCad, :cNumero)");
    d.updateStatement = QStringLiteral(
        "Update Clientes Set CLI_Nome=:cNome, CLI_Ender=:cEnder, Cli_Cid=:cCid,\n"
        "CLI_UF=:cUF, CLI_CEP=:cCep, CLI_Fone=:cFone, CLI_Fone2=:cFone2, CLI_Fone3=:cFone3, CLI_Contato=:cContato,\n"
        "CLI_Comple=:cComple, CLI_Bairro=:cBairro, CLI_Email=:cEmail, CLI_Celular=:cCelular, CLI_ERefer=:cERefer, "
        "CLI_DCad=:dDCad, CLI_Numero=:cNumero\n"
        " Where CLI_Codigo=:cCodigo");
    d.deleteStatement = QStringLiteral("Delete From Clientes\n Where CLI_Codigo=:cCodigo");
    d.audit = {AuditEvent::CadastroCliente, AuditEvent::AlteracaoCliente, AuditEvent::ExclusaoCliente};
    d.todayColumn = kDCad;
    d.requiredColumn = kNome;
    d.requiredMessage = QStringLiteral("O Campo do Nome do Cliente deve ser Preenchido !");
    d.modes = {{
        {.title = QStringLiteral("Inclusão de Clientes"), .saveVisible = true, .saveCaption = QStringLiteral("Gravar"),
         .clearVisible = true, .focus = F::Code},
        {.title = QStringLiteral("Alteração de Clientes"), .saveVisible = true,
         .saveCaption = QStringLiteral("Gravar"), .codeReadOnly = true, .focus = F::Name},
        {.title = QStringLiteral("Exclusão de Clientes"), .saveVisible = true, .saveCaption = QStringLiteral("Excluir"),
         .codeReadOnly = true, .fieldsReadOnly = true, .focus = F::SaveButton},
        {.title = QStringLiteral("Consulta de Clientes"), .saveCaption = QStringLiteral("Gravar"),
         .codeReadOnly = true, .fieldsReadOnly = true, .focus = F::CloseButton},
    }};
    return d;
}

} // namespace

CustomerLogic::CustomerLogic(AppContext &ctx) : RecordDataLogic(ctx, description())
{
    clear();
}

const RecordDescription &CustomerLogic::description()
{
    static const RecordDescription d = makeDescription();
    return d;
}

void CustomerLogic::prepared()
{
    // The telephone the customer calls from becomes telephone 1.
    if (m_request.caller == Caller::OrderEntry)
        setField(kFone, m_request.orderTelephone);
}

void CustomerLogic::leaveName()
{
    if (modo() != Modo::Inclui && modo() != Modo::Altera)
        return;
    const QString nome = field(kNome);
    if (!nome.trimmed().isEmpty())
        setField(kContato, nome.left(20));
}

CustomerLogic::SaveResult CustomerLogic::save()
{
    m_handBack.reset();
    SaveResult result;
    static_cast<RecordSaveResult &>(result) = RecordDataLogic::save();
    result.handBack = m_handBack;
    return result;
}

RecordSaveResult CustomerLogic::saved(RecordSave::Write write, const RecordSave::Outcome &outcome)
{
    const bool fromOrders = m_request.caller == Caller::OrderEntry;
    if (write == RecordSave::Write::Insert && fromOrders)
        m_handBack = HandBack{m_request.field,
                              m_request.field == OrderField::Telephone ? field(kFone) : outcome.code};
    RecordSaveResult result = RecordDataLogic::saved(write, outcome);
    result.reloadList = !fromOrders;
    if (write == RecordSave::Write::Insert)
        result.closeWindow = fromOrders;
    return result;
}
