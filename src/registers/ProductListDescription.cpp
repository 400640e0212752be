#include "registers/ProductListDescription.h"

#include "registers/ColumnFormats.h"
#include "registers/ProductLogic.h"

using namespace ColumnFormats;

ListDescription productListDescription()
{
    ListDescription d;
    d.caption = QStringLiteral("Manutenção de Produtos");
    d.nameOrderLabel = QStringLiteral("Descrição");
    d.filterLabels = {QStringLiteral("Ativos"), QStringLiteral("Não Ativos"), QStringLiteral("Todos")};
    d.searchLabelOnShow = d.searchLabelCode = d.searchLabelName = QStringLiteral("Descrição:");
    d.clearSearch = ListDescription::ClearSearch::Never;
    d.statement = [](bool byCode, int filter) {
        static const QString where[] = {QStringLiteral(" Where PRO_Ativo='S'"), QStringLiteral(" Where PRO_Ativo='N'"),
                                        QString()};
        return QStringLiteral("Select * From Produtos") + where[filter >= 0 && filter < 3 ? filter : 0] +
               (byCode ? QStringLiteral(" Order By PRO_Codigo") : QStringLiteral(" Order By PRO_Descricao"));
    };
    d.normaliseCode = &ProductLogic::padCode;
    d.codeColumn = QStringLiteral("PRO_CODIGO");
    d.nameColumn = QStringLiteral("PRO_DESCRICAO");
    d.columns = productGridColumns(false);
    d.gateCodes = {QStringLiteral("1.3.1"), QStringLiteral("1.3.2"), QStringLiteral("1.3.3"), QStringLiteral("1.3.4")};
    d.deleteButtonCaption = QStringLiteral("Excluir");
    return d;
}

std::vector<GridColumn> productGridColumns(bool withNotes)
{
    GridColumn code = text(QStringLiteral("PRO_CODIGO"), QStringLiteral("Código"));
    code.alignRight = true;
    std::vector<GridColumn> columns = {
        code,
        text(QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Descrição")),
        text(QStringLiteral("PRO_UNID"), QStringLiteral("Unidade")),
        text(QStringLiteral("PRO_PF"), QStringLiteral("Prod.Próprio/Prod. de Fora")),
        number(QStringLiteral("PRO_QUANT"), QStringLiteral("Quantidade"), 3),
        number(QStringLiteral("PRO_MIN"), QStringLiteral("Est.Mínimo"), 0),
        money(QStringLiteral("PRO_PCUSTO"), QStringLiteral("P.Custo")),
        date(QStringLiteral("PRO_UCOMP"), QStringLiteral("U.Compra")),
        date(QStringLiteral("PRO_DCAD"), QStringLiteral("D.Cadastramento")),
        number(QStringLiteral("PRO_EMAX"), QStringLiteral("E.Max"), 0),
        money(QStringLiteral("PRO_PVENDA"), QStringLiteral("P.Venda")),
        number(QStringLiteral("PRO_MARGEM"), QStringLiteral("Margem"), 2),
        text(QStringLiteral("PRO_FEITOHORA"), QStringLiteral("Feito na Hora")),
        text(QStringLiteral("PRO_ATIVO"), QStringLiteral("Ativo")),
    };
    if (withNotes)
        columns.insert(columns.begin() + 9, text(QStringLiteral("PRO_OBS"), QStringLiteral("Observações")));
    return columns;
}
