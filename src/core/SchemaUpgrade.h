#pragma once

#include <QString>
#include <QStringList>

struct AppContext;

// Brings a database made by an older version of the program up to this
// build's version: the printer fix of the oldest installations, the indexes,
// the company row's key, and finally the version row. Versions are compared
// as exact texts; an unknown text gets only the version step.
class SchemaUpgrade {
public:
    struct IndexStatement {
        QString name;
        QString createSql;
    };

    explicit SchemaUpgrade(AppContext &ctx, QString workDir = {});

    // Creates the missing allocation indexes on any database (best effort),
    // then upgrades when `versaoSistema` differs from this build's version. On success
    // sets it (and the session's versaoSistema) to this build's version; when
    // the version row cannot be written it warns, rolls back and leaves both
    // unchanged. Errors of the earlier steps are not caught.
    void runIfNeeded(QString &versaoSistema);

    static bool needsPrinterFix(const QString &version);
    static bool needsIndexes(const QString &version);
    static bool needsCompanyKey(const QString &version);

    // The indexes of old databases, in the order they are created.
    static const QList<IndexStatement> &indexStatements();
    // The descending indexes that the code allocation relies on; created on
    // any database that lacks them.
    static QList<IndexStatement> allocationIndexStatements();
    // The indexes of the ledgers' period and document queries; made the same way.
    static QList<IndexStatement> queryIndexStatements();

private:
    static QList<IndexStatement> scriptIndexStatements(const QString &resource);
    void fixPrinter();
    void ensureAllocationIndexes();
    void createMissing(const QList<IndexStatement> &indexes);
    bool writeVersion();

    AppContext &m_ctx;
    QString m_workDir;
};
