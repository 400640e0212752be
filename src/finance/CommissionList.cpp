#include "finance/CommissionList.h"

#include "controls/BrFormat.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"

namespace {

const QString kFrom = QStringLiteral(
    "From CCE c join Entregadores e on (c.CCE_CodEnt=e.ENT_Codigo) Where c.CCE_DATA Between :dDataInicial and "
    ":dDataFinal");
const QString kByPerson = QStringLiteral(" and c.CCE_CodEnt=:cCodEnt");
const QString kTotals = QStringLiteral(
    "Select Sum(Case When c.CCE_Situ='A' Then c.CCE_Valor Else 0 End) as TotalAPagar,\n"
    "Sum(Case When c.CCE_Situ='P' Then c.CCE_Valor Else 0 End) as TotalPago,\n"
    "Sum(Case When c.CCE_Situ='C' Then c.CCE_Valor Else 0 End) as TotalCancelado\n");

const QString kAPagar = QStringLiteral("A");
const QString kPaga = QStringLiteral("P");
const QString kCancelada = QStringLiteral("C");
const QString kNaoEncontrada = QStringLiteral("Comissão não Encontrada");

Decimal money(const SqlValue &v)
{
    return v.isNull() ? Decimal(0, 2) : v.toDecimal().withScale(2);
}

} // namespace

struct CommissionList::Change {
    QString gateCode;
    QString situ;
    bool paymentDate;
    QString refusalPaid;
    QString refusalCancelled;
    QString failure;
    QString audit;
};

CommissionList::CommissionList(AppContext &ctx) : m_ctx(ctx), m_rows(ctx.db)
{
}

QString CommissionList::totalAPagarText() const { return BrFormat::money(m_totals[0]); }
QString CommissionList::totalPagoText() const { return BrFormat::money(m_totals[1]); }
QString CommissionList::totalCanceladoText() const { return BrFormat::money(m_totals[2]); }

void CommissionList::show()
{
    dataInicial = dataFinal = m_ctx.clock.today();
    codEnt.clear();
    nomeEnt.clear();
    filtrar();
}

void CommissionList::filtrar()
{
    m_queryInicial = dataInicial;
    m_queryFinal = dataFinal;
    m_queryCodEnt = codEnt.trimmed();
    query();
}

void CommissionList::statusChanged()
{
    query();
}

void CommissionList::query()
{
    Params params{{QStringLiteral("dDataInicial"), m_queryInicial}, {QStringLiteral("dDataFinal"), m_queryFinal}};
    QString where = kFrom;
    if (!m_queryCodEnt.isEmpty()) {
        where += kByPerson;
        params.set(QStringLiteral("cCodEnt"), m_queryCodEnt);
    }
    // The status boxes, made of fixed codes only.
    QStringList shown;
    if (aPagar)
        shown << QStringLiteral("'A'");
    if (pagas)
        shown << QStringLiteral("'P'");
    if (canceladas)
        shown << QStringLiteral("'C'");
    where += shown.isEmpty() ? QStringLiteral(" and 1=0")
                             : QStringLiteral(" and c.CCE_Situ In (%1)").arg(shown.join(u','));
    for (Decimal &t : m_totals)
        t = Decimal(0, 2);
    try {
        m_rows.reset(QStringLiteral("Select c.*, e.ENT_NOME ") + where +
                         QStringLiteral("\nOrder By c.CCE_Data, c.CCE_CodInt"),
                     params);
        const ResultSet totals = m_ctx.db.select(kTotals + where, params);
        if (!totals.isEmpty()) {
            m_totals[0] = money(totals.value(0, 0));
            m_totals[1] = money(totals.value(0, 1));
            m_totals[2] = money(totals.value(0, 2));
        }
    } catch (const DbError &e) {
        m_rows.clear();
        m_ctx.messages.error(e.message());
    }
}

bool CommissionList::leaveCode()
{
    codEnt = codEnt.trimmed();
    if (codEnt.isEmpty()) {
        nomeEnt.clear();
        return true;
    }
    codEnt = Funcoes::completaZeros(codEnt, 6);
    ResultSet rows;
    try {
        rows = m_ctx.db.select(QStringLiteral("Select ENT_Codigo, ENT_Nome From Entregadores Where ENT_Codigo=:cCodEnt"),
                               {{QStringLiteral("cCodEnt"), codEnt}});
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
        return false;
    }
    if (rows.isEmpty()) {
        m_ctx.messages.error(QStringLiteral("Entregador não Encontrado, tente outro"));
        codEnt.clear();
        nomeEnt.clear();
        return false;
    }
    nomeEnt = rows.first().text(QStringLiteral("ENT_NOME"));
    return true;
}

CommissionList::Outcome CommissionList::pagar(int row)
{
    static const Change c{QStringLiteral("4.1"),
                          kPaga,
                          true,
                          QStringLiteral("Comissão já foi Paga"),
                          QStringLiteral("Comissão Cancelada"),
                          QStringLiteral("Não Consegui Pagar a Comissão, Tente Novamente !\rErro:  "),
                          AuditEvent::PagamentoComissao};
    return change(row, c);
}

CommissionList::Outcome CommissionList::cancelar(int row)
{
    static const Change c{QStringLiteral("4.2"),
                          kCancelada,
                          false,
                          QStringLiteral("Comissão já foi Paga, não pode ser Cancelada"),
                          QStringLiteral("Comissão já foi Cancelada"),
                          QStringLiteral("Não Consegui Cancelar a Comissão, Tente Novamente !\rErro:  "),
                          AuditEvent::CancelamentoComissao};
    return change(row, c);
}

void CommissionList::refuseFor(const QString &situ, const Change &c)
{
    if (situ == kPaga)
        m_ctx.messages.error(c.refusalPaid);
    else if (situ == kCancelada)
        m_ctx.messages.error(c.refusalCancelled);
}

CommissionList::Outcome CommissionList::change(int row, const Change &c)
{
    if (row < 0 || row >= m_rows.size())
        return Outcome::Refused;
    if (!Funcoes::permissionGate(m_ctx, c.gateCode))
        return Outcome::Refused;
    const Row r = m_rows.rows().row(row);
    const QString shownSitu = r.text(QStringLiteral("CCE_SITU")).trimmed();
    if (shownSitu != kAPagar) {
        refuseFor(shownSitu, c);
        return Outcome::Refused;
    }
    const std::int64_t codInt = r.value(QStringLiteral("CCE_CODINT")).toInt();
    const QString doc = r.text(QStringLiteral("CCE_DOC"));

    bool changed = false;
    QString why = kNaoEncontrada;
    try {
        Transaction tx(m_ctx.db);
        Params params{{QStringLiteral("cSitu"), c.situ}, {QStringLiteral("nCodInt"), codInt}};
        QString sql = QStringLiteral("Update CCE SET CCE_Situ=:cSitu");
        if (c.paymentDate) {
            sql += QStringLiteral(", CCE_DataP=:dDataP");
            params.set(QStringLiteral("dDataP"), m_ctx.clock.today());
        }
        // Only from "A" as the database holds it: another workstation may have
        // paid or cancelled it since the list was read.
        sql += QStringLiteral(" Where CCE_CodInt=:nCodInt And CCE_Situ='A'");
        const qint64 n = m_ctx.db.execute(tx, sql, params);
        if (n > 1)
            throw DbError(QStringLiteral("Código interno da comissão repetido: %1").arg(codInt));
        if (n == 1) {
            Funcoes::gravaLog(m_ctx, tx, c.audit + doc);
            tx.commit();
            changed = true;
        }
    } catch (const DbError &e) {
        if (e.category() != DbError::Category::LockConflict) {
            m_ctx.messages.warning(c.failure + e.message());
            query();
            return Outcome::Failed;
        }
        // Another workstation changed it while this one waited: its status now says why.
        why = e.message();
    }
    Outcome outcome = Outcome::Done;
    if (!changed) {
        outcome = Outcome::Refused;
        try {
            const ResultSet now = m_ctx.db.select(QStringLiteral("Select CCE_Situ From CCE Where CCE_CodInt=:nCodInt"),
                                                  {{QStringLiteral("nCodInt"), codInt}});
            const QString situ = now.isEmpty() ? QString() : now.first().text(QStringLiteral("CCE_SITU")).trimmed();
            if (situ == kPaga || situ == kCancelada)
                refuseFor(situ, c);
            else
                m_ctx.messages.warning(c.failure + (now.isEmpty() ? kNaoEncontrada : why));
        } catch (const DbError &e) {
            m_ctx.messages.warning(c.failure + e.message());
        }
    }
    query();
    return outcome;
}
