#pragma once

#include "security/LoginLogic.h"

#include <QDialog>

struct AppContext;
class QLineEdit;
class QPushButton;

// The login window. Every way of closing it runs the closing check, except
// "Cancelar"; whether the program must end is read from logic() afterwards.
class TfLogin final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfLogin)
public:
    explicit TfLogin(AppContext &ctx, QWidget *parent = nullptr);

    LoginLogic &logic() { return m_logic; }
    const LoginLogic &logic() const { return m_logic; }

    // Runs the closing check first; a database error keeps the window open.
    void done(int result) override;

private:
    void entrar();
    void cancelar();

    AppContext &m_ctx;
    LoginLogic m_logic;
    QLineEdit *m_login;
    QLineEdit *m_senha;
    bool m_cancelling = false;
};
