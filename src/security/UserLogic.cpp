#include "security/UserLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/KeyAllocator.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "security/ModuleCodes.h"
#include "security/UserRegister.h"
#include "security/UserRules.h"

namespace {

const QString kNome = QStringLiteral("USU_NOME");
const QString kLogin = QStringLiteral("USU_LOGIN");
const QString kSenha = QStringLiteral("USU_SENHA");
const QString kAtivoColumn = QStringLiteral("USU_ATIVO");

bool storedActive(Transaction &tx, const QString &code)
{
    const ResultSet rows = tx.database().select(
        tx, QStringLiteral("Select USU_Ativo From Usuarios Where USU_Codigo=:CodigoC"), {{"CodigoC", code}});
    return !rows.isEmpty() && rows.value(0, 0).toString() == UserRules::kAtivo;
}

} // namespace

UserLogic::UserLogic(AppContext &ctx) : RecordDataLogic(ctx, UserRegister::data()) {}

bool UserLogic::ativo() const
{
    return values().yes(kAtivoColumn);
}

void UserLogic::setAtivo(bool ativo)
{
    values().setYes(kAtivoColumn, ativo);
}

std::optional<QString> UserLogic::proposeCode()
{
    if (modo() != Modo::Inclui)
        return std::nullopt;
    try {
        const QString next = KeyAllocator::nextCode(m_ctx.db, description().code.maxStatement, UserRules::kCodeWidth);
        setField(description().codeColumn, next);
        return next;
    } catch (const DbError &) {
        return std::nullopt;
    }
}

void UserLogic::loaded(const Row &row)
{
    setAtivo(row.text(kAtivoColumn) == UserRules::kAtivo);
    if (modo() != Modo::Altera) {
        setField(kSenha, QString());
        setField(UserRegister::kSenha2, QString());
    }
}

bool UserLogic::check(std::optional<ModeSetup::Focus> &)
{
    const struct {
        bool failed;
        const QString &warning;
        Field focus;
    } checks[] = {
        {field(kNome).trimmed().isEmpty(), kNomeVazio, Field::Nome},
        {field(kLogin).trimmed().isEmpty(), kLoginVazio, Field::Login},
        {field(kSenha).trimmed().isEmpty(), kSenhaVazia, Field::Senha},
        {field(kSenha) != field(UserRegister::kSenha2), kSenhasDiferentes, Field::Senha},
    };
    m_refusedAt = Field::None;
    for (const auto &c : checks)
        if (c.failed) {
            m_ctx.messages.warning(c.warning);
            m_refusedAt = c.focus;
            return false;
        }
    m_wasActive = false;
    if (modo() == Modo::Altera && !ativo())
        return mayLeaveActive(kProprioInativa, kUltimoInativa);
    return true;
}

bool UserLogic::checkRemove()
{
    return mayLeaveActive(kProprioExclui, kUltimoExclui);
}

bool UserLogic::mayLeaveActive(const QString &self, const QString &last)
{
    if (code() == m_ctx.session.codUsuario) {
        m_ctx.messages.error(self);
        return false;
    }
    bool lastActive = false;
    try {
        Transaction tx(m_ctx.db, Transaction::Access::ReadOnly);
        m_wasActive = storedActive(tx, code());
        lastActive = m_wasActive && UserRules::activeUsers(tx, code()) == 0;
        tx.commit();
    } catch (const DbError &) {
        // Unreadable now: the write checks again inside its transaction.
        m_wasActive = true;
    }
    if (lastActive) {
        m_ctx.messages.error(last);
        return false;
    }
    return true;
}

void UserLogic::bindExtra(Params &params, RecordSave::Write) const
{
    params.set(QStringLiteral("AtivoC"), ativo() ? UserRules::kAtivo : UserRules::kInativo);
}

void UserLogic::alongside(Transaction &tx, RecordSave::Write write, const QString &code)
{
    using W = RecordSave::Write;
    if (write == W::Insert) {
        // Rows a deleted user left under this code are not inherited.
        m_ctx.db.execute(tx, QStringLiteral("Delete From Permissoes Where PER_CodUser=:CodUserC"),
                         {{QStringLiteral("CodUserC"), code}});
        for (const ModuleCode &m : ModuleCodes::table())
            m_ctx.db.execute(tx,
                             QStringLiteral("Insert Into Permissoes (PER_CODMOD, PER_Descricao, PER_CodUser, PER_Ativo) "
                                            "Values (:CodModC, :DescricaoC, :CodUserC, 'S')"),
                             {{QStringLiteral("CodModC"), ModuleCodes::storedCode(m.code)},
                              {QStringLiteral("DescricaoC"), ModuleCodes::storedDescription(m.description)},
                              {QStringLiteral("CodUserC"), code}});
        return;
    }
    // Another workstation may be deactivating the others at this moment:
    // locking the rows still active makes the two wait for each other, and
    // the one that comes second fails instead of both succeeding.
    const bool leavesActive = write == W::Delete || !ativo();
    if (leavesActive && m_wasActive && UserRules::lockActiveUsers(tx) == 0)
        throw DbError(write == W::Delete ? kUltimoExclui : kUltimoInativa);
}
