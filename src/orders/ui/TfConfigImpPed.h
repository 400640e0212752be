#pragma once

#include "orders/TicketSettings.h"

#include <QDialog>

struct AppContext;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class TEditV;

// "Configuração da Impressão dos Pedidos": the printer type, the blank lines
// after a 40-column ticket, the notes switch and the printers standing for
// LPT1 and LPT2. Stays open after "Gravar"; "Fechar" closes it.
class TfConfigImpPed final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfConfigImpPed)
public:
    explicit TfConfigImpPed(AppContext &ctx, QWidget *parent = nullptr);

    TicketSettings &logic() { return m_logic; }
    void gravar();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TicketSettings m_logic;
    QRadioButton *m_tipos[5];
    TEditV *m_nroLin;
    QCheckBox *m_obs;
    QLineEdit *m_lpt1;
    QLineEdit *m_lpt2;
};
