#pragma once

#include "stock/MovementMaintenanceLogic.h"

#include <QDialog>

class LedgerGrid;
class LookupWindow;
class PagedRowsModel;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

// The movement maintenance window ("Manutenção de Movimentação de Estoque").
class TfManutMovEstq final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfManutMovEstq)
public:
    static inline const QString kOrigem = QStringLiteral("ManutMovEstq");

    TfManutMovEstq(AppContext &ctx, LookupWindow &productLookup, QWidget *parent = nullptr);

    MovementMaintenanceLogic &logic() { return m_logic; }
    LedgerGrid *grid() const { return m_grid; }
    QLineEdit *codeField() const { return m_code; }
    QPushButton *filtrarButton() const { return m_filtrar; }
    QPushButton *somenteExcluirButton() const { return m_somenteExcluir; }
    QPushButton *excluirReverterButton() const { return m_excluirReverter; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void pull();
    void push();
    void openLookup();
    void rowsChanged();

    MovementMaintenanceLogic m_logic;
    LookupWindow &m_lookup;
    QDateEdit *m_dataInicial, *m_dataFinal;
    QLineEdit *m_code, *m_description;
    QToolButton *m_busca;
    QPushButton *m_filtrar, *m_somenteExcluir, *m_excluirReverter;
    PagedRowsModel *m_model;
    LedgerGrid *m_grid;
};
