#pragma once

#include <QDialog>

class ConfigBancoDadosLogic;
class QLineEdit;
class QPushButton;

// Where vd.fdb lies, asked at start-up on a new installation. Thin over
// ConfigBancoDadosLogic; closing it with the title-bar button saves nothing.
class TfConfig_BancoDados final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfConfig_BancoDados)
public:
    explicit TfConfig_BancoDados(ConfigBancoDadosLogic &logic, QWidget *parent = nullptr);

    QLineEdit *folderField() const { return m_folder; }
    QPushButton *gravarButton() const { return m_gravar; }
    QPushButton *sairButton() const { return m_sair; }
    QPushButton *testarButton() const { return m_testar; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void testar();
    void gravar();
    void sair();
    void clearAndFocus();

    ConfigBancoDadosLogic &m_logic;
    QLineEdit *m_folder = nullptr;
    QPushButton *m_gravar = nullptr;
    QPushButton *m_sair = nullptr;
    QPushButton *m_testar = nullptr;
};
