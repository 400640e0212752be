#pragma once

#include "core/RecordMode.h"

#include <QDate>
#include <QString>
#include <optional>

struct AppContext;

// The user data window's logic: loading a user, the next code, and the three
// saves, each in one transaction with its audit line. A new user gets its 54
// permission rows, all granted, in the same transaction; rows left under a
// reused code are removed first. Nobody can lock everyone out: the logged-in
// user cannot delete or deactivate itself, and the last active user cannot be
// deleted or deactivated. The password is read only to be changed: it is
// never shown in "Consulta" or "Exclui".
class UserLogic {
public:
    static constexpr int kNomeWidth = 50;
    static constexpr int kLoginWidth = 10;
    static constexpr int kSenhaWidth = 10;

    static inline const QString kNomeVazio =
        QStringLiteral("O Campo Nome Completo do Usuários Precisa ser Preenchido !");
    static inline const QString kLoginVazio = QStringLiteral("O Campo Login Precisa ser Preenchido !");
    static inline const QString kSenhaVazia = QStringLiteral("O Campo Senha Precisa ser Preenchido !");
    static inline const QString kSenhasDiferentes =
        QStringLiteral("Redigite a Senha Novamente as Senhas estão diferentes !");
    static inline const QString kFalhaInclui = QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ");
    static inline const QString kFalhaAltera = QStringLiteral("Não Consegui Alterar, Tente Novamente !\rErro:  ");
    static inline const QString kFalhaExclui = QStringLiteral("Não Consegui Excluir, Tente Novamente !\rErro:  ");
    static inline const QString kProprioExclui = QStringLiteral("O Usuário Logado não pode Excluir a si Mesmo !");
    static inline const QString kProprioInativa = QStringLiteral("O Usuário Logado não pode Inativar a si Mesmo !");
    static inline const QString kUltimoExclui = QStringLiteral("Não é Possível Excluir o Último Usuário Ativo !");
    static inline const QString kUltimoInativa = QStringLiteral("Não é Possível Inativar o Último Usuário Ativo !");
    static inline const QString kNaoEncontrado = QStringLiteral("Usuário não encontrado, excluído em outra estação");

    struct Values {
        QString codigo;
        QString nome;
        QString login;
        QString senha;
        QString senha2; // "Redigite a Senha:"
        bool ativo = true;
        QDate dcad;
    };

    // Where the focus goes after a refused save.
    enum class Field { None, Nome, Login, Senha };
    struct SaveResult {
        bool saved = false;
        bool closeWindow = false; // "Altera" and "Exclui"; "Inclui" stays open, cleared
        Field focus = Field::None;
    };

    explicit UserLogic(AppContext &ctx) : m_ctx(ctx) {}
    UserLogic(const UserLogic &) = delete;
    UserLogic &operator=(const UserLogic &) = delete;

    // Inputs set by the list before every showing.
    void setModo(const QString &modo) { m_modo = RecordMode::fromText(modo); }
    void setSelectedCode(const QString &code) { m_selectedCode = code; }

    // Showing: cleared, then the selected user read in the modes that show
    // one. Throws DbError when it cannot be read.
    void prepare();
    Modo modo() const { return m_modo; }
    ModeSetup modeSetup() const;

    const Values &values() const { return m_values; }
    Values &values() { return m_values; }

    // The code field got the focus: in "Inclui" the next code (nullopt when
    // it could not be read: saving allocates one then).
    std::optional<QString> enterCode();
    // "Limpar".
    void clear();
    // "Gravar" / "Excluir". On failure every field keeps what was typed.
    SaveResult save();

    // Highest code plus one, "000001" on an empty table.
    static QString nextCode(AppContext &ctx);

private:
    SaveResult insert();
    SaveResult update();
    SaveResult remove();

    AppContext &m_ctx;
    Modo m_modo = Modo::Consulta;
    QString m_selectedCode;
    Values m_values;
};
