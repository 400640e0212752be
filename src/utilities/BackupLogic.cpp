#include "utilities/BackupLogic.h"

#include "core/AppContext.h"
#include "core/DataModuleConexao.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "utilities/FileSwap.h"

#include <QDir>
#include <QFileInfo>

BackupLogic::BackupLogic(AppContext &ctx, QString workDir) : m_ctx(ctx), m_workDir(std::move(workDir)) {}

void BackupLogic::prepare()
{
    m_location = DatabaseLocation::find(DataModuleConexao(m_ctx.db, m_workDir));
    m_backupFile = m_location.onServer() ? m_location.fileInFolder(kArquivoPadrao)
                                         : QDir(m_workDir).absoluteFilePath(kArquivoPadrao);
}

QString BackupLogic::whereNote() const
{
    if (!m_location.onServer())
        return {};
    return QStringLiteral("O Backup é Gravado no Servidor %1, no Local Acima.").arg(m_location.host);
}

void BackupLogic::escolherPasta()
{
    QString chosen = m_ctx.messages.saveFileName(QStringLiteral("Backup dos Dados do Sistema"), m_backupFile,
                                                 QStringLiteral("Backup (*.gbk)"));
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".gbk");
    m_backupFile = chosen;
}

bool BackupLogic::gerarBackup(const WorkObserver &observer)
{
    if (QDir::cleanPath(m_backupFile) == QDir::cleanPath(m_location.databaseFile())) {
        m_ctx.messages.warning(kFalha + kSobreOBanco);
        return false;
    }
    // Files on another machine cannot be renamed from here: there the server
    // writes the chosen name itself.
    const bool viaTemporary = m_location.filesReachable();
    const QString written = viaTemporary ? m_backupFile + kSufixoTemporario : m_backupFile;
    QString failure;
    if (observer.started)
        observer.started();
    try {
        if (viaTemporary)
            FileSwap::remove(written);
        ServiceManager::backup({.service = m_location.serviceManager(), .embedded = m_location.embedded},
                               m_location.databaseFile(), written, observer.progress);
        if (viaTemporary)
            failure = FileSwap::replace(written, m_backupFile);
    } catch (const DbError &e) {
        failure = e.message();
    }
    if (!failure.isEmpty() && viaTemporary)
        FileSwap::remove(written);
    if (observer.finished)
        observer.finished();
    if (!failure.isEmpty()) {
        m_ctx.messages.warning(kFalha + failure);
        return false;
    }
    m_ctx.messages.information(kSucesso);
    return true;
}
