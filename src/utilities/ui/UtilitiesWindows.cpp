#include "utilities/ui/UtilitiesWindows.h"

#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "utilities/BackupLogic.h"
#include "utilities/RestoreLogic.h"
#include "utilities/ui/TfBackup.h"
#include "utilities/ui/TfRestaura_Backup.h"

#include <QAction>
#include <QDir>

UtilitiesWindows::UtilitiesWindows(AppContext &ctx, QString workDir, QWidget *parent)
    : m_backupLogic(std::make_unique<BackupLogic>(ctx, workDir)),
      m_restoreLogic(std::make_unique<RestoreLogic>(ctx, workDir)),
      m_backup(std::make_unique<TfBackup>(*m_backupLogic, parent)),
      m_restore(std::make_unique<TfRestaura_Backup>(*m_restoreLogic, parent))
{
}

UtilitiesWindows::~UtilitiesWindows() = default;

void UtilitiesWindows::plugInto(TfPrincipal &principal, AppContext &ctx)
{
    auto made = std::make_shared<std::unique_ptr<UtilitiesWindows>>();
    auto windows = [made, main = &principal, context = &ctx]() -> UtilitiesWindows & {
        if (!*made)
            *made = std::make_unique<UtilitiesWindows>(*context, QDir::currentPath(), main);
        return **made;
    };
    principal.setAction(MenuAction::Backup, [windows] { windows().openBackup(); });
    principal.setAction(MenuAction::RestauraBackup, [windows, main = &principal] {
        if (!windows().openRestore())
            return;
        if (const MenuEntry *saida = MenuDefinition::findAction(MenuAction::Saida))
            if (QAction *end = main->menuAction(saida->path))
                end->trigger();
    });
}

void UtilitiesWindows::openBackup() { m_backup->exec(); }

bool UtilitiesWindows::openRestore()
{
    m_restore->exec();
    return m_restore->restored();
}
