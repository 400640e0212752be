#pragma once

#include <QDialog>

class BackupLogic;
class QLabel;
class QLineEdit;
class QPushButton;
class WorkIndicator;

// "Backup dos Dados do Sistema": thin over BackupLogic. Each showing starts
// again from the default backup file.
class TfBackup final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfBackup)
public:
    explicit TfBackup(BackupLogic &logic, QWidget *parent = nullptr);

    QLineEdit *fileField() const { return m_file; }
    QLabel *noteLabel() const { return m_note; }
    QPushButton *gerarButton() const { return m_gerar; }
    QPushButton *escolherButton() const { return m_escolher; }
    QPushButton *fecharButton() const { return m_fechar; }
    WorkIndicator *workIndicator() const { return m_work; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refresh();

    BackupLogic &m_logic;
    QLineEdit *m_file = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_gerar = nullptr;
    QPushButton *m_escolher = nullptr;
    QPushButton *m_fechar = nullptr;
    WorkIndicator *m_work = nullptr;
};
