#include "registers/ProductLogic.h"

#include "controls/BrFormat.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"

namespace {

const QString kExists = QStringLiteral("Select PRO_Codigo From Produtos Where PRO_Codigo=:cCodigo");
const QString kInsert = QStringLiteral(
    "Insert into Produtos (PRO_Codigo, PRO_Descricao, PRO_Unid,\n"
    "PRO_PF, PRO_Quant, PRO_Min, PRO_PCusto, PRO_DCad, PRO_Obs,\n"
    "PRO_EMAX, PRO_PVenda, PRO_Margem, PRO_Ativo, PRO_FeitoHora)\n"
    "Values (:cCodigo, :cDescricao, :cUnid, :cPF, :nQuant, :nMin, :nPCusto,\n"
    ":dDCad, :cOBs, :nEMAX, :nPVenda, :nMargem, :cAtivo, :cFeitoHora)");
const QString kUpdate = QStringLiteral(
    "Update Produtos Set PRO_Descricao=:cDescricao, PRO_Unid=:cUnid,\n"
    "PRO_PF=:cPF, PRO_Min=:nMin, PRO_PCusto=:nPCusto, PRO_Obs=:cObs,\n"
    "PRO_EMAX=:nEMAX, PRO_PVenda=:nPVenda, PRO_Margem=:nMargem, PRO_Ativo=:cAtivo, PRO_FeitoHora=:cFeitoHora\n"
    "Where PRO_Codigo=:cCodigo");
const QString kDelete = QStringLiteral("Delete From Produtos\nWhere PRO_Codigo=:cCodigo");

QString flag(bool yes)
{
    return yes ? QStringLiteral("S") : QStringLiteral("N");
}

// A field's number as shown, read through the numeric filter and kept at the
// column's scale; an unreadable text fails the save.
Decimal number(const QString &text, int scale)
{
    const auto value = BrFormat::parse(text);
    if (!value)
        throw DbError(DbError::Category::Conversion, QStringLiteral("'%1' não é um número válido").arg(text));
    return value->withScale(scale);
}

} // namespace

ProductLogic::ProductLogic(AppContext &ctx) : m_ctx(ctx)
{
    clear();
}

QString ProductLogic::padCode(const QString &typed)
{
    return Funcoes::completaEspacos(typed.trimmed(), kCodeWidth, QStringLiteral("e"));
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

const TextField &ProductLogic::codeField()
{
    static const TextField f{QStringLiteral("PRO_CODIGO"), QStringLiteral("Código:"), 10};
    return f;
}
const TextField &ProductLogic::descriptionField()
{
    static const TextField f{QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Descrição:"), 50};
    return f;
}
const TextField &ProductLogic::unitField()
{
    static const TextField f{QStringLiteral("PRO_UNID"), QStringLiteral("Unidade:"), 3};
    return f;
}
const TextField &ProductLogic::notesField()
{
    static const TextField f{QStringLiteral("PRO_OBS"), QStringLiteral("Observações:"), 300};
    return f;
}

void ProductLogic::clear()
{
    code.clear();
    description.clear();
    unit.clear();
    notes.clear();
    ownProduct = madeOnTheSpot = active = true;
    m_madeOnTheSpotEnabled = true;
    quantity = BrFormat::number(Decimal(0, 3), 3);
    minimum = maximum = QStringLiteral("0");
    cost = price = BrFormat::money(Decimal(0, 2), 2);
    marginText = BrFormat::percent(Decimal(0, 2), 2);
    lastPurchase = QStringLiteral("  /  /    ");
    registrationDate = m_ctx.clock.today();
}

void ProductLogic::prepare()
{
    clear();
    m_modo = RecordMode::fromText(m_modoText);
    if (m_modo == Modo::Inclui)
        return;
    const ResultSet rows = m_ctx.db.select(QStringLiteral("Select * From Produtos Where PRO_Codigo=:cCodigo"),
                                           {{QStringLiteral("cCodigo"), m_selectedCode}});
    if (rows.isEmpty())
        return;
    const Row r = rows.row(0);
    code = r.text(QStringLiteral("PRO_CODIGO"));
    description = r.text(QStringLiteral("PRO_DESCRICAO"));
    unit = r.text(QStringLiteral("PRO_UNID"));
    notes = r.text(QStringLiteral("PRO_OBS"));
    ownProduct = r.text(QStringLiteral("PRO_PF")) == QStringLiteral("S");
    madeOnTheSpot = r.text(QStringLiteral("PRO_FEITOHORA")) == QStringLiteral("S");
    active = r.text(QStringLiteral("PRO_ATIVO")) == QStringLiteral("S");
    quantity = BrFormat::number(r.value(QStringLiteral("PRO_QUANT")).toDecimal(), 3);
    minimum = BrFormat::number(r.value(QStringLiteral("PRO_MIN")).toDecimal(), 0);
    maximum = BrFormat::number(r.value(QStringLiteral("PRO_EMAX")).toDecimal(), 0);
    cost = BrFormat::money(r.value(QStringLiteral("PRO_PCUSTO")).toDecimal(), 2);
    price = BrFormat::money(r.value(QStringLiteral("PRO_PVENDA")).toDecimal(), 2);
    marginText = BrFormat::percent(r.value(QStringLiteral("PRO_MARGEM")).toDecimal(), 2);
    const SqlValue &ucomp = r.value(QStringLiteral("PRO_UCOMP"));
    if (!ucomp.isNull())
        lastPurchase = BrFormat::date(ucomp.toDate());
    const SqlValue &dcad = r.value(QStringLiteral("PRO_DCAD"));
    registrationDate = dcad.isNull() ? QDate() : dcad.toDate();
}

ModeSetup ProductLogic::modeSetup() const
{
    switch (m_modo) {
    case Modo::Inclui:
        return {QStringLiteral("Inclusão de Produtos"), true, QStringLiteral("Grava"), true, false, false, false,
                ModeSetup::Focus::Code};
    case Modo::Altera:
        return {QStringLiteral("Alteração de Produto"), true, QStringLiteral("Altera"), false, false, true, false,
                ModeSetup::Focus::Name};
    case Modo::Exclui:
        return {QStringLiteral("Exclusão de Produto"), false, QString(), false, true, true, true,
                ModeSetup::Focus::DeleteButton};
    case Modo::Consulta:
        break;
    }
    return {QStringLiteral("Consulta de Produto"), false, QString(), false, false, true, true,
            ModeSetup::Focus::CloseButton};
}

void ProductLogic::enterCode()
{
    if (m_modo == Modo::Inclui)
        code = code.trimmed();
}

bool ProductLogic::leaveCode()
{
    if (m_modo != Modo::Inclui || code.trimmed().isEmpty())
        return true;
    code = padCode(code);
    if (m_ctx.db.select(kExists, {{QStringLiteral("cCodigo"), code}}).isEmpty())
        return true;
    m_ctx.messages.error(QStringLiteral("Código já cadastrado, tente outro"));
    code.clear();
    return false;
}

bool ProductLogic::leaveOwnProduct()
{
    if (!ownProduct)
        madeOnTheSpot = false;
    m_madeOnTheSpotEnabled = ownProduct;
    return m_madeOnTheSpotEnabled;
}

void ProductLogic::leaveMargin()
{
    const auto c = BrFormat::parse(cost);
    const auto m = BrFormat::parse(marginText);
    if (!c || !m)
        return;
    if (const auto p = salePrice(*c, *m))
        price = BrFormat::money(*p, 2);
}

void ProductLogic::leavePrice()
{
    const auto c = BrFormat::parse(cost);
    const auto p = BrFormat::parse(price);
    if (!c || !p)
        return;
    if (const auto m = margin(*c, *p))
        marginText = BrFormat::percent(*m, 2);
}

ProductLogic::SaveResult ProductLogic::save()
{
    if (m_modo != Modo::Inclui && m_modo != Modo::Altera)
        return {};
    SaveResult refused;
    if (description.trimmed().isEmpty()) {
        m_ctx.messages.error(QStringLiteral("O Campo Descrição Precisa ser Preenchido"));
        refused.focus = ModeSetup::Focus::Name;
        return refused;
    }
    if (m_modo == Modo::Inclui) {
        if (code.trimmed().isEmpty()) {
            m_ctx.messages.error(QStringLiteral("O Campo Código Precisa ser Preenchido"));
            refused.focus = ModeSetup::Focus::Code;
            return refused;
        }
        code = padCode(code);
        if (!m_ctx.db.select(kExists, {{QStringLiteral("cCodigo"), code}}).isEmpty()) {
            m_ctx.messages.error(QStringLiteral("Código:") + code + QStringLiteral(" já Cadastrado, tente outro"));
            refused.focus = ModeSetup::Focus::Code;
            return refused;
        }
    }
    if (const auto problem = unencodableMessage({code, description, unit, notes})) {
        m_ctx.messages.error(*problem);
        return refused;
    }
    return write();
}

ProductLogic::SaveResult ProductLogic::write()
{
    const bool adding = m_modo == Modo::Inclui;
    try {
        Transaction tx(m_ctx.db);
        Params params{
            {QStringLiteral("cCodigo"), code},
            {QStringLiteral("cDescricao"), description},
            {QStringLiteral("cUnid"), unit},
            {QStringLiteral("cPF"), flag(ownProduct)},
            {QStringLiteral("nMin"), number(minimum, 0)},
            {QStringLiteral("nPCusto"), number(cost, 2)},
            {QStringLiteral("cObs"), notes},
            {QStringLiteral("nEMAX"), number(maximum, 0)},
            {QStringLiteral("nPVenda"), number(price, 2)},
            {QStringLiteral("nMargem"), number(marginText, 2)},
            {QStringLiteral("cAtivo"), flag(active)},
            // A bought-in product is never made on the spot, however the choices were left.
            {QStringLiteral("cFeitoHora"), flag(ownProduct && madeOnTheSpot)},
        };
        if (adding) {
            params.set(QStringLiteral("nQuant"), Decimal(0, 3));
            params.set(QStringLiteral("dDCad"), registrationDate);
        }
        m_ctx.db.execute(tx, adding ? kInsert : kUpdate, params);
        Funcoes::gravaLog(m_ctx, tx, (adding ? AuditEvent::CadastroProduto : AuditEvent::AlteracaoProduto) + code);
        tx.commit();
    } catch (const DbError &e) {
        m_ctx.messages.warning((adding ? QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ")
                                       : QStringLiteral("Não Consegui Alterar, Tente Novamente !\rErro:  ")) +
                               e.message());
        return {};
    }
    clear();
    SaveResult result;
    result.saved = true;
    result.reloadList = true;
    result.closeWindow = !adding;
    if (adding)
        result.focus = ModeSetup::Focus::Code;
    return result;
}

ProductLogic::SaveResult ProductLogic::remove()
{
    if (m_modo != Modo::Exclui)
        return {};
    try {
        Transaction tx(m_ctx.db);
        m_ctx.db.execute(tx, kDelete, {{QStringLiteral("cCodigo"), code}});
        Funcoes::gravaLog(m_ctx, tx, AuditEvent::ExclusaoProduto + code);
        tx.commit();
    } catch (const DbError &e) {
        m_ctx.messages.warning(QStringLiteral("Não Consegui Excluir, Tente Novamente !\rErro:  ") + e.message());
        return {};
    }
    clear();
    SaveResult result;
    result.saved = true;
    result.reloadList = true;
    result.closeWindow = true;
    return result;
}
