#include "db/NewDatabase.h"

#include "core/Database.h"
#include "core/DbError.h"
#include "db/SqlScript.h"

#include <QFile>
#include <QFileInfo>

// The scripts are a resource of a static library: register them explicitly.
static void initSchemaResource() { Q_INIT_RESOURCE(schema); }

namespace NewDatabase {

void create(const QString &file, Content content)
{
    const QFileInfo info(file);
    if (info.exists())
        throw DbError(DbError::Category::Usage,
                      QStringLiteral("O arquivo %1 já existe; nada foi alterado.").arg(file));
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        throw DbError(DbError::Category::Usage, QStringLiteral("A pasta %1 não existe.").arg(folder.filePath()));
    if (!folder.isWritable())
        throw DbError(DbError::Category::Usage,
                      QStringLiteral("Sem permissão para gravar na pasta %1.").arg(folder.filePath()));

    initSchemaResource();
    Database db;
    db.create(info.absoluteFilePath(), Database::Engine::Embedded);
    try {
        SqlScript::run(db, QStringLiteral(":/db/schema.sql"));
        SqlScript::run(db, QStringLiteral(":/db/allocation_indexes.sql"));
        SqlScript::run(db, QStringLiteral(":/db/query_indexes.sql"));
        if (content == Content::WithDemoData)
            SqlScript::run(db, QStringLiteral(":/db/demo.sql"));
        db.close();
    } catch (...) {
        db.close();
        QFile::remove(info.absoluteFilePath()); // no half-made database is left behind
        throw;
    }
}

} // namespace NewDatabase
