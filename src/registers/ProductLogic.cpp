#include "registers/ProductLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"

#include <stdexcept>

namespace {

const QString kPF = QStringLiteral("PRO_PF");
const QString kFeito = QStringLiteral("PRO_FEITOHORA");
const QString kCusto = QStringLiteral("PRO_PCUSTO");
const QString kMargem = QStringLiteral("PRO_MARGEM");
const QString kVenda = QStringLiteral("PRO_PVENDA");

RecordDescription makeDescription()
{
    using K = FieldDescription::Kind;
    using F = ModeSetup::Focus;
    RecordDescription d;
    d.codeColumn = QStringLiteral("PRO_CODIGO");
    d.code = {.form = CodePolicy::Form::RightAligned,
              .width = ProductLogic::kCodeWidth,
              .existsStatement = QStringLiteral("Select PRO_Codigo From Produtos Where PRO_Codigo=:cCodigo"),
              .takenMessage = QStringLiteral("Código já cadastrado, tente outro")};
    d.fields = {
        {.column = QStringLiteral("PRO_CODIGO"), .label = QStringLiteral("Código:"), .width = 10},
        {.column = QStringLiteral("PRO_DESCRICAO"), .label = QStringLiteral("Descrição:"), .width = 50,
         .parameter = QStringLiteral("cDescricao")},
        {.column = QStringLiteral("PRO_UNID"), .label = QStringLiteral("Unidade:"), .width = 3,
         .parameter = QStringLiteral("cUnid")},
        {.column = kPF, .label = QStringLiteral("Produto Próprio ?"), .kind = K::YesNo,
         .parameter = QStringLiteral("cPF")},
        // Written by the own-product rule (bindExtra).
        {.column = kFeito, .label = QStringLiteral("Feito na Hora ?"), .kind = K::YesNo},
        {.column = QStringLiteral("PRO_ATIVO"), .label = QStringLiteral("Ativo:"), .kind = K::YesNo,
         .parameter = QStringLiteral("cAtivo")},
        {.column = QStringLiteral("PRO_QUANT"), .label = QStringLiteral("Quantidade em Estoque"),
         .kind = K::Quantity, .scale = 3, .shownOnly = true},
        {.column = QStringLiteral("PRO_MIN"), .label = QStringLiteral("Estoque Mínimo:"), .kind = K::Whole,
         .scale = 0, .parameter = QStringLiteral("nMin")},
        {.column = QStringLiteral("PRO_EMAX"), .label = QStringLiteral("Estoque Máximo"), .kind = K::Whole,
         .scale = 0, .parameter = QStringLiteral("nEMAX")},
        {.column = kCusto, .label = QStringLiteral("Preço de Custo:"), .kind = K::Money,
         .parameter = QStringLiteral("nPCusto")},
        {.column = kMargem, .label = QStringLiteral("Margem de Lucro:"), .kind = K::Percentage,
         .parameter = QStringLiteral("nMargem")},
        {.column = kVenda, .label = QStringLiteral("Preço de Venda:"), .kind = K::Money,
         .parameter = QStringLiteral("nPVenda")},
        {.column = QStringLiteral("PRO_UCOMP"), .label = QStringLiteral("Última Compra:"), .kind = K::Date,
         .shownOnly = true, .emptyText = QStringLiteral("  /  /    ")},
        {.column = QStringLiteral("PRO_DCAD"), .label = QStringLiteral("D.Cadastramento:"), .kind = K::Date,
         .parameter = QStringLiteral("dDCad"), .insertOnly = true},
        {.column = QStringLiteral("PRO_OBS"), .label = QStringLiteral("Observações:"), .kind = K::Memo,
         .width = 300, .parameter = QStringLiteral("cObs")},
    };
    d.selectStatement = QStringLiteral("Select * From Produtos Where PRO_Codigo=:cCodigo");
    d.insertStatement = QStringLiteral(
        "Insert into Produtos (PRO_Codigo, PRO_Descricao, PRO_Unid,\n"
        "PRO_PF, PRO_Quant, PRO_Min, PRO_PCusto, PRO_DCad, PRO_Obs,\n"
        "PRO_EMAX, PRO_PVenda, PRO_Margem, PRO_Ativo, PRO_FeitoHora)\n"
        "Values (:cCodigo, :cDescricao, :cUnid, :cPF, :nQuant, :nMin, :nPCusto,\n"
        ":dDCad, :cOBs, :nEMAX, :nPVenda, :nMargem, :cAtivo, :cFeitoHora)");
    d.updateStatement = QStringLiteral(
        "Update Produtos Set PRO_Descricao=:cDescricao, PRO_Unid=:cUnid,\n"
        "PRO_PF=:cPF, PRO_Min=:nMin, PRO_PCusto=:nPCusto, PRO_Obs=:cObs,\n"
        "PRO_EMAX=:nEMAX, PRO_PVenda=:nPVenda, PRO_Margem=:nMargem, PRO_Ativo=:cAtivo, PRO_FeitoHora=:cFeitoHora\n"
        "Where PRO_Codigo=:cCodigo");
    d.deleteStatement = QStringLiteral("Delete From Produtos\nWhere PRO_Codigo=:cCodigo");
    d.audit = {AuditEvent::CadastroProduto, AuditEvent::AlteracaoProduto, AuditEvent::ExclusaoProduto};
    d.todayColumn = QStringLiteral("PRO_DCAD");
    d.requiredColumn = QStringLiteral("PRO_DESCRICAO");
    d.requiredMessage = QStringLiteral("O Campo Descrição Precisa ser Preenchido");
    d.modes = {{
        {.title = QStringLiteral("Inclusão de Produtos"), .saveVisible = true, .saveCaption = QStringLiteral("Grava"),
         .clearVisible = true, .focus = F::Code},
        {.title = QStringLiteral("Alteração de Produto"), .saveVisible = true, .saveCaption = QStringLiteral("Altera"),
         .codeReadOnly = true, .focus = F::Name},
        {.title = QStringLiteral("Exclusão de Produto"), .deleteVisible = true, .codeReadOnly = true,
         .fieldsReadOnly = true, .focus = F::DeleteButton},
        {.title = QStringLiteral("Consulta de Produto"), .codeReadOnly = true, .fieldsReadOnly = true,
         .focus = F::CloseButton},
    }};
    return d;
}

} // namespace

ProductLogic::ProductLogic(AppContext &ctx) : RecordDataLogic(ctx, description())
{
    clear();
}

const RecordDescription &ProductLogic::description()
{
    static const RecordDescription d = makeDescription();
    return d;
}

QString ProductLogic::padCode(const QString &typed)
{
    return storedCode(description().code, typed);
}

std::optional<Decimal> ProductLogic::salePrice(const Decimal &cost, const Decimal &margin)
{
    if (cost.isZero())
        return std::nullopt;
    return (cost * (margin + Decimal::fromInt(100))).divide(Decimal::fromInt(100), 2);
}

std::optional<Decimal> ProductLogic::margin(const Decimal &cost, const Decimal &price)
{
    if (cost.isZero() || price.isZero())
        return std::nullopt;
    return (price * Decimal::fromInt(100)).divide(cost, 2) - Decimal::fromInt(100);
}

void ProductLogic::applyDefaults()
{
    m_madeOnTheSpotEnabled = true;
}

void ProductLogic::loaded(const Row &)
{
    m_madeOnTheSpotEnabled = true;
}

std::optional<Decimal> ProductLogic::number(const QString &column) const
{
    const SqlValue &v = values().value(column);
    if (v.isNull() || std::holds_alternative<QString>(v.storage()))
        return std::nullopt;
    return v.toDecimal();
}

bool ProductLogic::leaveOwnProduct()
{
    const bool own = values().yes(kPF);
    if (!own)
        values().setYes(kFeito, false);
    m_madeOnTheSpotEnabled = own;
    return own;
}

void ProductLogic::leaveMargin()
{
    const auto c = number(kCusto);
    const auto m = number(kMargem);
    if (!c || !m)
        return;
    try {
        if (const auto p = salePrice(*c, *m))
            setField(kVenda, *p);
    } catch (const std::exception &) {
        // Beyond what a price holds: the price stays as it was.
    }
}

void ProductLogic::leavePrice()
{
    const auto c = number(kCusto);
    const auto p = number(kVenda);
    if (!c || !p)
        return;
    try {
        if (const auto m = margin(*c, *p))
            setField(kMargem, *m);
    } catch (const std::exception &) {
        // Beyond what a margin holds: the margin stays as it was.
    }
}

bool ProductLogic::check(std::optional<ModeSetup::Focus> &focus)
{
    if (!RecordDataLogic::check(focus))
        return false;
    if (modo() != Modo::Inclui)
        return true;
    if (code().trimmed().isEmpty()) {
        m_ctx.messages.error(QStringLiteral("O Campo Código Precisa ser Preenchido"));
        focus = ModeSetup::Focus::Code;
        return false;
    }
    const QString padded = padCode(code());
    setField(description().codeColumn, padded);
    bool taken = false;
    try {
        taken = !m_ctx.db.select(description().code.existsStatement, {{QStringLiteral("cCodigo"), padded}}).isEmpty();
    } catch (const DbError &) {
        // Unreadable now: the insert itself refuses a code in use.
    }
    if (taken) {
        m_ctx.messages.error(QStringLiteral("Código:") + padded + QStringLiteral(" já Cadastrado, tente outro"));
        focus = ModeSetup::Focus::Code;
        return false;
    }
    return true;
}

void ProductLogic::bindExtra(Params &params, RecordSave::Write write) const
{
    // A bought-in product is never made on the spot, however the choices were left.
    const bool feito = values().yes(kPF) && values().yes(kFeito);
    params.set(QStringLiteral("cFeitoHora"), feito ? QStringLiteral("S") : QStringLiteral("N"));
    if (write == RecordSave::Write::Insert)
        params.set(QStringLiteral("nQuant"), Decimal(0, 3));
}
