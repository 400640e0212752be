#include "db/SqlScript.h"

#include "core/Database.h"
#include "core/DbError.h"

#include <QFile>

namespace SqlScript {

QStringList split(const QString &script)
{
    QStringList statements;
    QString current;
    for (const QString &line : script.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QStringLiteral("--")))
            continue;
        current += line.trimmed() + u'\n';
        if (trimmed.endsWith(u';')) {
            current = current.trimmed();
            current.chop(1);
            statements << current;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

void run(Database &db, const QString &resourcePath)
{
    QFile f(resourcePath);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(DbError::Category::Usage, QStringLiteral("Script não encontrado: %1").arg(resourcePath));
    for (const QString &statement : split(QString::fromUtf8(f.readAll())))
        db.execute(statement);
}

} // namespace SqlScript
