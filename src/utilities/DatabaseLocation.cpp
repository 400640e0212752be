#include "utilities/DatabaseLocation.h"

#include "core/DataModuleConexao.h"
#include "core/WorkingFiles.h"

#include <QDir>

namespace {

bool isDriveLetter(const QString &prefix) { return prefix.size() == 1 && prefix.front().isLetter(); }

bool isLoopback(const QString &host)
{
    // "localhost/3051" names a port after the host
    const QString name = host.section(u'/', 0, 0).toLower();
    return name == u"localhost" || name.startsWith(u"127.") || name == u"::1" || name == u"[::1]";
}

} // namespace

DatabaseLocation DatabaseLocation::find(const DataModuleConexao &rules)
{
    if (rules.hasMarker())
        return {.host = {}, .folder = QDir(rules.workDir()).absolutePath(), .embedded = true};
    return fromConfiguredFolder(rules.configuredFolder());
}

DatabaseLocation DatabaseLocation::fromConfiguredFolder(const QString &configured)
{
    const qsizetype colon = configured.indexOf(u':');
    if (colon > 0 && !isDriveLetter(configured.left(colon)))
        return {.host = configured.left(colon), .folder = configured.mid(colon + 1), .embedded = false};
    return {.host = {}, .folder = configured, .embedded = false};
}

bool DatabaseLocation::filesReachable() const { return host.isEmpty() || isLoopback(host); }

QString DatabaseLocation::databaseFile() const { return fileInFolder(WorkingFiles::kDatabase); }

QString DatabaseLocation::fileInFolder(const QString &name) const { return folder + u'/' + name; }

QString DatabaseLocation::connectionString(const QString &file) const
{
    return host.isEmpty() ? file : host + u':' + file;
}

QString DatabaseLocation::serviceManager() const
{
    const QString service = QStringLiteral("service_mgr");
    return host.isEmpty() ? service : host + u':' + service;
}
