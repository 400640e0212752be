#pragma once

#include "orders/OrderListLogic.h"
#include "orders/OrderStatusLogic.h"

#include <QDialog>
#include <functional>
#include <memory>

struct AppContext;
class OrderListModel;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// What order management opens: order entry, the delivery window and the
// ticket. Each one is connected by the module that owns that window.
struct OrderWindowHooks {
    // Order entry, modally, in mode "Inclui", "Altera" or "Consulta"; the
    // order's code is empty for "Inclui".
    std::function<void(const QString &modo, const QString &codPedido)> openOrderEntry;
    // The delivery window in mode "Saiu" or "Fechado"; true when its "Gravar"
    // saved during this opening.
    OrderStatusLogic::DeliveryWindow openDelivery;
    // The ticket of the order; "Imprimir" stays disabled until it is connected.
    std::function<void(const QString &codPedido)> printTicket;
};

// Order management ("Manutenção de Pedidos"): the orders of a period, the
// search, order entry and the status moves.
class TfManutPed final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfManutPed)
public:
    TfManutPed(AppContext &ctx, OrderWindowHooks hooks, QWidget *parent = nullptr);
    ~TfManutPed() override;

    OrderListLogic &list() { return m_list; }
    // Shows the list as the logic holds it now (after order entry or the
    // delivery window re-read it).
    void refresh();

    QTableView *grid() const { return m_grid; }
    QPushButton *button(const QString &caption) const;
    QCheckBox *statusBox(int index) const { return m_statusBoxes[index]; }
    QLineEdit *searchField() const { return m_search; }
    QDateEdit *dataInicial() const { return m_inicial; }
    QDateEdit *dataFinal() const { return m_final; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QStringList tickedStatuses() const;
    void runGuarded(const std::function<void()> &action);
    void openEntry(OrderListLogic::EntryButton button);
    void move(OrderStatus::Move move);
    void selectCurrent();

    AppContext &m_ctx;
    OrderWindowHooks m_hooks;
    OrderListLogic m_list;
    OrderStatusLogic m_status;
    OrderListModel *m_model;
    QTableView *m_grid;
    QRadioButton *m_byDate;
    QRadioButton *m_byCustomer;
    QRadioButton *m_byStatus;
    QDateEdit *m_inicial;
    QDateEdit *m_final;
    QRadioButton *m_searchName;
    QRadioButton *m_searchPhone;
    QRadioButton *m_searchCode;
    QLineEdit *m_search;
    QCheckBox *m_statusBoxes[5];
    QList<QPushButton *> m_buttons;
};
