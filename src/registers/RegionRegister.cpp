#include "registers/RegionRegister.h"

#include "core/Funcoes.h"
#include "registers/ColumnFormats.h"

namespace RegionRegister {

namespace {

RecordDescription makeData()
{
    using K = FieldDescription::Kind;
    using F = ModeSetup::Focus;
    RecordDescription d;
    d.codeColumn = QStringLiteral("REG_CODIGO");
    d.code = {.form = CodePolicy::Form::Digits,
              .width = kCodeWidth,
              .maxStatement = QStringLiteral("Select MAX(REG_Codigo) as Cod From Regioes"),
              .existsStatement = QStringLiteral("Select REG_Codigo From Regioes Where REG_Codigo=:cCodigo"),
              .takenMessage = QStringLiteral("Código já Cadastrado !, tente outro"),
              .digitsOnly = true};
    d.fields = {
        {.column = QStringLiteral("REG_CODIGO"), .label = QStringLiteral("Código:"), .width = kCodeWidth},
        {.column = QStringLiteral("REG_DESC"), .label = QStringLiteral("Descrição:"), .width = 60,
         .parameter = QStringLiteral("cDesc")},
        {.column = QStringLiteral("REG_VALOR"), .label = QStringLiteral("Valor:"), .kind = K::Money,
         .parameter = QStringLiteral("nValor")},
        {.column = QStringLiteral("REG_OBS"), .label = QStringLiteral("Obs.:"), .kind = K::Memo, .width = 300,
         .parameter = QStringLiteral("cObs")},
    };
    d.selectStatement = QStringLiteral("Select * From Regioes Where REG_Codigo=:cCodigo");
    d.insertStatement = QStringLiteral("Insert into Regioes (REG_Codigo, REG_Desc, REG_Valor, REG_Obs)\n"
                                       "Values (:cCodigo, :cDesc, :nValor, :cObs)");
    d.updateStatement = QStringLiteral("Update Regioes set REG_Desc=:cDesc, REG_Valor=:nValor, REG_Obs=:cObs\n"
                                       "Where REG_Codigo=:cCodigo");
    d.deleteStatement = QStringLiteral("Delete From Regioes\nWhere REG_Codigo=:cCodigo");
    d.audit = {AuditEvent::CadastroRegiao, AuditEvent::AlteracaoRegiao, AuditEvent::ExclusaoRegiao};
    d.requiredColumn = QStringLiteral("REG_DESC");
    d.requiredMessage = QStringLiteral("O Campo Descrição Precisa ser Preenchido");
    d.clearCaption = QStringLiteral("Limpa");
    d.modes = {{
        {.title = QStringLiteral("Inclusão de Região de Entrega"), .saveVisible = true,
         .saveCaption = QStringLiteral("Grava"), .clearVisible = true, .focus = F::Code},
        {.title = QStringLiteral("Alteração de Região de Entrega"), .saveVisible = true,
         .saveCaption = QStringLiteral("Altera"), .codeReadOnly = true, .focus = F::Name},
        {.title = QStringLiteral("Exclusão de Região de Entrega"), .saveCaption = QStringLiteral("Grava"),
         .deleteVisible = true, .codeReadOnly = true, .fieldsReadOnly = true, .focus = F::DeleteButton},
        {.title = QStringLiteral("Consulta de Região de Entrega"), .saveCaption = QStringLiteral("Grava"),
         .codeReadOnly = true, .fieldsReadOnly = true, .focus = F::CloseButton},
    }};
    return d;
}

} // namespace

const RecordDescription &data()
{
    static const RecordDescription d = makeData();
    return d;
}

ListDescription list()
{
    using namespace ColumnFormats;
    ListDescription d;
    d.caption = QStringLiteral("Manutenção de Regiões");
    d.nameOrderLabel = QStringLiteral("Descrição");
    d.searchGroupTitle = QStringLiteral("Busca:");
    d.searchLabelOnShow = d.searchLabelName = QStringLiteral("Descrição:");
    d.searchLabelCode = QStringLiteral("Código:");
    d.codeColumn = QStringLiteral("REG_CODIGO");
    d.nameColumn = QStringLiteral("REG_DESC");
    d.normaliseCode = [](const QString &t) { return Funcoes::completaZeros(t.trimmed(), kCodeWidth); };
    d.columns = {
        text(QStringLiteral("REG_CODIGO"), QStringLiteral("Código")),
        text(QStringLiteral("REG_DESC"), QStringLiteral("Descrição")),
        money(QStringLiteral("REG_VALOR"), QStringLiteral("Preço")),
        text(QStringLiteral("REG_OBS"), QStringLiteral("Observações")),
    };
    d.statement = [](bool byCode, int) {
        return byCode ? QStringLiteral("Select * From Regioes Order By REG_Codigo")
                      : QStringLiteral("Select * From Regioes Order By REG_Desc");
    };
    d.gateCodes = {QStringLiteral("1.4.1"), QStringLiteral("1.4.2"), QStringLiteral("1.4.3"), QStringLiteral("1.4.4")};
    return d;
}

} // namespace RegionRegister
