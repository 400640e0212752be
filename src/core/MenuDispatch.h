#pragma once

#include "core/MenuDefinition.h"

#include <QHash>
#include <QString>
#include <functional>

struct AppContext;

// What the main menu does when a title is opened or an item chosen: the
// permission gate with the entry's module code, then the registered action.
class MenuDispatch {
public:
    explicit MenuDispatch(AppContext &ctx) : m_ctx(ctx) {}

    // Registers (or replaces) the action of the item with this id.
    void setAction(const QString &actionId, std::function<void()> action);
    bool hasAction(const QString &actionId) const;

    // A menu-bar title was opened: a denied gate only warns, the items below
    // keep their own gates.
    void topLevelOpened(const MenuEntry &entry);
    // A submenu title was opened: false (after the warning) when its items
    // must not be offered.
    bool submenuOpened(const MenuEntry &entry);
    // An item was chosen: the gate, then its action. Returns true when the
    // action ran.
    bool itemChosen(const MenuEntry &entry);

private:
    bool gate(const MenuEntry &entry);

    AppContext &m_ctx;
    QHash<QString, std::function<void()>> m_actions;
};
