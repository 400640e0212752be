#include "core/SchemaUpgrade.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/IniFile.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "core/WorkingFiles.h"
#include "db/SqlScript.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

namespace {

const QString kBuild = QString::fromLatin1(Session::kBuildVersion);

const QStringList kPrinterFixGroup{
    QStringLiteral("1.0.0-11052006"),
    QStringLiteral("1.0.1-11082006"),
    QStringLiteral("1.0.2-24112006"),
};

const QStringList kIndexGroup = kPrinterFixGroup + QStringList{
    QStringLiteral("1.0.3-25032008"),
    QStringLiteral("1.0.4-31032008"),
    QStringLiteral("1.0.5-31072008"),
    QStringLiteral("1.0.6-26062009"),
    QStringLiteral("1.0.7-30062009"),
};

const QStringList kCompanyKeyGroup = kIndexGroup + QStringList{
    QStringLiteral("1.1.0-30062011"),
    QStringLiteral("1.1.1-01072011"),
    QStringLiteral("1.1.2-08072011"),
};

// Exact text: every character and its case count.
bool inGroup(const QStringList &group, const QString &version)
{
    return group.contains(version, Qt::CaseSensitive);
}

SchemaUpgrade::IndexStatement quotedIndex(const char *name, const char *table, const char *columns)
{
    const QString n = QString::fromLatin1(name);
    return {n, QStringLiteral("CREATE INDEX \"%1\" ON \"%2\"(%3);")
                   .arg(n, QString::fromLatin1(table), QString::fromLatin1(columns))};
}

} // namespace

SchemaUpgrade::SchemaUpgrade(AppContext &ctx, QString workDir)
    : m_ctx(ctx), m_workDir(workDir.isEmpty() ? QDir::currentPath() : std::move(workDir))
{
}

bool SchemaUpgrade::needsPrinterFix(const QString &version) { return inGroup(kPrinterFixGroup, version); }
bool SchemaUpgrade::needsIndexes(const QString &version) { return inGroup(kIndexGroup, version); }
bool SchemaUpgrade::needsCompanyKey(const QString &version) { return inGroup(kCompanyKeyGroup, version); }

const QList<SchemaUpgrade::IndexStatement> &SchemaUpgrade::indexStatements()
{
    static const QList<IndexStatement> list{
        quotedIndex("IDX_PEDIDOS_1", "PEDIDOS", "\"PED_CODIGO\""),
        quotedIndex("IDX_PEDIDOS_2", "PEDIDOS", "\"PED_CODCLI\""),
        quotedIndex("IDX_PEDIDOS_3", "PEDIDOS", "\"PED_DATA\""),
        quotedIndex("IDX_PEDIDOS_4", "PEDIDOS", "\"PED_DATAS\""),
        quotedIndex("IDX_PEDIDOS_5", "PEDIDOS", "\"PED_DATAT\""),
        quotedIndex("IDX_CLIENTES_1", "CLIENTES", "\"CLI_CODIGO\""),
        quotedIndex("IDX_CLIENTES_2", "CLIENTES", "\"CLI_NOME\""),
        quotedIndex("IDX_CLIENTES_3", "CLIENTES", "\"CLI_FONE\""),
        quotedIndex("IDX_CLIENTES_4", "CLIENTES", "\"CLI_FONE2\""),
        quotedIndex("IDX_CLIENTES_5", "CLIENTES", "\"CLI_FONE3\""),
        quotedIndex("IDX_CLIENTES_6", "CLIENTES", "\"CLI_CELULAR\""),
        quotedIndex("IDX_IPEDIDOS_1", "IPEDIDOS", "\"IPD_CODPED\""),
        quotedIndex("IDX_IPEDIDOS_2", "IPEDIDOS", "\"IPD_CODPED\", \"IPD_CODPRO\""),
        quotedIndex("IDX_MOV_ESTQ_1", "MOV_ESTQ", "\"MOV_CODPRO\""),
        quotedIndex("IDX_MOV_ESTQ_2", "MOV_ESTQ", "\"MOV_CODINT\""),
        quotedIndex("IDX_MOV_ESTQ_3", "MOV_ESTQ", "\"MOV_DATA\""),
        quotedIndex("IDX_PRODUTOS_1", "PRODUTOS", "\"PRO_CODIGO\""),
        quotedIndex("IDX_PRODUTOS_2", "PRODUTOS", "\"PRO_DESCRICAO\""),
        quotedIndex("IDX_REGIOES_1", "REGIOES", "\"REG_CODIGO\""),
        quotedIndex("IDX_REGIOES_2", "REGIOES", "\"REG_DESC\""),
    };
    return list;
}

QList<SchemaUpgrade::IndexStatement> SchemaUpgrade::scriptIndexStatements(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("index script missing from the program's resources");
    static const QRegularExpression name(QStringLiteral("\\bINDEX\\s+(\\w+)\\s+ON\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<IndexStatement> list;
    for (const QString &statement : SqlScript::split(QString::fromUtf8(file.readAll()))) {
        const QRegularExpressionMatch m = name.match(statement);
        if (m.hasMatch())
            list.append({m.captured(1).toUpper(), statement});
    }
    return list;
}

QList<SchemaUpgrade::IndexStatement> SchemaUpgrade::allocationIndexStatements()
{
    return scriptIndexStatements(QStringLiteral(":/db/allocation_indexes.sql"));
}

QList<SchemaUpgrade::IndexStatement> SchemaUpgrade::queryIndexStatements()
{
    return scriptIndexStatements(QStringLiteral(":/db/query_indexes.sql"));
}

void SchemaUpgrade::runIfNeeded(QString &versaoSistema)
{
    ensureAllocationIndexes();
    const QString old = versaoSistema;
    if (old == kBuild)
        return;

    m_ctx.messages.message(QStringLiteral("Clique em Ok para Atualizar a Versão...."));
    if (needsPrinterFix(old))
        fixPrinter();
    if (needsIndexes(old))
        createMissing(indexStatements());
    if (needsCompanyKey(old))
        m_ctx.db.execute(QStringLiteral("UPDATE empresa SET EMP_Codigo=:cCodigo"), {{"cCodigo", QStringLiteral("001")}});

    if (!writeVersion()) {
        m_ctx.messages.warning(QStringLiteral("Não Consegui Alterar o Número da Versão, tente Novamente"));
        return;
    }
    m_ctx.messages.message(QStringLiteral("Versão Atualizada com Sucesso...."));
    versaoSistema = kBuild;
    m_ctx.session.versaoSistema = kBuild;
}

void SchemaUpgrade::fixPrinter()
{
    const QString path = WorkingFiles::find(m_workDir, WorkingFiles::kPrinter);
    if (path.isEmpty())
        return; // the first showing creates it with the defaults afterwards
    IniFile ini = IniFile::load(path);
    ini.setValue(QStringLiteral("Impressora"), QStringLiteral("NroLin"), QStringLiteral("4"));
    ini.save(path);
}

void SchemaUpgrade::ensureAllocationIndexes()
{
    // They only make code allocation fast: one that cannot be made now (the
    // table held by another workstation, say) is tried again at the next start
    // and never stands in the way of the version step.
    try {
        createMissing(allocationIndexStatements());
        createMissing(queryIndexStatements());
    } catch (const DbError &) {
    }
}

void SchemaUpgrade::createMissing(const QList<IndexStatement> &indexes)
{
    for (const IndexStatement &index : indexes) {
        const ResultSet found =
            m_ctx.db.select(QStringLiteral("SELECT RDB$INDEX_NAME FROM RDB$INDICES WHERE RDB$INDEX_NAME=:cNomeIndice"),
                            {{"cNomeIndice", index.name}});
        if (found.isEmpty())
            m_ctx.db.execute(index.createSql);
    }
}

bool SchemaUpgrade::writeVersion()
{
    try {
        Transaction tx(m_ctx.db);
        const qint64 changed =
            m_ctx.db.execute(tx, QStringLiteral("Update Versao SET numero=:NumeroC"), {{"NumeroC", kBuild}});
        // A database whose version row went missing would otherwise "succeed"
        // without recording anything and upgrade again at every start.
        if (changed == 0)
            m_ctx.db.execute(tx, QStringLiteral("INSERT INTO Versao (Numero) VALUES (:NumeroC)"), {{"NumeroC", kBuild}});
        tx.commit();
        return true;
    } catch (const DbError &) {
        return false; // the transaction rolls back as it goes out of scope
    }
}
