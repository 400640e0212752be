#pragma once

#include "orders/OrderEntryLogic.h"
#include "orders/ui/OrderWindowParts.h"
#include "registers/CustomerRequest.h"

#include <QDialog>
#include <functional>

class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;
class QTimeEdit;
class ResultSetModel;
class TEditV;
class TfBuscaCli;
class TfDadosEntrega;
class TfDadosIPed;
class TfObsPed;

// Order entry ("Cadastro de Pedidos"). The order list opens it with
// openOrder(mode, code). It is left only through "Finalizar": Esc and the
// title bar never close it, so no order is left with items and stock taken
// that no list shows. F4 delivery data, F5 customer lookup, F7 new customer,
// F8 change customer, F9 view customer, wherever the focus is.
class TfDadosPed final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosPed)
public:
    using CustomerOpener = std::function<CustomerDataOutcome(const CustomerRequest &)>;

    explicit TfDadosPed(AppContext &ctx, QWidget *parent = nullptr);
    ~TfDadosPed() override;

    // Prepares the window for the mode ("Inclui": a new order; "Altera",
    // "Consulta": the order `code`) and shows it modally. False, with nothing
    // shown, when the order could not be opened.
    bool openOrder(OrderMode mode, const QString &code = {});
    // Prepares only; the caller shows the window.
    bool prepare(OrderMode mode, const QString &code = {});

    OrderEntryLogic &logic() { return m_logic; }
    // How the item, delivery, notes and lookup windows are shown (tests drive them).
    void setModalRunner(OrderWindowParts::ModalRunner runner);
    // Opens the customer data window; by default the register windows of the main window.
    void setCustomerOpener(CustomerOpener opener) { m_openCustomer = std::move(opener); }

    TfDadosIPed &itemWindow();
    TfDadosEntrega &deliveryWindow();
    TfObsPed &notesWindow();

    TEditV *numberField() const { return m_codigo; }
    TEditV *customerCodeField() const { return m_codCli; }
    TEditV *telephoneField() const { return m_fone; }
    TEditV *discountField() const { return m_desconto; }
    TEditV *itemsTotalField() const { return m_totalItens; }
    TEditV *deliveryValueField() const { return m_valorEntrega; }
    TEditV *totalField() const { return m_total; }
    QLabel *statusLabel() const { return m_situacao; }
    TEditV *customerNameField() const { return m_nome; }
    QTableView *itemsGrid() const { return m_grid; }
    QPushButton *addItemButton() const { return m_cadItem; }
    QPushButton *removeItemButton() const { return m_excluirItem; }
    QPushButton *finishButton() const { return m_finalizar; }
    QPushButton *deliveryButton() const { return m_entrega; }
    QPushButton *notesButton() const { return m_obs; }

signals:
    // A finished or deleted order: the order list reads its rows again.
    void listChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void push();
    void pushCustomer();
    void pushFigures();
    void afterCustomerSearch(OrderEntryLogic::CustomerSearch result, TEditV *field, OrderField order);
    CustomerDataOutcome openCustomer(const CustomerRequest &request);
    void newCustomer();
    void changeCustomer();
    void viewCustomer();
    void customerLookup();
    void addItem();
    void removeItem();
    void deliveryData();
    void notes();
    void finish();
    void bindKey(int key, void (TfDadosPed::*action)());

    AppContext &m_ctx;
    OrderEntryLogic m_logic;
    OrderWindowParts::ModalRunner m_runModal = OrderWindowParts::execRunner();
    CustomerOpener m_openCustomer;
    TfDadosIPed *m_itemWindow = nullptr;
    TfDadosEntrega *m_deliveryWindow = nullptr;
    TfObsPed *m_notesWindow = nullptr;
    TfBuscaCli *m_buscaCli = nullptr;
    bool m_finishing = false;

    TEditV *m_codigo, *m_codCli, *m_fone, *m_nome, *m_ender, *m_numero, *m_comple, *m_bairro, *m_cid, *m_uf;
    QDateEdit *m_data;
    QTimeEdit *m_hora;
    QLabel *m_situacao;
    QTableView *m_grid;
    ResultSetModel *m_model;
    QPushButton *m_novoCli, *m_alteraCli, *m_buscaCliButton, *m_verCli;
    QPushButton *m_cadItem, *m_excluirItem, *m_finalizar, *m_consProdutos, *m_entrega, *m_obs;
    TEditV *m_totalItens, *m_valorEntrega, *m_desconto, *m_total;
};
