#pragma once

#include <QString>

struct AppContext;

// The login: finds an active user by login name and password exactly as
// typed and fills the session's user values. A failed or abandoned login ends the
// program; that is a request the window's owner reads (programEndRequested),
// never an exit from here.
class LoginLogic {
public:
    static inline const QString kTenteNovamente = QStringLiteral("Login ou Senha não Cadastrados, Tente Novamente");
    static inline const QString kSistemaFechado =
        QStringLiteral("Login ou Senha não Cadastrados, o Sistema será Fechado !");

    explicit LoginLogic(AppContext &ctx) : m_ctx(ctx) {}

    // "Entrar": true when the user was found (CodUsuario and LoginUsuario set;
    // the window closes); otherwise the warning and the window stays.
    bool entrar(const QString &login, const QString &senha);
    // The check that runs on every way of closing except "Cancelar": true lets
    // the window close with CodUsuario set; false shows the warning and
    // requests the end of the program (the window closes all the same).
    bool closingCheck(const QString &login, const QString &senha);
    // "Cancelar": requests the end of the program at once, without a message.
    void cancelar() { m_endRequested = true; }

    bool programEndRequested() const { return m_endRequested; }
    // The main window's second status panel.
    QString statusPanel() const;

private:
    struct User {
        bool found = false;
        QString codigo;
        QString login;
    };
    User lookup(const QString &login, const QString &senha);

    AppContext &m_ctx;
    bool m_endRequested = false;
};
