#pragma once

#include "orders/DeliveryLogic.h"
#include "orders/ui/OrderWindowParts.h"

#include <QDialog>

class OrderEntryLogic;
class QDateTimeEdit;
class QLabel;
class QPushButton;
class TEditV;
class TfBuscaEnt;
class TfBuscaReg;

// The delivery and payment window ("Dados da Entrega"). Order entry opens it
// for its order; order management opens it alone for the departure ("Saiu")
// and the closing ("Fechado") and then reads logic(): order code, delivery
// person, region, delivery total, amount paid, closing date and whether
// "Gravar" saved during this opening.
class TfDadosEntrega final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosEntrega)
public:
    explicit TfDadosEntrega(AppContext &ctx, QWidget *parent = nullptr);
    ~TfDadosEntrega() override;

    // Prepare and show modally; false (nothing shown) when the order cannot be read.
    bool openFromOrderEntry(OrderEntryLogic &order);
    bool openForTransition(OrderMode mode, const QString &orderCode);
    // Prepare only (the caller shows the window).
    bool prepareFromOrderEntry(OrderEntryLogic &order);
    bool prepareForTransition(OrderMode mode, const QString &orderCode);

    DeliveryLogic &logic() { return m_logic; }
    void setModalRunner(OrderWindowParts::ModalRunner runner) { m_runModal = std::move(runner); }

    TEditV *regionField() const { return m_codReg; }
    TEditV *quantityField() const { return m_quant; }
    TEditV *unitValueField() const { return m_valor; }
    TEditV *paidField() const { return m_pago; }
    TEditV *changeField() const { return m_troco; }
    TEditV *orderTotalField() const { return m_total; }
    TEditV *deliveryTotalField() const { return m_totalEntrega; }
    TEditV *deliveryPersonField() const { return m_codEnt; }
    QPushButton *saveButton() const { return m_gravar; }
    QPushButton *closeButton() const { return m_fechar; }

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void push();
    void pushFigures();
    void arrange();
    void gravar();
    void openRegionLookup();
    void openPersonLookup();

    AppContext &m_ctx;
    DeliveryLogic m_logic;
    OrderWindowParts::ModalRunner m_runModal = OrderWindowParts::execRunner();
    TfBuscaReg *m_buscaReg = nullptr;
    TfBuscaEnt *m_buscaEnt = nullptr;
    TEditV *m_codPed, *m_codReg, *m_descReg, *m_quant, *m_valor, *m_totalEntrega, *m_total, *m_pago, *m_troco,
        *m_codEnt, *m_nomeEnt;
    QPushButton *m_buscaRegButton, *m_buscaEntButton, *m_gravar, *m_fechar;
    QLabel *m_saidaLabel, *m_fechLabel;
    QDateTimeEdit *m_saida, *m_fechamento;
};
