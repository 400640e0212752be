#include "security/UserLogic.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/KeyAllocator.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "security/ModuleCodes.h"
#include "security/UserRules.h"

namespace {

const QString kMax = QStringLiteral("Select MAX(USU_Codigo) as Cod From Usuarios");
const QString kExists = QStringLiteral("Select USU_Codigo From Usuarios Where USU_Codigo=:cCodigo");
constexpr int kAttempts = 5;

// A refusal found inside the transaction; shown after it has ended.
struct Refusal {
    QString text;
};

bool isLastActive(Transaction &tx, const QString &codigo)
{
    const ResultSet stored = tx.database().select(
        tx, QStringLiteral("Select USU_Ativo From Usuarios Where USU_Codigo=:CodigoC"), {{"CodigoC", codigo}});
    return !stored.isEmpty() && stored.value(0, 0).toString() == UserRules::kAtivo
        && UserRules::activeUsers(tx, codigo) == 0;
}

} // namespace

QString UserLogic::nextCode(AppContext &ctx)
{
    return KeyAllocator::nextCode(ctx.db, kMax, UserRules::kCodeWidth);
}

void UserLogic::clear()
{
    m_values = Values{};
    m_values.dcad = m_ctx.clock.today();
}

void UserLogic::prepare()
{
    clear();
    if (m_modo == Modo::Inclui)
        return;
    // The password only where it may be changed; never into a list.
    const bool withPassword = m_modo == Modo::Altera;
    const ResultSet rows = m_ctx.db.select(
        withPassword ? QStringLiteral("Select USU_Codigo, USU_Nome, USU_Login, USU_Senha, USU_Ativo, USU_DCad "
                                      "From Usuarios Where USU_Codigo=:CodigoC")
                     : QStringLiteral("Select USU_Codigo, USU_Nome, USU_Login, USU_Ativo, USU_DCad "
                                      "From Usuarios Where USU_Codigo=:CodigoC"),
        {{QStringLiteral("CodigoC"), m_selectedCode}});
    if (rows.isEmpty())
        return;
    const Row r = rows.first();
    m_values.codigo = r.text(QStringLiteral("USU_CODIGO"));
    m_values.nome = r.text(QStringLiteral("USU_NOME"));
    m_values.login = r.text(QStringLiteral("USU_LOGIN"));
    if (withPassword)
        m_values.senha = m_values.senha2 = r.text(QStringLiteral("USU_SENHA"));
    m_values.ativo = r.text(QStringLiteral("USU_ATIVO")) == UserRules::kAtivo;
    m_values.dcad = r.value(QStringLiteral("USU_DCAD")).toDate();
}

ModeSetup UserLogic::modeSetup() const
{
    // Every mode starts at the code field, which moves on to the name.
    ModeSetup s;
    s.codeReadOnly = true;
    s.focus = ModeSetup::Focus::Code;
    switch (m_modo) {
    case Modo::Inclui:
        s.title = QStringLiteral("Inclusão de Usuários");
        s.saveVisible = s.clearVisible = true;
        s.saveCaption = QStringLiteral("Grava");
        break;
    case Modo::Altera:
        s.title = QStringLiteral("Alteração de Usuários");
        s.saveVisible = true;
        s.saveCaption = QStringLiteral("Alterar");
        break;
    case Modo::Exclui:
        s.title = QStringLiteral("Exclusão de Usuários");
        s.deleteVisible = s.fieldsReadOnly = true;
        break;
    case Modo::Consulta:
        s.title = QStringLiteral("Consulta de Usuários");
        s.fieldsReadOnly = true;
        break;
    }
    return s;
}

std::optional<QString> UserLogic::enterCode()
{
    if (m_modo != Modo::Inclui)
        return std::nullopt;
    try {
        m_values.codigo = nextCode(m_ctx);
        return m_values.codigo;
    } catch (const DbError &) {
        return std::nullopt;
    }
}

UserLogic::SaveResult UserLogic::save()
{
    if (m_modo == Modo::Consulta)
        return {};
    if (m_modo == Modo::Exclui)
        return remove();
    const struct {
        bool failed;
        const QString &warning;
        Field focus;
    } checks[] = {
        {m_values.nome.trimmed().isEmpty(), kNomeVazio, Field::Nome},
        {m_values.login.trimmed().isEmpty(), kLoginVazio, Field::Login},
        {m_values.senha.trimmed().isEmpty(), kSenhaVazia, Field::Senha},
        {m_values.senha != m_values.senha2, kSenhasDiferentes, Field::Senha},
    };
    for (const auto &c : checks)
        if (c.failed) {
            m_ctx.messages.warning(c.warning);
            return {.focus = c.focus};
        }
    return m_modo == Modo::Inclui ? insert() : update();
}

UserLogic::SaveResult UserLogic::insert()
{
    const QString typedCode = m_values.codigo;
    QString code = typedCode;
    QString failure;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        try {
            Transaction tx(m_ctx.db);
            if (code.trimmed().isEmpty() || KeyAllocator::isTaken(tx, kExists, code))
                code = KeyAllocator::nextCode(tx, kMax, UserRules::kCodeWidth);
            // Rows a deleted user left under this code are not inherited.
            m_ctx.db.execute(tx, QStringLiteral("Delete From Permissoes Where PER_CodUser=:CodUserC"),
                             {{QStringLiteral("CodUserC"), code}});
            m_ctx.db.execute(tx,
                             QStringLiteral("Insert into Usuarios (USU_Codigo,USU_Nome, USU_Login, USU_Senha, "
                                            "USU_Ativo, USU_DCad)\nValues (:CodigoC,:NomeC,:LoginC, :SenhaC,:AtivoC,:DCadC)"),
                             {{QStringLiteral("CodigoC"), code},
                              {QStringLiteral("NomeC"), m_values.nome},
                              {QStringLiteral("LoginC"), m_values.login},
                              {QStringLiteral("SenhaC"), m_values.senha},
                              {QStringLiteral("AtivoC"), m_values.ativo ? UserRules::kAtivo : UserRules::kInativo},
                              {QStringLiteral("DCadC"), m_values.dcad}});
            for (const ModuleCode &m : ModuleCodes::table())
                m_ctx.db.execute(tx,
                                 QStringLiteral("Insert Into Permissoes (PER_CODMOD, PER_Descricao, PER_CodUser, "
                                                "PER_Ativo) Values (:CodModC, :DescricaoC, :CodUserC, 'S')"),
                                 {{QStringLiteral("CodModC"), ModuleCodes::storedCode(m.code)},
                                  {QStringLiteral("DescricaoC"), ModuleCodes::storedDescription(m.description)},
                                  {QStringLiteral("CodUserC"), code}});
            Funcoes::gravaLog(m_ctx, tx, AuditEvent::InclusaoUsuario + code);
            tx.commit();
            failure.clear();
            break;
        } catch (const DbError &e) {
            failure = e.message();
            // Another workstation took the code meanwhile: the next one.
            if (e.category() != DbError::Category::ConstraintViolation)
                break;
            code.clear();
        }
    }
    if (code != typedCode && !code.isEmpty())
        m_ctx.messages.information(QStringLiteral("Novo Código:") + code);
    if (!failure.isEmpty()) {
        m_values.codigo = code.isEmpty() ? typedCode : code;
        m_ctx.messages.warning(kFalhaInclui + failure);
        return {};
    }
    clear();
    return {.saved = true};
}

UserLogic::SaveResult UserLogic::update()
{
    const QString code = m_values.codigo;
    std::optional<Refusal> refusal;
    try {
        Transaction tx(m_ctx.db);
        if (!m_values.ativo && code == m_ctx.session.codUsuario)
            refusal = Refusal{kProprioInativa};
        else if (!m_values.ativo && isLastActive(tx, code))
            refusal = Refusal{kUltimoInativa};
        if (!refusal) {
            const qint64 changed = m_ctx.db.execute(
                tx,
                QStringLiteral("Update USUARIOS SET USU_Nome=:NomeC,USU_Login=:LoginC, USU_Senha=:SenhaC, "
                               "USU_Ativo=:AtivoC, USU_DCad=:DCadC\nWhere USU_Codigo=:CodigoC"),
                {{QStringLiteral("NomeC"), m_values.nome},
                 {QStringLiteral("LoginC"), m_values.login},
                 {QStringLiteral("SenhaC"), m_values.senha},
                 {QStringLiteral("AtivoC"), m_values.ativo ? UserRules::kAtivo : UserRules::kInativo},
                 {QStringLiteral("DCadC"), m_values.dcad},
                 {QStringLiteral("CodigoC"), code}});
            if (changed == 0)
                throw DbError(kNaoEncontrado);
            Funcoes::gravaLog(m_ctx, tx, AuditEvent::AlteracaoUsuario + code);
            tx.commit();
        }
    } catch (const DbError &e) {
        m_ctx.messages.warning(kFalhaAltera + e.message());
        return {};
    }
    if (refusal) {
        m_ctx.messages.error(refusal->text);
        return {};
    }
    return {.saved = true, .closeWindow = true};
}

UserLogic::SaveResult UserLogic::remove()
{
    const QString code = m_values.codigo;
    std::optional<Refusal> refusal;
    try {
        Transaction tx(m_ctx.db);
        if (code == m_ctx.session.codUsuario)
            refusal = Refusal{kProprioExclui};
        else if (isLastActive(tx, code))
            refusal = Refusal{kUltimoExclui};
        if (!refusal) {
            // The user's permission rows stay; a new user given this code
            // starts from a clean set.
            if (m_ctx.db.execute(tx, QStringLiteral("Delete From USUARIOS\nWhere USU_Codigo=:CodigoC"),
                                 {{QStringLiteral("CodigoC"), code}})
                == 0)
                throw DbError(kNaoEncontrado);
            Funcoes::gravaLog(m_ctx, tx, AuditEvent::ExclusaoUsuario + code);
            tx.commit();
        }
    } catch (const DbError &e) {
        m_ctx.messages.warning(kFalhaExclui + e.message());
        return {};
    }
    if (refusal) {
        m_ctx.messages.error(refusal->text);
        return {};
    }
    return {.saved = true, .closeWindow = true};
}
