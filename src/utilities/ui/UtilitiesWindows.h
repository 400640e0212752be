#pragma once

#include <QString>
#include <functional>
#include <memory>

struct AppContext;
class BackupLogic;
class QWidget;
class RestoreLogic;
class TfBackup;
class TfPrincipal;
class TfRestaura_Backup;

// The backup and restore windows, created once and reused for the run.
class UtilitiesWindows {
public:
    UtilitiesWindows(AppContext &ctx, QString workDir, QWidget *parent);
    ~UtilitiesWindows();
    UtilitiesWindows(const UtilitiesWindows &) = delete;
    UtilitiesWindows &operator=(const UtilitiesWindows &) = delete;

    // Enables "Utilitários > Backup" and "Utilitários > Restaura Backup"; the
    // windows are made the first time either item is chosen. A successful
    // restore ends the program through the main menu's "Saída".
    static void plugInto(TfPrincipal &principal, AppContext &ctx);

    void openBackup();
    // True when the backup was restored: the program must end now, without
    // connecting again.
    bool openRestore();

    TfBackup &backupWindow() { return *m_backup; }
    TfRestaura_Backup &restoreWindow() { return *m_restore; }

private:
    std::unique_ptr<BackupLogic> m_backupLogic;
    std::unique_ptr<RestoreLogic> m_restoreLogic;
    std::unique_ptr<TfBackup> m_backup;
    std::unique_ptr<TfRestaura_Backup> m_restore;
};
