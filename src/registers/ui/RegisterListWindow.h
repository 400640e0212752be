#pragma once

#include "core/RecordMode.h"
#include "core/ui/RecordListWindow.h"

#include <memory>

class QPushButton;
class RecordDataWindow;

// A register list: the list shape with "Novo", "Altera", "Exclui"/"Excluir",
// "Consulta" (each behind its module gate) and "Fechar". A button opens the
// register's data window in its mode on the selected row; a save there
// re-reads the list.
class RegisterListWindow : public RecordListWindow {
    Q_OBJECT
public:
    RegisterListWindow(std::unique_ptr<RecordListLogic> logic, RecordDataWindow &data, QWidget *parent = nullptr);
    ~RegisterListWindow() override;

    RecordListLogic &logic() { return *m_owned; }
    QPushButton *button(RecordListLogic::Button which) const { return m_actions[int(which)]; }
    // Re-reads the rows after a save, keeping order, filter and the selected code.
    void reloadList();

protected:
    // Opens the data window in a mode on a code (empty when adding).
    virtual void openData(Modo modo, const QString &code);

private:
    std::unique_ptr<RecordListLogic> m_owned;
    RecordDataWindow &m_data;
    QPushButton *m_actions[4];
};
