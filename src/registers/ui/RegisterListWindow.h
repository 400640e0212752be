#pragma once

#include "core/ui/RecordListWindow.h"

#include <functional>
#include <memory>

class QPushButton;

// A register list: the list shape with "Novo", "Altera", "Exclui"/"Excluir",
// "Consulta" (each behind its module gate) and "Fechar". What a button opens
// is given by the concrete list.
class RegisterListWindow : public RecordListWindow {
    Q_OBJECT
public:
    RegisterListWindow(std::unique_ptr<RecordListLogic> logic, QWidget *parent = nullptr);
    ~RegisterListWindow() override;

    RecordListLogic &logic() { return *m_owned; }
    QPushButton *button(RecordListLogic::Button which) const { return m_actions[int(which)]; }
    // Re-reads the rows after a save, keeping order, filter and the selected code.
    void reloadList();

protected:
    // Opens the data window in a mode ("Inclui", ...) on the selected code.
    virtual void openData(const QString &modo, const QString &code) = 0;

private:
    std::unique_ptr<RecordListLogic> m_owned;
    QPushButton *m_actions[4];
};
