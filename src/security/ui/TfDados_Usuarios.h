#pragma once

#include "core/ui/RecordDataWindow.h"
#include "security/UserLogic.h"

#include <functional>

class QComboBox;

// The user data window. The list sets Modo and the selected code on logic()
// before each opening. The code is never typed: entering its field gives the
// next code in "Inclui" and moves on to the name in every mode.
class TfDados_Usuarios final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDados_Usuarios)
public:
    explicit TfDados_Usuarios(AppContext &ctx, QWidget *parent = nullptr);

    UserLogic &logic() { return m_logic; }
    // Called after a save that changed the list's rows.
    std::function<void()> onListChanged;

    QLineEdit *codeField() const { return m_codigo; }
    QLineEdit *nameField() const { return m_nome; }
    QLineEdit *loginField() const { return m_login; }
    QLineEdit *passwordField() const { return m_senha; }
    QLineEdit *repeatField() const { return m_senha2; }
    QComboBox *activeChoice() const { return m_ativo; }
    QDateEdit *dateField() const { return m_dcad; }

protected:
    ModeSetup prepare() override;
    void push() override;

private:
    void pull();
    void gravar();

    UserLogic m_logic;
    QLineEdit *m_codigo;
    QLineEdit *m_nome;
    QLineEdit *m_login;
    QLineEdit *m_senha;
    QLineEdit *m_senha2;
    QComboBox *m_ativo;
    QDateEdit *m_dcad;
};
