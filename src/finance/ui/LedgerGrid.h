#pragma once

#include <QTableView>

class PagedRowsModel;

// The read-only, whole-row, striped grid of the ledger windows (movements,
// commissions, cash), over rows read as it scrolls.
class LedgerGrid final : public QTableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LedgerGrid)
public:
    LedgerGrid(PagedRowsModel *model, QWidget *parent);

    // After the rows were read again: shows them, selects the row at `keep`
    // (or the last one when fewer are there) and sizes the columns to what the
    // first page shows.
    void rowsChanged(int keep = 0);
    // The selected row; -1 when none (an empty grid).
    int selectedRow() const;

private:
    PagedRowsModel *m_model;
};
