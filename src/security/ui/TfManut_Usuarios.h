#pragma once

#include "security/UserListLogic.h"

#include <QDialog>

struct AppContext;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class ResultSetModel;
class TfDados_Usuarios;

// "Manutencao de Usuários": the user list in three orders with its quick
// search; its buttons open the data window in their mode on the selected user.
class TfManut_Usuarios final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfManut_Usuarios)
public:
    TfManut_Usuarios(AppContext &ctx, TfDados_Usuarios &data, QWidget *parent = nullptr);

    UserListLogic &logic() { return m_logic; }
    QRadioButton *orderButton(UserListLogic::Order order) const { return m_orders[int(order)]; }
    QLabel *searchLabel() const { return m_searchLabel; }
    QLineEdit *searchField() const { return m_search; }
    QPushButton *buscaButton() const { return m_busca; }
    QPushButton *button(Modo modo) const { return m_buttons[int(modo)]; }
    QTableView *grid() const { return m_grid; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void open(Modo modo);
    void refresh();

    AppContext &m_ctx;
    UserListLogic m_logic;
    TfDados_Usuarios &m_data;
    QRadioButton *m_orders[3];
    QLabel *m_searchLabel;
    QLineEdit *m_search;
    QPushButton *m_busca;
    QPushButton *m_buttons[4];
    QTableView *m_grid;
    ResultSetModel *m_model;
};
