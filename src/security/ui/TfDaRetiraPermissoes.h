#pragma once

#include "security/PermissionsLogic.h"

#include <QDialog>

struct AppContext;
class QAbstractItemModel;
class QLineEdit;
class QPushButton;
class QTableView;
class ResultSetModel;

// "Dá/Retira Permissão de Usuários": a user's module rows, the revoked ones
// in red; "Altera" toggles the selected row.
class TfDaRetiraPermissoes final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDaRetiraPermissoes)
public:
    explicit TfDaRetiraPermissoes(AppContext &ctx, QWidget *parent = nullptr);

    PermissionsLogic &logic() { return m_logic; }
    QLineEdit *codeField() const { return m_codigo; }
    QLineEdit *loginField() const { return m_login; }
    QLineEdit *nameField() const { return m_nome; }
    QPushButton *mostrarButton() const { return m_mostrar; }
    QPushButton *alteraButton() const { return m_altera; }
    QTableView *grid() const { return m_grid; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void leaveCode();
    void mostrar();
    void altera();
    void refresh(int keepRow);

    AppContext &m_ctx;
    PermissionsLogic m_logic;
    QLineEdit *m_codigo;
    QLineEdit *m_login;
    QLineEdit *m_nome;
    QPushButton *m_mostrar;
    QPushButton *m_altera;
    QTableView *m_grid;
    ResultSetModel *m_model;
};
