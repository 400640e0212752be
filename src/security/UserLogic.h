#pragma once

#include "core/RecordDataLogic.h"

#include <QString>
#include <optional>

struct AppContext;

// The user data window's logic on the register shape. A new user gets its 54
// permission rows, all granted, in the same transaction as the user row and
// its audit line; rows a deleted user left under the same code are removed
// first. Nobody can lock everyone out: the logged-in user cannot delete or
// deactivate itself, and the last active user cannot be deleted or
// deactivated. The password reaches the fields only in "Altera".
class UserLogic final : public RecordDataLogic {
public:
    static inline const QString kNomeVazio =
        QStringLiteral("O Campo Nome Completo do Usuários Precisa ser Preenchido !");
    static inline const QString kLoginVazio = QStringLiteral("O Campo Login Precisa ser Preenchido !");
    static inline const QString kSenhaVazia = QStringLiteral("O Campo Senha Precisa ser Preenchido !");
    static inline const QString kSenhasDiferentes =
        QStringLiteral("Redigite a Senha Novamente as Senhas estão diferentes !");
    static inline const QString kProprioExclui = QStringLiteral("O Usuário Logado não pode Excluir a si Mesmo !");
    static inline const QString kProprioInativa = QStringLiteral("O Usuário Logado não pode Inativar a si Mesmo !");
    static inline const QString kUltimoExclui = QStringLiteral("Não é Possível Excluir o Último Usuário Ativo !");
    static inline const QString kUltimoInativa = QStringLiteral("Não é Possível Inativar o Último Usuário Ativo !");

    // The field a refused save sends the focus to.
    enum class Field { None, Nome, Login, Senha };

    explicit UserLogic(AppContext &ctx);

    // The code field got the focus: in "Inclui" the next code, every time
    // (nullopt in the other modes, or when it cannot be read: the save
    // allocates one then).
    std::optional<QString> proposeCode();
    bool ativo() const;
    void setAtivo(bool ativo);
    Field refusedAt() const { return m_refusedAt; }

protected:
    void loaded(const Row &row) override;
    bool check(std::optional<ModeSetup::Focus> &focus) override;
    bool checkRemove() override;
    void bindExtra(Params &params, RecordSave::Write write) const override;
    void alongside(Transaction &tx, RecordSave::Write write, const QString &code) override;

private:
    // The lockout rules before a deactivation or a delete; false after the error.
    bool mayLeaveActive(const QString &self, const QString &last);

    Field m_refusedAt = Field::None;
    bool m_wasActive = false;
};
