#include "registers/CustomerListDescription.h"

#include "core/Funcoes.h"
#include "registers/ColumnFormats.h"
#include "registers/CustomerLogic.h"

ListDescription customerListDescription()
{
    ListDescription d;
    d.caption = QStringLiteral("Manutenção de Clientes");
    d.nameOrderLabel = QStringLiteral("Nome");
    d.searchLabelOnShow = d.searchLabelName = QStringLiteral("Nome:");
    d.searchLabelCode = QStringLiteral("Código:");
    d.clearSearch = ListDescription::ClearSearch::OnShow;
    d.normaliseAt = ListDescription::NormaliseAt::LeavingField;
    d.statement = [](bool byCode, int) {
        return byCode ? QStringLiteral("Select * From Clientes Order By CLI_Codigo")
                      : QStringLiteral("Select * From Clientes Order By CLI_Nome");
    };
    d.normaliseCode = [](const QString &t) { return Funcoes::completaZeros(t.trimmed(), CustomerLogic::kCodeWidth); };
    d.codeColumn = QStringLiteral("CLI_CODIGO");
    d.nameColumn = QStringLiteral("CLI_NOME");
    const QStringList titles = {
        QStringLiteral("Código"), QStringLiteral("Nome do Cliente"), QStringLiteral("Endereço"),
        QStringLiteral("Nro."), QStringLiteral("Complemento"), QStringLiteral("Bairro"),
        QStringLiteral("Cidade"), QStringLiteral("UF"), QStringLiteral("CEP"),
        QStringLiteral("Telefone 1"), QStringLiteral("Telefone 2"), QStringLiteral("Telefone 3"),
        QStringLiteral("Celular"), QStringLiteral("Contato"), QStringLiteral("Email")};
    const auto &fields = CustomerLogic::description().fields;
    for (int i = 0; i < titles.size(); ++i)
        d.columns.push_back(ColumnFormats::text(fields[size_t(i)].column, titles[i]));
    d.columns.push_back(ColumnFormats::date(QStringLiteral("CLI_DCAD"), QStringLiteral("D.Cadastramento")));
    d.columns.push_back(ColumnFormats::text(QStringLiteral("CLI_EREFER"), QStringLiteral("Referência")));
    d.gateCodes = {QStringLiteral("1.1.1"), QStringLiteral("1.1.2"), QStringLiteral("1.1.3"), QStringLiteral("1.1.4")};
    return d;
}
