#include "support/TestEnvironment.h"

#include "db/NewDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

const QString &templateDatabase()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.path() + QStringLiteral("/template.fdb");
        NewDatabase::create(p);
        return p;
    }();
    return path;
}

} // namespace

void copyFreshDatabase(const QString &folder)
{
    const QString target = folder + QStringLiteral("/vd.fdb");
    QFile::remove(target);
    if (!QFile::copy(templateDatabase(), target))
        throw std::runtime_error("cannot copy the template database");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
}

void DatabaseTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    copyFreshDatabase(m_dir.path());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    db.open(dbPath(), Database::Engine::Embedded);
    session.confLogin = session.confPermissao = session.confLog = QStringLiteral("N");
    session.versaoSistema = QString::fromLatin1(Session::kBuildVersion);
}

void DatabaseTest::TearDown()
{
    db.close();
    QDir::setCurrent(m_previousDir);
}

void WorkDirTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
}

void WorkDirTest::TearDown() { QDir::setCurrent(m_previousDir); }
