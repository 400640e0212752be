#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class RestoreLogic;
class WorkIndicator;

// "Restaura Backup dos Dados Cadastrados": thin over RestoreLogic. After a
// successful restore the window closes with restored() true, and whoever
// opened it ends the program.
class TfRestaura_Backup final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfRestaura_Backup)
public:
    explicit TfRestaura_Backup(RestoreLogic &logic, QWidget *parent = nullptr);

    bool restored() const { return m_restored; }

    QLineEdit *backupField() const { return m_backup; }
    QLineEdit *databaseField() const { return m_database; }
    QLabel *noteLabel() const { return m_note; }
    QPushButton *procurarButton() const { return m_procurar; }
    QPushButton *escolheButton() const { return m_escolhe; }
    QPushButton *restaurarButton() const { return m_restaurar; }
    QPushButton *fecharButton() const { return m_fechar; }
    WorkIndicator *workIndicator() const { return m_work; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void restaurar();
    void refresh();

    RestoreLogic &m_logic;
    QLineEdit *m_backup = nullptr;
    QLineEdit *m_database = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_procurar = nullptr;
    QPushButton *m_escolhe = nullptr;
    QPushButton *m_restaurar = nullptr;
    QPushButton *m_fechar = nullptr;
    WorkIndicator *m_work = nullptr;
    bool m_restored = false;
};
