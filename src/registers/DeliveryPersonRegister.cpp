#include "registers/DeliveryPersonRegister.h"

#include "core/Funcoes.h"
#include "core/RecordDataLogic.h"
#include "registers/ColumnFormats.h"

namespace DeliveryPersonRegister {

namespace {

RecordDescription makeData()
{
    using K = FieldDescription::Kind;
    using F = ModeSetup::Focus;
    const auto text = &FieldDescription::text;
    RecordDescription d;
    d.codeColumn = QStringLiteral("ENT_CODIGO");
    d.code = {.form = CodePolicy::Form::Digits,
              .width = kCodeWidth,
              .maxStatement = QStringLiteral("Select MAX(ENT_Codigo) as Cod From Entregadores"),
              .existsStatement = QStringLiteral("Select ENT_Codigo From Entregadores Where ENT_Codigo=:cCodigo"),
              .takenMessage = QStringLiteral("Código já Cadastrado, tente outro"),
              .digitsOnly = true};
    d.fields = {
        text("ENT_CODIGO", "Código:", kCodeWidth, ""),
        text("ENT_NOME", "Nome:", 60, "cNome"),
        text("ENT_ENDER", "Endereço", 50, "cEnder"),
        text("ENT_NUMERO", "Número", 10, "cNumero"),
        text("ENT_COMPLE", "Complemento:", 25, "cComple"),
        text("ENT_BAIRRO", "Bairro:", 30, "cBairro"),
        text("ENT_CID", "Cidade:", 30, "cCid"),
        text("ENT_UF", "Estado:", 2, "cUF"),
        {.column = QStringLiteral("ENT_CEP"), .label = QStringLiteral("CEP:"), .kind = K::Masked, .width = 10,
         .parameter = QStringLiteral("cCep"), .mask = QStringLiteral("99.999-999")},
        text("ENT_FONE", "Telefone:", 15, "cFone"),
        text("ENT_CELULAR", "Celular:", 15, "cCelular"),
        {.column = QStringLiteral("ENT_DCAD"), .label = QStringLiteral("D.Cadastramento:"), .kind = K::Date,
         .parameter = QStringLiteral("dDCad")},
        {.column = QStringLiteral("ENT_COMISSAO"), .label = QStringLiteral("Comissão do Valor da Entrega:"),
         .kind = K::Percentage, .scale = 2, .parameter = QStringLiteral("nComissao")},
    };
    d.selectStatement = QStringLiteral("Select * From Entregadores Where ENT_Codigo=:cCodigo");
    d.insertStatement = QStringLiteral(
        "Insert into Entregadores (ENT_Codigo, ENT_Nome, ENT_Ender, ENT_Cid, ENT_UF,\n"
        "ENT_CEP, ENT_Fone, ENT_Celular, ENT_Comple, ENT_Bairro, ENT_DCad, ENT_Numero, ENT_Comissao)\n"
        "Values (:cCodigo, :cNome, :cEnder, :cCid, :cUF,\n"
        ":cCEP, :cFone, :cCelular, :cComple, :cBairro, :dDCad, :cNumero,:nComissao)");
    d.updateStatement = QStringLiteral(
        "Update Entregadores SET ENT_Nome=:cNome, ENT_Ender=:cEnder, ENT_Cid=:cCid, ENT_UF=:cUF,\n"
        "ENT_CEP=:cCep, ENT_Fone=:cFone, ENT_Celular=:cCelular, ENT_Comple=:cComple, ENT_Bairro=:cBairro, "
        "ENT_DCad=:dDCad, ENT_Numero=:cNumero, ENT_Comissao=:nComissao\n"
        "Where ENT_Codigo=:cCodigo");
    d.deleteStatement = QStringLiteral("Delete From Entregadores\nWhere ENT_Codigo=:cCodigo");
    d.audit = {AuditEvent::CadastroEntregador, AuditEvent::AlteracaoEntregador, AuditEvent::ExclusaoEntregador};
    d.requiredColumn = QStringLiteral("ENT_NOME");
    d.requiredMessage = QStringLiteral("O Campo Nome Precisa ser Preenchido");
    d.todayColumn = QStringLiteral("ENT_DCAD");
    d.clearCaption = QStringLiteral("Limpa");
    d.deleteCaption = QStringLiteral("Exclui");
    const QString grava = QStringLiteral("Grava");
    d.modes = {{
        {.title = QStringLiteral("Inclusão de Entregadores"), .saveVisible = true, .saveCaption = grava,
         .clearVisible = true, .focus = F::Code},
        {.title = QStringLiteral("Alteração de Entregadores"), .saveVisible = true, .saveCaption = grava,
         .codeReadOnly = true, .focus = F::Name},
        {.title = QStringLiteral("Exclusão de Entregadores"), .saveCaption = grava, .deleteVisible = true,
         .codeReadOnly = true, .fieldsReadOnly = true, .focus = F::DeleteButton},
        {.title = QStringLiteral("Consulta de Entregadores"), .saveCaption = grava, .codeReadOnly = true,
         .fieldsReadOnly = true, .focus = F::CloseButton},
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
    d.caption = QStringLiteral("Manutenção de Entregadores");
    d.nameOrderLabel = QStringLiteral("Nome");
    d.searchGroupTitle = QStringLiteral("Busca:");
    // The label stays "Nome:" whatever the order.
    d.searchLabelOnShow = d.searchLabelName = d.searchLabelCode = QStringLiteral("Nome:");
    d.codeColumn = QStringLiteral("ENT_CODIGO");
    d.nameColumn = QStringLiteral("ENT_NOME");
    d.normaliseCode = [](const QString &t) { return Funcoes::completaZeros(t.trimmed(), kCodeWidth); };
    d.columns = {
        text(QStringLiteral("ENT_CODIGO"), QStringLiteral("Código")),
        text(QStringLiteral("ENT_NOME"), QStringLiteral("Nome")),
        text(QStringLiteral("ENT_ENDER"), QStringLiteral("Endereço")),
        text(QStringLiteral("ENT_NUMERO"), QStringLiteral("Número")),
        text(QStringLiteral("ENT_COMPLE"), QStringLiteral("Complemento")),
        text(QStringLiteral("ENT_BAIRRO"), QStringLiteral("Bairro")),
        text(QStringLiteral("ENT_CID"), QStringLiteral("Cidade")),
        text(QStringLiteral("ENT_UF"), QStringLiteral("UF")),
        text(QStringLiteral("ENT_CEP"), QStringLiteral("CEP")),
        text(QStringLiteral("ENT_FONE"), QStringLiteral("Telefone")),
        text(QStringLiteral("ENT_CELULAR"), QStringLiteral("Celular")),
        date(QStringLiteral("ENT_DCAD"), QStringLiteral("D.Cadastramento")),
        number(QStringLiteral("ENT_COMISSAO"), QStringLiteral("Comissão(%)"), 3),
    };
    d.statement = [](bool byCode, int) {
        return byCode ? QStringLiteral("Select * From Entregadores Order By ENT_Codigo")
                      : QStringLiteral("Select * From Entregadores Order By ENT_Nome");
    };
    d.gateCodes = {QStringLiteral("1.2.1"), QStringLiteral("1.2.2"), QStringLiteral("1.2.3"), QStringLiteral("1.2.4")};
    return d;
}

} // namespace DeliveryPersonRegister
