#include "core/Database.h"
#include "core/DbError.h"
#include "core/SchemaUpgrade.h"
#include "db/NewDatabase.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QProcess>
#include <map>

namespace {

class NewDatabaseCatalogue : public DatabaseTest {
protected:
    // "VARCHAR(10)", "NUMERIC(15,2)", "INTEGER", "DATE", "TIME", "CHAR(1)"
    std::map<QString, QString> columnsOf(const QString &table)
    {
        const auto rows = db.select(QStringLiteral(
            "Select trim(rf.RDB$FIELD_NAME) as col, f.RDB$FIELD_TYPE as ftype, f.RDB$FIELD_SUB_TYPE as sub, "
            "f.RDB$FIELD_PRECISION as prec, f.RDB$FIELD_SCALE as scale, f.RDB$CHARACTER_LENGTH as len, "
            "cs.RDB$CHARACTER_SET_NAME as cs "
            "From RDB$RELATION_FIELDS rf Join RDB$FIELDS f On f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
            "Left Join RDB$CHARACTER_SETS cs On cs.RDB$CHARACTER_SET_ID = f.RDB$CHARACTER_SET_ID "
            "Where rf.RDB$RELATION_NAME = :t"),
            {{"t", table}});
        std::map<QString, QString> out;
        for (int i = 0; i < rows.size(); ++i) {
            const auto r = rows.row(i);
            const int type = int(r.value("ftype").toInt());
            QString t;
            switch (type) {
            case 37: t = QStringLiteral("VARCHAR(%1)").arg(r.value("len").toInt()); break;
            case 14: t = QStringLiteral("CHAR(%1)").arg(r.value("len").toInt()); break;
            case 8: t = QStringLiteral("INTEGER"); break;
            case 12: t = QStringLiteral("DATE"); break;
            case 13: t = QStringLiteral("TIME"); break;
            case 16: t = QStringLiteral("NUMERIC(%1,%2)").arg(r.value("prec").toInt()).arg(-r.value("scale").toInt()); break;
            default: t = QString::number(type);
            }
            if (type == 37 || type == 14) {
                EXPECT_EQ(r.text("cs").trimmed(), QStringLiteral("WIN1252")) << r.text("col").toStdString();
            }
            out[r.text("col")] = t;
        }
        return out;
    }
};

TEST_F(NewDatabaseCatalogue, ColumnsMatchTheSchema)
{
    const std::map<QString, std::map<QString, QString>> expected = {
        {"CLIENTES", {{"CLI_CODIGO", "VARCHAR(10)"}, {"CLI_NOME", "VARCHAR(60)"}, {"CLI_ENDER", "VARCHAR(50)"},
                      {"CLI_NUMERO", "VARCHAR(10)"}, {"CLI_COMPLE", "VARCHAR(25)"}, {"CLI_BAIRRO", "VARCHAR(30)"},
                      {"CLI_CID", "VARCHAR(30)"}, {"CLI_UF", "VARCHAR(2)"}, {"CLI_CEP", "VARCHAR(10)"},
                      {"CLI_FONE", "VARCHAR(15)"}, {"CLI_FONE2", "VARCHAR(15)"}, {"CLI_FONE3", "VARCHAR(15)"},
                      {"CLI_CELULAR", "VARCHAR(15)"}, {"CLI_CONTATO", "VARCHAR(20)"}, {"CLI_EMAIL", "VARCHAR(80)"},
                      {"CLI_EREFER", "VARCHAR(200)"}, {"CLI_DCAD", "DATE"}}},
        {"ENTREGADORES", {{"ENT_CODIGO", "VARCHAR(6)"}, {"ENT_NOME", "VARCHAR(60)"}, {"ENT_ENDER", "VARCHAR(50)"},
                          {"ENT_NUMERO", "VARCHAR(10)"}, {"ENT_COMPLE", "VARCHAR(25)"}, {"ENT_BAIRRO", "VARCHAR(30)"},
                          {"ENT_CID", "VARCHAR(30)"}, {"ENT_UF", "VARCHAR(2)"}, {"ENT_CEP", "VARCHAR(10)"},
                          {"ENT_FONE", "VARCHAR(15)"}, {"ENT_CELULAR", "VARCHAR(15)"}, {"ENT_COMISSAO", "NUMERIC(15,2)"},
                          {"ENT_DCAD", "DATE"}}},
        {"REGIOES", {{"REG_CODIGO", "VARCHAR(6)"}, {"REG_DESC", "VARCHAR(60)"}, {"REG_VALOR", "NUMERIC(15,2)"},
                     {"REG_OBS", "VARCHAR(300)"}}},
        {"PRODUTOS", {{"PRO_CODIGO", "VARCHAR(10)"}, {"PRO_DESCRICAO", "VARCHAR(50)"}, {"PRO_UNID", "VARCHAR(3)"},
                      {"PRO_PF", "VARCHAR(1)"}, {"PRO_FEITOHORA", "VARCHAR(1)"}, {"PRO_ATIVO", "VARCHAR(1)"},
                      {"PRO_QUANT", "NUMERIC(15,3)"}, {"PRO_MIN", "NUMERIC(15,0)"}, {"PRO_EMAX", "NUMERIC(15,0)"},
                      {"PRO_PCUSTO", "NUMERIC(15,2)"}, {"PRO_MARGEM", "NUMERIC(15,2)"}, {"PRO_PVENDA", "NUMERIC(15,2)"},
                      {"PRO_UCOMP", "DATE"}, {"PRO_DCAD", "DATE"}, {"PRO_OBS", "VARCHAR(300)"}}},
        {"PEDIDOS", {{"PED_CODIGO", "VARCHAR(8)"}, {"PED_SITU", "VARCHAR(1)"}, {"PED_CODCLI", "VARCHAR(10)"},
                     {"PED_DATA", "DATE"}, {"PED_HORA", "TIME"}, {"PED_TOTAL", "NUMERIC(15,2)"},
                     {"PED_DESCONTO", "NUMERIC(15,2)"}, {"PED_VDESC", "NUMERIC(15,2)"}, {"PED_DESCPR", "VARCHAR(1)"},
                     {"PED_OBS", "VARCHAR(300)"}, {"PED_CODREG", "VARCHAR(6)"}, {"PED_CODENT", "VARCHAR(6)"},
                     {"PED_VENT", "NUMERIC(15,2)"}, {"PED_QENT", "NUMERIC(15,2)"}, {"PED_DATAS", "DATE"},
                     {"PED_HORAS", "TIME"}, {"PED_DATAT", "DATE"}, {"PED_HORAT", "TIME"},
                     {"PED_VPAGO", "NUMERIC(15,2)"}, {"PED_TROCO", "NUMERIC(15,2)"}}},
        {"IPEDIDOS", {{"IPD_CODPED", "VARCHAR(8)"}, {"IPD_SEQUEN", "INTEGER"}, {"IPD_CODPRO", "VARCHAR(10)"},
                      {"IPD_QUANT", "NUMERIC(15,3)"}, {"IPD_VALOR", "NUMERIC(15,2)"}, {"IPD_OBS", "VARCHAR(80)"},
                      {"IPD_CODINT", "NUMERIC(15,0)"}}},
        {"MOV_ESTQ", {{"MOV_CODINT", "NUMERIC(15,0)"}, {"MOV_CODPRO", "VARCHAR(10)"}, {"MOV_OPER", "VARCHAR(2)"},
                      {"MOV_DATA", "DATE"}, {"MOV_QUANT", "NUMERIC(15,3)"}, {"MOV_VALOR", "NUMERIC(15,2)"},
                      {"MOV_DOC", "VARCHAR(20)"}}},
        {"CCE", {{"CCE_CODINT", "NUMERIC(15,0)"}, {"CCE_CODENT", "VARCHAR(6)"}, {"CCE_DATA", "DATE"},
                 {"CCE_VALOR", "NUMERIC(15,2)"}, {"CCE_OP", "CHAR(1)"}, {"CCE_SITU", "CHAR(1)"},
                 {"CCE_DATAP", "DATE"}, {"CCE_DOC", "VARCHAR(10)"}}},
        {"CAIXA", {{"CAI_CODINT", "NUMERIC(15,0)"}, {"CAI_DATA", "DATE"}, {"CAI_DC", "VARCHAR(1)"},
                   {"CAI_DESC", "VARCHAR(40)"}, {"CAI_VALOR", "NUMERIC(15,2)"}, {"CAI_DOC", "VARCHAR(10)"}}},
        {"USUARIOS", {{"USU_CODIGO", "VARCHAR(6)"}, {"USU_NOME", "VARCHAR(50)"}, {"USU_LOGIN", "VARCHAR(10)"},
                      {"USU_SENHA", "VARCHAR(10)"}, {"USU_ATIVO", "VARCHAR(1)"}, {"USU_DCAD", "DATE"}}},
        {"PERMISSOES", {{"PER_CODUSER", "VARCHAR(6)"}, {"PER_CODMOD", "VARCHAR(15)"},
                        {"PER_DESCRICAO", "VARCHAR(50)"}, {"PER_ATIVO", "VARCHAR(1)"}}},
        {"LOG", {{"LOG_CODUSER", "VARCHAR(6)"}, {"LOG_DESCRICAO", "VARCHAR(50)"}, {"LOG_DATA", "DATE"},
                 {"LOG_HORA", "TIME"}}},
        {"CONFIGURACOES", {{"LOGIN", "VARCHAR(1)"}, {"PERMISSAO", "VARCHAR(1)"}, {"LOG", "VARCHAR(1)"}}},
        {"VERSAO", {{"NUMERO", "VARCHAR(20)"}}},
    };
    for (const auto &[table, columns] : expected) {
        SCOPED_TRACE(table.toStdString());
        EXPECT_EQ(columnsOf(table), columns);
    }
    const auto empresa = columnsOf("EMPRESA");
    const std::map<QString, int> minWidths = {{"EMP_CODIGO", 3}, {"EMP_NOME", 80}, {"EMP_INSC", 18}, {"EMP_ENDER", 50},
                                              {"EMP_BAIRRO", 30}, {"EMP_CIDADE", 29}, {"EMP_UF", 4}, {"EMP_FONE", 15},
                                              {"EMP_FAX", 15}, {"EMP_HOMEP", 80}, {"EMP_EMAIL", 80}, {"EMP_OBS", 200}};
    EXPECT_EQ(empresa.size(), minWidths.size());
    for (const auto &[col, width] : minWidths)
        EXPECT_EQ(empresa.at(col), QStringLiteral("VARCHAR(%1)").arg(width));
}

TEST_F(NewDatabaseCatalogue, TheTwentyIndexesAreAscendingAndNotUnique)
{
    const auto rows = db.select(QStringLiteral(
        "Select trim(i.RDB$INDEX_NAME) as nome, trim(i.RDB$RELATION_NAME) as tabela, i.RDB$UNIQUE_FLAG as uniq, "
        "i.RDB$INDEX_TYPE as tipo, list(trim(s.RDB$FIELD_NAME), ',') as cols From RDB$INDICES i "
        "Join RDB$INDEX_SEGMENTS s On s.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
        "Where i.RDB$INDEX_NAME starting with 'IDX_' and trim(i.RDB$INDEX_NAME) not like '%DESC' "
        "Group By 1, 2, 3, 4 Order By 1"));
    const std::map<QString, QString> expected = {
        {"IDX_CLIENTES_1", "CLIENTES:CLI_CODIGO"}, {"IDX_CLIENTES_2", "CLIENTES:CLI_NOME"},
        {"IDX_CLIENTES_3", "CLIENTES:CLI_FONE"}, {"IDX_CLIENTES_4", "CLIENTES:CLI_FONE2"},
        {"IDX_CLIENTES_5", "CLIENTES:CLI_FONE3"}, {"IDX_CLIENTES_6", "CLIENTES:CLI_CELULAR"},
        {"IDX_IPEDIDOS_1", "IPEDIDOS:IPD_CODPED"}, {"IDX_IPEDIDOS_2", "IPEDIDOS:IPD_CODPED,IPD_CODPRO"},
        {"IDX_MOV_ESTQ_1", "MOV_ESTQ:MOV_CODPRO"}, {"IDX_MOV_ESTQ_2", "MOV_ESTQ:MOV_CODINT"},
        {"IDX_MOV_ESTQ_3", "MOV_ESTQ:MOV_DATA"}, {"IDX_PEDIDOS_1", "PEDIDOS:PED_CODIGO"},
        {"IDX_PEDIDOS_2", "PEDIDOS:PED_CODCLI"}, {"IDX_PEDIDOS_3", "PEDIDOS:PED_DATA"},
        {"IDX_PEDIDOS_4", "PEDIDOS:PED_DATAS"}, {"IDX_PEDIDOS_5", "PEDIDOS:PED_DATAT"},
        {"IDX_PRODUTOS_1", "PRODUTOS:PRO_CODIGO"}, {"IDX_PRODUTOS_2", "PRODUTOS:PRO_DESCRICAO"},
        {"IDX_REGIOES_1", "REGIOES:REG_CODIGO"}, {"IDX_REGIOES_2", "REGIOES:REG_DESC"}};
    // The ledgers' query indexes are made on top of these, on new and old databases alike.
    QStringList queryIndexes;
    for (const auto &index : SchemaUpgrade::queryIndexStatements())
        queryIndexes << index.name;
    std::map<QString, QString> found;
    for (int i = 0; i < rows.size(); ++i) {
        const auto r = rows.row(i);
        if (queryIndexes.removeOne(r.text("nome")))
            continue;
        found[r.text("nome")] = r.text("tabela") + u':' + r.text("cols");
        EXPECT_NE(r.value("uniq").toInt(), 1) << r.text("nome").toStdString();
        EXPECT_NE(r.value("tipo").toInt(), 1) << r.text("nome").toStdString();
    }
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(queryIndexes.isEmpty()) << queryIndexes.join(u' ').toStdString();
}

TEST_F(NewDatabaseCatalogue, OneRowTablesHoldTheirInitialRow)
{
    const auto conf = db.select(QStringLiteral("Select * From Configuracoes"));
    ASSERT_EQ(conf.size(), 1);
    EXPECT_EQ(conf.row(0).text("LOGIN") + conf.row(0).text("Permissao") + conf.row(0).text("Log"), QStringLiteral("NNN"));
    const auto emp = db.select(QStringLiteral("Select * From Empresa"));
    ASSERT_EQ(emp.size(), 1);
    EXPECT_EQ(emp.row(0).text("EMP_Codigo"), QStringLiteral("001"));
    const auto ver = db.select(QStringLiteral("Select * From Versao"));
    ASSERT_EQ(ver.size(), 1);
    EXPECT_EQ(ver.row(0).text("Numero"), QStringLiteral("1.1.4-06022012"));
}

TEST_F(NewDatabaseCatalogue, AllocationMaximaComeFromDescendingIndexes)
{
    const auto rows = db.select(QStringLiteral(
        "Select trim(i.RDB$RELATION_NAME) as t, trim(s.RDB$FIELD_NAME) as c From RDB$INDICES i "
        "Join RDB$INDEX_SEGMENTS s On s.RDB$INDEX_NAME = i.RDB$INDEX_NAME Where i.RDB$INDEX_TYPE = 1 and i.RDB$SYSTEM_FLAG = 0"));
    QStringList found;
    for (int i = 0; i < rows.size(); ++i)
        found << rows.row(i).text("t") + u'.' + rows.row(i).text("c");
    found.sort();
    EXPECT_EQ(found, (QStringList{"CAIXA.CAI_CODINT", "CCE.CCE_CODINT", "CLIENTES.CLI_CODIGO", "ENTREGADORES.ENT_CODIGO",
                                  "MOV_ESTQ.MOV_CODINT", "PEDIDOS.PED_CODIGO", "REGIOES.REG_CODIGO",
                                  "USUARIOS.USU_CODIGO"}));
}

class NewDatabaseTool : public WorkDirTest {
protected:
    int run(const QStringList &args, QString *err = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral(VELMORA_NEWDB), args);
        p.waitForFinished(60000);
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }
};

TEST_F(NewDatabaseTool, CreatesAndRefusesToOverwrite)
{
    const QString file = workDir() + QStringLiteral("/novo.fdb");
    ASSERT_EQ(run({file}), 0);
    const auto size = QFileInfo(file).size();
    EXPECT_GT(size, 0);
    QString err;
    EXPECT_NE(run({file}, &err), 0);
    EXPECT_TRUE(err.contains(QStringLiteral("já existe"))) << err.toStdString();
    EXPECT_EQ(QFileInfo(file).size(), size);
}

TEST_F(NewDatabaseTool, MissingFolderAndNoPermissionAreReported)
{
    QString err;
    EXPECT_NE(run({workDir() + QStringLiteral("/naoexiste/vd.fdb")}, &err), 0);
    EXPECT_TRUE(err.contains(QStringLiteral("não existe"))) << err.toStdString();
    EXPECT_NE(run({}, &err), 0);
    EXPECT_TRUE(err.contains(QStringLiteral("uso:")));
}

} // namespace
