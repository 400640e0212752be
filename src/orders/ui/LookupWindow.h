#pragma once

#include "core/ui/RecordListWindow.h"
#include "orders/LookupLogic.h"

#include <memory>

class QPushButton;

// A lookup dialog: the list shape with "Seleciona" and "Fechar". Openers
// register their receiving field in registry() and set Origem before showing it.
class LookupWindow : public RecordListWindow {
    Q_OBJECT
public:
    LookupWindow(AppContext &ctx, ListDescription description, QWidget *parent = nullptr);

    LookupLogic &logic() { return *m_lookup; }
    LookupRegistry &registry() { return m_lookup->registry(); }
    void setOrigem(const QString &origem) { m_lookup->setOrigem(origem); }
    QPushButton *selecionaButton() const { return m_seleciona; }

private:
    LookupWindow(std::unique_ptr<LookupLogic> logic, QWidget *parent);
    std::unique_ptr<LookupLogic> m_lookup;
    QPushButton *m_seleciona;
};
