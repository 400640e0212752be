#include "core/DataModuleConexao.h"

#include "core/DbError.h"
#include "core/IniFile.h"
#include "core/WorkingFiles.h"

#include <QDir>

namespace {

const QString kSection = QStringLiteral("PASTA");
const QString kKey = QStringLiteral("PATH");

} // namespace

DataModuleConexao::DataModuleConexao(Database &db, QString workDir) : m_db(db), m_workDir(std::move(workDir)) {}

bool DataModuleConexao::hasMarker() const { return WorkingFiles::exists(m_workDir, WorkingFiles::kMarker); }

bool DataModuleConexao::hasConfig() const { return WorkingFiles::exists(m_workDir, WorkingFiles::kConfig); }

QString DataModuleConexao::configuredFolder() const
{
    const QString file = WorkingFiles::find(m_workDir, WorkingFiles::kConfig);
    return file.isEmpty() ? QString() : IniFile::load(file).value(kSection, kKey);
}

void DataModuleConexao::writeConfiguredFolder(const QString &folder) const
{
    QString file = WorkingFiles::find(m_workDir, WorkingFiles::kConfig);
    if (file.isEmpty())
        file = QDir(m_workDir).filePath(WorkingFiles::kConfig);
    IniFile ini = IniFile::load(file);
    ini.setValue(kSection, kKey, folder);
    ini.save(file);
}

bool DataModuleConexao::removeConfig() const { return WorkingFiles::removeAll(m_workDir, WorkingFiles::kConfig); }

QString DataModuleConexao::databasePath(const QString &folder) { return folder + u'/' + WorkingFiles::kDatabase; }

void DataModuleConexao::connectLocal()
{
    attempt(Mode::Local, databasePath(QDir(m_workDir).absolutePath()), Database::Engine::Embedded);
}

void DataModuleConexao::connectConfigured(const QString &folder)
{
    attempt(Mode::Configured, databasePath(folder), Database::Engine::Any);
}

void DataModuleConexao::connectAgain()
{
    switch (m_lastMode) {
    case Mode::Local:
        attempt(Mode::Local, m_lastPath, Database::Engine::Embedded);
        break;
    case Mode::Configured:
        attempt(Mode::Configured, m_lastPath, Database::Engine::Any);
        break;
    case Mode::None:
        throw DbError(DbError::Category::Connection, QStringLiteral("Banco de dados não conectado"));
    }
}

void DataModuleConexao::attempt(Mode mode, const QString &path, Database::Engine engine)
{
    m_lastMode = mode;
    m_lastPath = path;
    m_db.close();
    m_db.open(path, engine);
}
