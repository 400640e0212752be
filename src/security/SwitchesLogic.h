#pragma once

#include <QString>

struct AppContext;

// The three switches of Configuracoes as their windows read and write them.
// Permissions and the audit log need the login: turning the login off turns
// the other two off with it, and they cannot be saved while it is off. The
// login cannot be turned on while no user is active (nobody could log in).
// The running program keeps the values it read at start.
class SwitchesLogic {
public:
    enum class Switch { Login, Permissao, Log };

    static inline const QString kReiniciar =
        QStringLiteral("Para que as novas Configurações façam efeito é necessário reiniciar o Programa");
    static inline const QString kPermissaoSemLogin =
        QStringLiteral("O Login de Usuários Precisa estar Habilitado para ter PERMISSÃO de Usuários");
    static inline const QString kLogSemLogin =
        QStringLiteral("O Login de Usuários Precisa estar Habilitado para ter LOG de Usuários");
    static inline const QString kLoginSemUsuarioAtivo =
        QStringLiteral("Não há Usuário Ativo Cadastrado, Cadastre um Usuário Ativo antes de Habilitar o Login !");
    static inline const QString kFalhaLogin = QStringLiteral("Não Consegui Alterar, Tente Novamente");
    static inline const QString kFalhaConfiguracao =
        QStringLiteral("Não Consegui Alterar a Configuração, Tente Novamente !\rErro:  ");

    struct SaveResult {
        bool saved = false;
        bool chooseNao = false; // refused: the window sets its choice back to "Não"
    };

    explicit SwitchesLogic(AppContext &ctx) : m_ctx(ctx) {}

    // On showing: true ("Sim") when the stored switch is "S".
    bool isOn(Switch which);
    // "Gravar". Every refusal and failure shows its own box; success shows
    // that the change needs a restart.
    SaveResult save(Switch which, bool sim);

private:
    QString loginStored();
    // False, with nothing saved, when turning it on finds no active user.
    bool saveLogin(bool sim);
    void saveDependent(Switch which, bool sim);

    AppContext &m_ctx;
};
