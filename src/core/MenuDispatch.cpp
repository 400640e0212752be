#include "core/MenuDispatch.h"

#include "core/Funcoes.h"

void MenuDispatch::setAction(const QString &actionId, std::function<void()> action)
{
    m_actions.insert(actionId, std::move(action));
}

bool MenuDispatch::hasAction(const QString &actionId) const
{
    const auto it = m_actions.constFind(actionId);
    return it != m_actions.constEnd() && bool(*it);
}

bool MenuDispatch::gate(const MenuEntry &entry)
{
    return entry.code.isEmpty() || Funcoes::permissionGate(m_ctx, entry.code);
}

void MenuDispatch::topLevelOpened(const MenuEntry &entry)
{
    gate(entry);
}

bool MenuDispatch::submenuOpened(const MenuEntry &entry)
{
    return gate(entry);
}

bool MenuDispatch::itemChosen(const MenuEntry &entry)
{
    if (!hasAction(entry.actionId))
        return false;
    if (!gate(entry))
        return false;
    // A copy: the action may register or replace actions while it runs.
    const std::function<void()> action = m_actions.value(entry.actionId);
    action();
    return true;
}
