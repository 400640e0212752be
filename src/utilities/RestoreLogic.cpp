#include "utilities/RestoreLogic.h"

#include "core/AppContext.h"
#include "core/DataModuleConexao.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "utilities/FileSwap.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kOtherConnections = QStringLiteral(
    "Select Count(*) As N From MON$ATTACHMENTS Where MON$ATTACHMENT_ID <> CURRENT_CONNECTION And MON$SYSTEM_FLAG = 0");

QString withSuffix(QString file, const QString &suffix)
{
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty())
        file += suffix;
    return file;
}

} // namespace

RestoreLogic::RestoreLogic(AppContext &ctx, QString workDir) : m_ctx(ctx), m_workDir(std::move(workDir)) {}

void RestoreLogic::prepare()
{
    m_location = DatabaseLocation::find(DataModuleConexao(m_ctx.db, m_workDir));
    m_databaseFile = m_location.databaseFile();
    m_backupFile.clear();
}

QString RestoreLogic::whereNote() const
{
    if (!m_location.onServer())
        return {};
    return QStringLiteral("O Backup é Lido e Restaurado no Servidor %1, nos Locais Acima.").arg(m_location.host);
}

void RestoreLogic::procurarBackup()
{
    const QString chosen = m_ctx.messages.openFileName(QStringLiteral("Procurar Backup"),
                                                       m_backupFile.isEmpty() ? QStringLiteral("backup") : m_backupFile,
                                                       QStringLiteral("Backup (*.gbk)"));
    if (!chosen.isEmpty())
        m_backupFile = withSuffix(chosen, QStringLiteral(".gbk"));
}

void RestoreLogic::escolheAPasta()
{
    const QString chosen = m_ctx.messages.saveFileName(QStringLiteral("Escolha o Local onde o Backup será Restaurado"),
                                                       m_databaseFile, QStringLiteral("VD.FDB (VD.FDB vd.fdb)"));
    if (!chosen.isEmpty())
        m_databaseFile = withSuffix(chosen, QStringLiteral(".FDB"));
}

QString RestoreLogic::refusalText(qint64 others)
{
    const QString count = others == 1 ? QStringLiteral("Existe 1 Conexão de Outra Estação")
                                       : QStringLiteral("Existem %1 Conexões de Outras Estações").arg(others);
    return count + QStringLiteral(" com o Banco de Dados.\rFeche o Sistema nas Outras Estações e Tente Novamente !");
}

QString RestoreLogic::confirmationText() const
{
    if (!fileExists(m_databaseFile))
        return QStringLiteral("Confirma a Restauração do Backup %1 ?\rO Banco de Dados Será Criado em %2")
            .arg(m_backupFile, m_databaseFile);
    return QStringLiteral("Confirma a Restauração do Backup ?\r%1 Será Substituído pelo Backup %2\r"
                          "O Banco de Dados Atual Será Guardado como %3")
        .arg(m_databaseFile, m_backupFile, QFileInfo(m_databaseFile + kSufixoAnterior).fileName());
}

RestoreLogic::Outcome RestoreLogic::restaurar(const WorkObserver &observer)
{
    if (m_backupFile.isEmpty() || m_databaseFile.isEmpty()) {
        m_ctx.messages.warning(kFalha + (m_backupFile.isEmpty() ? kSemBackup : kSemDestino));
        return Outcome::Failed;
    }
    if (!m_ctx.messages.confirm(confirmationText()))
        return Outcome::Cancelled;

    m_ctx.db.close();
    const QString aside = m_databaseFile + kSufixoNovo;
    QString failure;
    qint64 others = 0;
    bool working = false;
    bool asideMade = false;
    try {
        others = otherConnections();
        if (others == 0) {
            working = true;
            if (observer.started)
                observer.started();
            asideMade = true;
            restoreAside(observer, aside);
            checkOpens(aside);
            // The restore takes a while: whoever came in meanwhile keeps the old database.
            others = otherConnections();
            if (others == 0) {
                putInPlace(observer, aside);
                asideMade = false;
            }
        }
    } catch (const DbError &e) {
        failure = e.message();
    }
    if (asideMade)
        removeAside(aside);
    if (working && observer.finished)
        observer.finished();
    if (!failure.isEmpty() || others > 0) {
        reconnect();
        m_ctx.messages.warning(others > 0 ? refusalText(others) : kFalha + failure);
        return others > 0 ? Outcome::Refused : Outcome::Failed;
    }
    m_ctx.messages.information(kSucesso);
    return Outcome::Restored;
}

bool RestoreLogic::fileExists(const QString &file) const
{
    if (m_location.filesReachable())
        return QFile::exists(file);
    try {
        Database probe;
        probe.open(connection(file));
        return true;
    } catch (const DbError &) {
        return false;
    }
}

qint64 RestoreLogic::otherConnections() const
{
    if (!fileExists(m_databaseFile))
        return 0;
    Database probe;
    probe.open(connection(m_databaseFile), m_location.embedded ? Database::Engine::Embedded : Database::Engine::Any);
    return probe.select(kOtherConnections).first().value(0).toInt();
}

void RestoreLogic::restoreAside(const WorkObserver &observer, const QString &aside) const
{
    if (m_location.filesReachable()) {
        if (const QString failure = FileSwap::remove(aside); !failure.isEmpty())
            throw DbError(failure);
    } else if (fileExists(aside)) {
        ServiceManager::dropDatabase(connection(aside), m_location.embedded);
    }
    ServiceManager::restore({.service = m_location.serviceManager(), .embedded = m_location.embedded}, m_backupFile,
                            aside, observer.progress, ServiceManager::Existing::Keep);
}

void RestoreLogic::checkOpens(const QString &file) const
{
    Database check;
    check.open(connection(file), m_location.embedded ? Database::Engine::Embedded : Database::Engine::Any);
    check.select(QStringLiteral("Select Count(*) From RDB$RELATIONS"));
    check.close();
}

void RestoreLogic::putInPlace(const WorkObserver &observer, const QString &aside) const
{
    if (!m_location.filesReachable()) {
        // The server's files cannot be moved from here: the backup, now known
        // to restore and open, is restored once more over the target.
        ServiceManager::restore({.service = m_location.serviceManager(), .embedded = m_location.embedded},
                                m_backupFile, m_databaseFile, observer.progress, ServiceManager::Existing::Replace);
        removeAside(aside);
        return;
    }
    const QString previous = m_databaseFile + kSufixoAnterior;
    const bool hadDatabase = QFile::exists(m_databaseFile);
    if (hadDatabase) {
        if (QString failure = FileSwap::replace(m_databaseFile, previous); !failure.isEmpty())
            throw DbError(failure);
    }
    if (QString failure = FileSwap::replace(aside, m_databaseFile); !failure.isEmpty()) {
        if (hadDatabase)
            FileSwap::replace(previous, m_databaseFile);
        throw DbError(failure);
    }
}

void RestoreLogic::removeAside(const QString &aside) const
{
    if (m_location.filesReachable()) {
        FileSwap::remove(aside);
        return;
    }
    try {
        ServiceManager::dropDatabase(connection(aside), m_location.embedded);
    } catch (const DbError &) {
        // nothing was left there
    }
}

void RestoreLogic::reconnect()
{
    DataModuleConexao rules(m_ctx.db, m_workDir);
    try {
        if (rules.hasMarker())
            rules.connectLocal();
        else
            rules.connectConfigured(rules.configuredFolder());
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
    }
}
