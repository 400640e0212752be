#pragma once

#include "finance/CashFlow.h"

#include <QDialog>

class LedgerGrid;
class PagedRowsModel;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class TfDados_Caixa;

// The cash-flow list ("Manutenção de Fluxo de Caixa").
class TfManutCaixa final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfManutCaixa)
public:
    TfManutCaixa(AppContext &ctx, TfDados_Caixa &entry, QWidget *parent = nullptr);

    CashFlow &logic() { return m_logic; }
    LedgerGrid *grid() const { return m_grid; }
    QLineEdit *saldoField() const { return m_saldo; }
    QCheckBox *saldoAnteriorBox() const { return m_saldoAnterior; }
    QPushButton *filtrarButton() const { return m_filtrar; }
    QPushButton *novoButton() const { return m_novo; }
    QPushButton *excluirButton() const { return m_excluir; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void pull();
    void push();
    void openEntry(const QString &modo);

    AppContext &m_ctx;
    CashFlow m_logic;
    TfDados_Caixa &m_entry;
    QDateEdit *m_dataInicial, *m_dataFinal;
    QLineEdit *m_saldo;
    QCheckBox *m_saldoAnterior;
    QPushButton *m_filtrar, *m_novo, *m_excluir;
    PagedRowsModel *m_model;
    LedgerGrid *m_grid;
};
