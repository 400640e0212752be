#include "registers/CustomerLogic.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/KeyAllocator.h"
#include "core/MessageService.h"

namespace {

const QString kCodigo = QStringLiteral("CLI_CODIGO");
const QString kNome = QStringLiteral("CLI_NOME");
const QString kContato = QStringLiteral("CLI_CONTATO");
const QString kFone = QStringLiteral("CLI_FONE");

const QString kMaxStatement = QStringLiteral("Select MAX(CLI_Codigo) as Cod From Clientes");
const QString kExistsStatement = QStringLiteral("Select CLI_Codigo From Clientes Where CLI_Codigo=:cCodigo");

const QString kInsert = QStringLiteral(
    "Insert into Clientes (CLI_Codigo, CLI_Nome, CLI_Ender, Cli_Cid,\n"
    "CLI_UF, CLI_CEP, CLI_Fone, CLI_Fone2, CLI_Fone3, CLI_Contato,\n"
    "CLI_Comple, CLI_Bairro, CLI_Email, CLI_Celular, CLI_ERefer, CLI_DCad, CLI_Numero)\n"
    " Values (:cCodigo, :cNome, :cEnder, :cCid, :cUF, :cCep, :cFone, :cFone2, :cFone3,\n"
    ":cContato, :cComple, :cBairro, :cEmail, :cCelular, :cERefer, :dDCad, :cNumero)");
const QString kUpdate = QStringLiteral(
    "Update Clientes Set CLI_Nome=:cNome, CLI_Ender=:cEnder, Cli_Cid=:cCid,\n"
    "CLI_UF=:cUF, CLI_CEP=:cCep, CLI_Fone=:cFone, CLI_Fone2=:cFone2, CLI_Fone3=:cFone3, CLI_Contato=:cContato,\n"
    "CLI_Comple=:cComple, CLI_Bairro=:cBairro, CLI_Email=:cEmail, CLI_Celular=:cCelular, CLI_ERefer=:cERefer, "
    "CLI_DCad=:dDCad, CLI_Numero=:cNumero\n"
    " Where CLI_Codigo=:cCodigo");
const QString kDelete = QStringLiteral("Delete From Clientes\n Where CLI_Codigo=:cCodigo");

const QString kFalhaInclui = QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ");
const QString kFalhaAltera = QStringLiteral("Não Consegui Alterar, Tente Novamente !\rErro:  ");
const QString kFalhaExclui = QStringLiteral("Não Consegui Excluir, Tente Novamente !\rErro:  ");

// Parameter name of each column in the insert and update statements.
const std::vector<std::pair<QString, QString>> &parameterColumns()
{
    static const std::vector<std::pair<QString, QString>> list = {
        {QStringLiteral("cNome"), QStringLiteral("CLI_NOME")},
        {QStringLiteral("cEnder"), QStringLiteral("CLI_ENDER")},
        {QStringLiteral("cCid"), QStringLiteral("CLI_CID")},
        {QStringLiteral("cUF"), QStringLiteral("CLI_UF")},
        {QStringLiteral("cCep"), QStringLiteral("CLI_CEP")},
        {QStringLiteral("cFone"), QStringLiteral("CLI_FONE")},
        {QStringLiteral("cFone2"), QStringLiteral("CLI_FONE2")},
        {QStringLiteral("cFone3"), QStringLiteral("CLI_FONE3")},
        {QStringLiteral("cContato"), QStringLiteral("CLI_CONTATO")},
        {QStringLiteral("cComple"), QStringLiteral("CLI_COMPLE")},
        {QStringLiteral("cBairro"), QStringLiteral("CLI_BAIRRO")},
        {QStringLiteral("cEmail"), QStringLiteral("CLI_EMAIL")},
        {QStringLiteral("cCelular"), QStringLiteral("CLI_CELULAR")},
        {QStringLiteral("cERefer"), QStringLiteral("CLI_EREFER")},
        {QStringLiteral("cNumero"), QStringLiteral("CLI_NUMERO")},
    };
    return list;
}

} // namespace

CustomerLogic::CustomerLogic(AppContext &ctx) : m_ctx(ctx)
{
    clear();
}

const std::vector<TextField> &CustomerLogic::fields()
{
    static const std::vector<TextField> list = {
        {QStringLiteral("CLI_CODIGO"), QStringLiteral("Código"), 10},
        {QStringLiteral("CLI_NOME"), QStringLiteral("Nome"), 60},
        {QStringLiteral("CLI_ENDER"), QStringLiteral("Endereço"), 50},
        {QStringLiteral("CLI_NUMERO"), QStringLiteral("Nro."), 10},
        {QStringLiteral("CLI_COMPLE"), QStringLiteral("Complemento"), 25},
        {QStringLiteral("CLI_BAIRRO"), QStringLiteral("Bairro"), 30},
        {QStringLiteral("CLI_CID"), QStringLiteral("Cidade"), 30},
        {QStringLiteral("CLI_UF"), QStringLiteral("Estado"), 2},
        {QStringLiteral("CLI_CEP"), QStringLiteral("CEP:"), 10},
        {QStringLiteral("CLI_FONE"), QStringLiteral("Telefone 1"), 15},
        {QStringLiteral("CLI_FONE2"), QStringLiteral("Telefone 2"), 15},
        {QStringLiteral("CLI_FONE3"), QStringLiteral("Telefone 3"), 15},
        {QStringLiteral("CLI_CELULAR"), QStringLiteral("Celular"), 15},
        {QStringLiteral("CLI_CONTATO"), QStringLiteral("Contato:"), 20},
        {QStringLiteral("CLI_EMAIL"), QStringLiteral("Email"), 80},
        {QStringLiteral("CLI_EREFER"), QStringLiteral("Referência"), 200},
    };
    return list;
}

void CustomerLogic::prepare()
{
    clear();
    m_modo = m_request.modo;
    if (m_modo != Modo::Inclui) {
        const QString &code = m_request.code;
        const ResultSet rows = m_ctx.db.select(QStringLiteral("Select * From Clientes Where CLI_Codigo=:cCodigo"),
                                               {{QStringLiteral("cCodigo"), code}});
        if (!rows.isEmpty()) {
            for (const TextField &f : fields())
                m_values.insert(f.column, rows.value(0, f.column).toString());
            const QDate d = rows.value(0, QStringLiteral("CLI_DCAD")).toDate();
            m_dcad = d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
        }
    }
    if (m_request.caller == Caller::OrderEntry)
        m_values.insert(kFone, m_request.orderTelephone);
}

ModeSetup CustomerLogic::modeSetup() const
{
    ModeSetup s;
    switch (m_modo) {
    case Modo::Inclui:
        s = {QStringLiteral("Inclusão de Clientes"), true, QStringLiteral("Gravar"), true, false, false, false,
             ModeSetup::Focus::Code};
        break;
    case Modo::Altera:
        s = {QStringLiteral("Alteração de Clientes"), true, QStringLiteral("Gravar"), false, false, true, false,
             ModeSetup::Focus::Name};
        break;
    case Modo::Exclui:
        s = {QStringLiteral("Exclusão de Clientes"), true, QStringLiteral("Excluir"), false, false, true, true,
             ModeSetup::Focus::SaveButton};
        break;
    case Modo::Consulta:
        s = {QStringLiteral("Consulta de Clientes"), false, QStringLiteral("Gravar"), false, false, true, true,
             ModeSetup::Focus::CloseButton};
        break;
    }
    return s;
}

QString CustomerLogic::nextCode() const
{
    return KeyAllocator::nextCode(m_ctx.db, kMaxStatement, kCodeWidth);
}

std::optional<QString> CustomerLogic::enterCode()
{
    if (m_modo != Modo::Inclui || !field(kCodigo).trimmed().isEmpty())
        return std::nullopt;
    try {
        const QString code = nextCode();
        m_values.insert(kCodigo, code);
        return code;
    } catch (const DbError &) {
        // An unreadable maximum leaves the field blank; saving allocates again
        // and reports the failure then.
        return std::nullopt;
    }
}

bool CustomerLogic::leaveCode()
{
    if (m_modo != Modo::Inclui)
        return true;
    const QString typed = field(kCodigo).trimmed();
    if (typed.isEmpty())
        return true;
    const QString code = Funcoes::completaZeros(typed, kCodeWidth);
    m_values.insert(kCodigo, code);
    if (m_ctx.db.select(kExistsStatement, {{QStringLiteral("cCodigo"), code}}).isEmpty())
        return true;
    m_ctx.messages.error(QStringLiteral("Código já Cadastrado, tente outro"));
    m_values.insert(kCodigo, QString());
    return false;
}

void CustomerLogic::leaveName()
{
    if (m_modo != Modo::Inclui && m_modo != Modo::Altera)
        return;
    const QString nome = field(kNome);
    if (!nome.trimmed().isEmpty())
        m_values.insert(kContato, nome.left(20));
}

void CustomerLogic::clear()
{
    m_values.clear();
    for (const TextField &f : fields())
        m_values.insert(f.column, QString());
    m_dcad = m_ctx.clock.now();
}

CustomerLogic::SaveResult CustomerLogic::save()
{
    if (m_modo == Modo::Consulta)
        return {};
    if (m_modo == Modo::Exclui)
        return remove();
    if (field(kNome).trimmed().isEmpty()) {
        m_ctx.messages.error(QStringLiteral("O Campo do Nome do Cliente deve ser Preenchido !"));
        return {};
    }
    std::vector<QString> texts;
    for (const TextField &f : fields())
        texts.push_back(field(f.column));
    if (const auto problem = unencodableMessage(texts)) {
        m_ctx.messages.error(*problem);
        return {};
    }
    return m_modo == Modo::Inclui ? insert() : update();
}

CustomerLogic::SaveResult CustomerLogic::insert()
{
    const QHash<QString, QString> before = m_values;
    try {
        Transaction tx(m_ctx.db);
        QString code = field(kCodigo);
        // A blank code (its proposal failed) is allocated here like a taken one.
        if (code.trimmed().isEmpty() || KeyAllocator::isTaken(tx, kExistsStatement, code)) {
            code = KeyAllocator::nextCode(tx, QStringLiteral("Select MAX(Cli_Codigo) as Cod From Clientes"),
                                          kCodeWidth);
            m_values.insert(kCodigo, code);
            m_ctx.messages.information(QStringLiteral("Novo Código:") + code);
        }
        Params params{{QStringLiteral("cCodigo"), code}, {QStringLiteral("dDCad"), m_dcad.date()}};
        for (const auto &[name, column] : parameterColumns())
            params.set(name, field(column));
        m_ctx.db.execute(tx, kInsert, params);
        Funcoes::gravaLog(m_ctx, tx, AuditEvent::CadastroCliente + code);
        tx.commit();

        SaveResult result;
        result.saved = true;
        const bool fromOrders = m_request.caller == Caller::OrderEntry;
        result.reloadList = !fromOrders;
        result.closeWindow = fromOrders;
        if (fromOrders)
            result.handBack = HandBack{m_request.field, m_request.field == OrderField::Telephone ? field(kFone) : code};
        clear();
        return result;
    } catch (const DbError &e) {
        // The code the re-test gave stays: it was shown; everything else as typed.
        const QString code = field(kCodigo);
        m_values = before;
        m_values.insert(kCodigo, code);
        m_ctx.messages.warning(kFalhaInclui + e.message());
        return {};
    }
}

CustomerLogic::SaveResult CustomerLogic::update()
{
    try {
        Transaction tx(m_ctx.db);
        const QString code = field(kCodigo);
        Params params{{QStringLiteral("cCodigo"), code}, {QStringLiteral("dDCad"), m_dcad.date()}};
        for (const auto &[name, column] : parameterColumns())
            params.set(name, field(column));
        m_ctx.db.execute(tx, kUpdate, params);
        Funcoes::gravaLog(m_ctx, tx, AuditEvent::AlteracaoCliente + code);
        tx.commit();
        SaveResult result;
        result.saved = true;
        result.closeWindow = true;
        result.reloadList = m_request.caller != Caller::OrderEntry;
        return result;
    } catch (const DbError &e) {
        m_ctx.messages.warning(kFalhaAltera + e.message());
        return {};
    }
}

CustomerLogic::SaveResult CustomerLogic::remove()
{
    try {
        Transaction tx(m_ctx.db);
        const QString code = field(kCodigo);
        m_ctx.db.execute(tx, kDelete, {{QStringLiteral("cCodigo"), code}});
        Funcoes::gravaLog(m_ctx, tx, AuditEvent::ExclusaoCliente + code);
        tx.commit();
        SaveResult result;
        result.saved = true;
        result.closeWindow = true;
        result.reloadList = true;
        return result;
    } catch (const DbError &e) {
        m_ctx.messages.warning(kFalhaExclui + e.message());
        return {};
    }
}
