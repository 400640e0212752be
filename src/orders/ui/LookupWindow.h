#pragma once

#include "core/ui/RecordListWindow.h"
#include "orders/LookupLogic.h"

#include <memory>
#include <optional>

class QPushButton;

// A lookup dialog: the list shape with "Seleciona" and "Fechar". An opener
// calls choose() and takes the code it returns (or listens to selected()).
// Openers still on the older protocol register their receiving field in
// registry() and set Origem before showing it.
class LookupWindow : public RecordListWindow {
    Q_OBJECT
public:
    LookupWindow(AppContext &ctx, ListDescription description, QWidget *parent = nullptr);

    LookupLogic &logic() { return *m_lookup; }
    LookupRegistry &registry() { return m_lookup->registry(); }
    void setOrigem(const QString &origem) { m_lookup->setOrigem(origem); }
    QPushButton *selecionaButton() const { return m_seleciona; }
    // Shows the lookup modally: the selected row's code when "Seleciona"
    // closed it (empty on an empty list), nullopt when "Fechar" did.
    std::optional<QString> choose();

signals:
    void selected(const QString &code);

private:
    LookupWindow(std::unique_ptr<LookupLogic> logic, QWidget *parent);
    std::unique_ptr<LookupLogic> m_lookup;
    QPushButton *m_seleciona;
    std::optional<QString> m_chosen;
};
