#pragma once

#include "orders/OrderNotesLogic.h"

#include <QDialog>

class OrderEntryLogic;
class QPushButton;
class TMemoV;

// The notes of the order open in order entry ("Observações do Pedido").
class TfObsPed final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfObsPed)
public:
    explicit TfObsPed(OrderEntryLogic &order, QWidget *parent = nullptr);

    // Reads the stored notes and applies the mode; done before every showing.
    void prepareShowing();

    TMemoV *textField() const { return m_text; }
    QPushButton *saveButton() const { return m_gravar; }
    QPushButton *clearButton() const { return m_limpar; }
    QPushButton *closeButton() const { return m_fechar; }

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    OrderNotesLogic m_logic;
    TMemoV *m_text;
    QPushButton *m_gravar, *m_limpar, *m_fechar;
};
