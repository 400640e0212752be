#pragma once

#include "security/ConsultaLogLogic.h"

#include <QDialog>

struct AppContext;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableView;
class ResultSetModel;

// "Consulta de Log de Usuários": a user picked by code or login (or none for
// everybody), a period, "Filtrar" and the grid of audit-log lines.
class TfConsulta_Log final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfConsulta_Log)
public:
    explicit TfConsulta_Log(AppContext &ctx, QWidget *parent = nullptr);

    ConsultaLogLogic &logic() { return m_logic; }
    QLineEdit *codeField() const { return m_codigo; }
    QLineEdit *loginField() const { return m_login; }
    QLineEdit *nameField() const { return m_nome; }
    QDateEdit *startDate() const { return m_inicial; }
    QDateEdit *endDate() const { return m_final; }
    QPushButton *filtrarButton() const { return m_filtrar; }
    QTableView *grid() const { return m_grid; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showPick(const UserRules::Pick &pick, QLineEdit *stayIn);
    void filtrar();

    AppContext &m_ctx;
    ConsultaLogLogic m_logic;
    QLineEdit *m_codigo;
    QLineEdit *m_login;
    QLineEdit *m_nome;
    QDateEdit *m_inicial;
    QDateEdit *m_final;
    QPushButton *m_filtrar;
    QTableView *m_grid;
    ResultSetModel *m_model;
};
