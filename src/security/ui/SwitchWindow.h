#pragma once

#include "security/SwitchesLogic.h"

#include <QDialog>

struct AppContext;
class QComboBox;
class QPushButton;

// The shape of the three switch windows: a question, a "Não"/"Sim" choice
// read from Configuracoes at every showing, "Gravar" and "Fechar" (which
// closes without saving).
class SwitchWindow : public QDialog {
    Q_OBJECT
public:
    QComboBox *choice() const { return m_choice; }
    QPushButton *gravarButton() const { return m_gravar; }
    QPushButton *fecharButton() const { return m_fechar; }

protected:
    SwitchWindow(AppContext &ctx, SwitchesLogic::Switch which, const QString &name, const QString &caption,
                 const QString &question, QWidget *parent);
    void showEvent(QShowEvent *event) override;

private:
    void gravar();

    AppContext &m_ctx;
    SwitchesLogic m_logic;
    SwitchesLogic::Switch m_which;
    QComboBox *m_choice;
    QPushButton *m_gravar;
    QPushButton *m_fechar;
};

// "Configurações de Login de Usuário".
class TfConfig_Login final : public SwitchWindow {
    Q_OBJECT
public:
    explicit TfConfig_Login(AppContext &ctx, QWidget *parent = nullptr);
};

// "Deseja Gravar o Log das Operações dos Usuários ?".
class TfConfig_Log final : public SwitchWindow {
    Q_OBJECT
public:
    explicit TfConfig_Log(AppContext &ctx, QWidget *parent = nullptr);
};

// The permission switch.
class TfPermissao_Usuarios final : public SwitchWindow {
    Q_OBJECT
public:
    explicit TfPermissao_Usuarios(AppContext &ctx, QWidget *parent = nullptr);
};
