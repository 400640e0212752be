#pragma once

#include "orders/OrderItemLogic.h"
#include "orders/ui/OrderWindowParts.h"

#include <QDialog>

class OrderEntryLogic;
class QPushButton;
class TEditV;
class TMemoV;
class TfBusca_Produtos;

// Item entry ("Inclusão de Itens "): one product at a time for the order open
// in order entry; each "Gravar" commits the item and clears the window for the next.
class TfDadosIPed final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosIPed)
public:
    explicit TfDadosIPed(OrderEntryLogic &order, QWidget *parent = nullptr);

    OrderItemLogic &logic() { return m_logic; }
    void setModalRunner(OrderWindowParts::ModalRunner runner) { m_runModal = std::move(runner); }
    // "Limpar", done before every showing.
    void prepareShowing();

    TEditV *codeField() const { return m_codPro; }
    TEditV *descriptionField() const { return m_desc; }
    TEditV *quantityField() const { return m_quant; }
    TEditV *priceField() const { return m_valor; }
    TEditV *totalField() const { return m_total; }
    TMemoV *noteField() const { return m_obs; }
    QPushButton *saveButton() const { return m_gravar; }
    QPushButton *closeButton() const { return m_fechar; }

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void push();
    void gravar();
    void productLookup();

    OrderEntryLogic &m_order;
    OrderItemLogic m_logic;
    OrderWindowParts::ModalRunner m_runModal = OrderWindowParts::execRunner();
    TfBusca_Produtos *m_busca = nullptr;
    TEditV *m_codPro, *m_desc, *m_quant, *m_valor, *m_total;
    TMemoV *m_obs;
    QPushButton *m_buscaButton, *m_gravar, *m_limpar, *m_fechar;
};
