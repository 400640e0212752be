#pragma once

#include "core/RecordListLogic.h"

#include <QDialog>

class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class ResultSetModel;

// The window shape of every register list and lookup: order choice, optional
// filter, search, read-only grid and a row of buttons the subclass adds.
class RecordListWindow : public QDialog {
    Q_OBJECT
public:
    RecordListWindow(RecordListLogic &logic, QWidget *parent = nullptr);

    QLineEdit *searchField() const { return m_search; }
    QPushButton *searchButton() const { return m_busca; }
    QRadioButton *codeOrderButton() const { return m_byCode; }
    QRadioButton *nameOrderButton() const { return m_byName; }
    QLabel *searchLabel() const { return m_searchLabel; }
    QTableView *grid() const { return m_grid; }

protected:
    void showEvent(QShowEvent *event) override;
    // Adds a button to the bottom row.
    QPushButton *addButton(const QString &caption);
    // Shows the logic's rows, order, labels and selection again; the columns
    // are fitted to the first rows unless kept as they are.
    enum class Columns { Fit, Keep };
    void refresh(Columns columns = Columns::Fit);
    RecordListLogic &m_logic;

private:
    void selectCurrent();
    void fitColumns();

    ResultSetModel *m_model;
    QTableView *m_grid;
    QRadioButton *m_byCode;
    QRadioButton *m_byName;
    QButtonGroup *m_filters = nullptr;
    QLabel *m_searchLabel;
    QLineEdit *m_search;
    QPushButton *m_busca;
    QHBoxLayout *m_buttons;
};
