#pragma once

#include "finance/CommissionList.h"

#include <QDialog>

class LedgerGrid;
class LookupWindow;
class PagedRowsModel;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

// The commission window ("Manutenção de Comissão de Entregadores").
class TfManutCCE final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfManutCCE)
public:
    static inline const QString kOrigem = QStringLiteral("fManutCCE");

    // The delivery-person lookup hands its code back under kOrigem.
    TfManutCCE(AppContext &ctx, LookupWindow &deliveryLookup, QWidget *parent = nullptr);

    CommissionList &logic() { return m_logic; }
    LedgerGrid *grid() const { return m_grid; }
    QLineEdit *codeField() const { return m_codEnt; }
    QCheckBox *statusBox(int index) const { return m_status[index]; }
    QLineEdit *totalField(int index) const { return m_totals[index]; }
    QPushButton *filtrarButton() const { return m_filtrar; }
    QPushButton *pagarButton() const { return m_pagar; }
    QPushButton *cancelarButton() const { return m_cancelar; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void pull();
    void push();
    void openLookup();
    void rowsChanged(int keep = 0);

    CommissionList m_logic;
    LookupWindow &m_lookup;
    QDateEdit *m_dataInicial, *m_dataFinal;
    QLineEdit *m_codEnt, *m_nomeEnt;
    QToolButton *m_busca;
    QPushButton *m_filtrar, *m_pagar, *m_cancelar;
    QCheckBox *m_status[3];
    QLineEdit *m_totals[3];
    PagedRowsModel *m_model;
    LedgerGrid *m_grid;
};
