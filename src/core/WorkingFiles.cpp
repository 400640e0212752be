#include "core/WorkingFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace WorkingFiles {

QString find(const QString &dir, const QString &name)
{
    const QDir folder(dir);
    if (QFileInfo(folder.filePath(name)).isFile())
        return folder.filePath(name);
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return {};
}

bool exists(const QString &dir, const QString &name) { return !find(dir, name).isEmpty(); }

bool removeAll(const QString &dir, const QString &name)
{
    for (QString path = find(dir, name); !path.isEmpty(); path = find(dir, name)) {
        if (!QFile::remove(path))
            return false;
    }
    return true;
}

} // namespace WorkingFiles
