#include "orders/LookupDescriptions.h"

#include "core/Funcoes.h"
#include "registers/ColumnFormats.h"
#include "registers/DeliveryPersonRegister.h"
#include "registers/RegionRegister.h"
#include "registers/ProductListDescription.h"

using namespace ColumnFormats;

namespace LookupDescriptions {

namespace {

std::function<QString(bool, int)> statements(const QString &byName, const QString &byCode)
{
    return [byName, byCode](bool byCodeOrder, int) { return byCodeOrder ? byCode : byName; };
}

QString trimmedZeros6(const QString &text)
{
    return Funcoes::completaZeros(text.trimmed(), 6);
}

} // namespace

ListDescription clientes()
{
    ListDescription d;
    d.caption = d.heading = QStringLiteral("Busca de Clientes");
    d.nameOrderLabel = QStringLiteral("Nome");
    d.searchLabelOnShow = d.searchLabelName = QStringLiteral("Nome:");
    d.searchLabelCode = QStringLiteral("Código:");
    d.clearSearch = ListDescription::ClearSearch::OnShowAndOrder;
    d.statement = statements(QStringLiteral("Select * From Clientes Order By CLI_Nome"),
                             QStringLiteral("Select * From Clientes Order By CLI_Codigo"));
    d.normaliseCode = [](const QString &t) { return Funcoes::completaZeros(t, 10); };
    d.codeColumn = QStringLiteral("CLI_CODIGO");
    d.nameColumn = QStringLiteral("CLI_NOME");
    d.columns = {
        text(QStringLiteral("CLI_CODIGO"), QStringLiteral("Código")),
        text(QStringLiteral("CLI_NOME"), QStringLiteral("Nome do Cliente")),
        text(QStringLiteral("CLI_ENDER"), QStringLiteral("Endereço")),
        text(QStringLiteral("CLI_CID"), QStringLiteral("Cidade")),
        text(QStringLiteral("CLI_UF"), QStringLiteral("UF")),
        text(QStringLiteral("CLI_CEP"), QStringLiteral("CEP")),
        text(QStringLiteral("CLI_FONE"), QStringLiteral("Telefone 1")),
        text(QStringLiteral("CLI_FONE2"), QStringLiteral("Telefone 2")),
        text(QStringLiteral("CLI_FONE3"), QStringLiteral("Telefone 3")),
        text(QStringLiteral("CLI_CONTATO"), QStringLiteral("Contato")),
        text(QStringLiteral("CLI_COMPLE"), QStringLiteral("Complemento")),
        text(QStringLiteral("CLI_BAIRRO"), QStringLiteral("Bairro")),
        text(QStringLiteral("CLI_EMAIL"), QStringLiteral("Email")),
        text(QStringLiteral("CLI_CELULAR"), QStringLiteral("Celular")),
        text(QStringLiteral("CLI_EREFER"), QStringLiteral("Referência")),
        date(QStringLiteral("CLI_DCAD"), QStringLiteral("D.Cadastramento")),
        text(QStringLiteral("CLI_NUMERO"), QStringLiteral("Nro.")),
    };
    d.striped = false;
    return d;
}

ListDescription produtos()
{
    ListDescription d;
    d.caption = QStringLiteral("Busca de Produtos");
    d.heading = QStringLiteral("Consulta de Produtos");
    d.nameOrderLabel = QStringLiteral("Descrição");
    d.searchLabelOnShow = QStringLiteral("Descriçao:");
    d.searchLabelCode = QStringLiteral("Codigo:");
    d.searchLabelName = QStringLiteral("Descrição:");
    d.clearSearch = ListDescription::ClearSearch::Never;
    d.statement = statements(QStringLiteral("Select * From Produtos Where PRO_Ativo='S' Order By PRO_Descricao"),
                             QStringLiteral("Select * From Produtos Where PRO_Ativo='S' Order By PRO_Codigo"));
    d.normaliseCode = [](const QString &t) { return Funcoes::completaEspacos(t, 10, QStringLiteral("e")); };
    d.codeColumn = QStringLiteral("PRO_CODIGO");
    d.nameColumn = QStringLiteral("PRO_DESCRICAO");
    d.columns = productGridColumns(true);
    return d;
}

ListDescription entregadores()
{
    ListDescription d;
    d.caption = d.heading = QStringLiteral("Busca de Entregadores");
    d.nameOrderLabel = QStringLiteral("Nome");
    d.searchLabelOnShow = d.searchLabelName = QStringLiteral("Nome:");
    d.searchLabelCode = QStringLiteral("Código:");
    d.clearSearch = ListDescription::ClearSearch::OnShow;
    d.statement = DeliveryPersonRegister::list().statement;
    d.normaliseCode = trimmedZeros6;
    d.codeColumn = QStringLiteral("ENT_CODIGO");
    d.nameColumn = QStringLiteral("ENT_NOME");
    // The register's columns but the commission.
    d.columns = DeliveryPersonRegister::list().columns;
    d.columns.pop_back();
    d.titleBarButtons = true;
    return d;
}

ListDescription regioes()
{
    ListDescription d;
    d.caption = d.heading = QStringLiteral("Busca de Regiões");
    d.nameOrderLabel = QStringLiteral("Descrição");
    d.searchLabelOnShow = d.searchLabelName = QStringLiteral("Descrição:");
    d.searchLabelCode = QStringLiteral("Código:");
    d.clearSearch = ListDescription::ClearSearch::OnShowAndOrder;
    d.statement = RegionRegister::list().statement;
    d.normaliseCode = trimmedZeros6;
    d.codeColumn = QStringLiteral("REG_CODIGO");
    d.nameColumn = QStringLiteral("REG_DESC");
    d.columns = RegionRegister::list().columns;
    return d;
}

} // namespace LookupDescriptions
