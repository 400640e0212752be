#include "orders/OrderListLogic.h"

#include "controls/BrFormat.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "registers/ColumnFormats.h"

namespace {

const QString kSelect = QStringLiteral(
    "Select p.*, c.CLI_Nome, c.CLI_Fone, e.ENT_Nome, r.REG_Desc, p.PED_VEnt*p.PED_QEnt as PED_ValorEntrega\n"
    "From PEDIDOS p Left Join Clientes c on (c.CLI_CODIGO=p.PED_CODCLI) Left join Entregadores e  on "
    "(p.PED_CodEnt=e.ENT_Codigo)\n"
    "Left Join Regioes r on (r.REG_CODIGO=p.PED_CODREG) ");

GridColumn timeColumn(const QString &column, const QString &title)
{
    return {column, title, [](const SqlValue &v) { return BrFormat::time(v.toTime()); }, false};
}

} // namespace

const QStringList &OrderListLogic::allStatuses()
{
    static const QStringList list{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("E"), QStringLiteral("S"),
                                  QStringLiteral("F")};
    return list;
}

const std::vector<GridColumn> &OrderListLogic::gridColumns()
{
    using namespace ColumnFormats;
    static const std::vector<GridColumn> columns{
        text(QStringLiteral("PED_CODIGO"), QStringLiteral("Código")),
        text(QStringLiteral("PED_CODCLI"), QStringLiteral("Cód.Cliente")),
        money(QStringLiteral("PED_TOTAL"), QStringLiteral("Valor Total")),
        money(QStringLiteral("PED_VDESC"), QStringLiteral("V.Desconto")),
        text(QStringLiteral("PED_SITU"), QStringLiteral("Situação")),
        text(QStringLiteral("PED_OBS"), QStringLiteral("Observações")),
        date(QStringLiteral("PED_DATA"), QStringLiteral("Data")),
        text(QStringLiteral("PED_CODENT"), QStringLiteral("Cod.Entregador")),
        text(QStringLiteral("PED_CODREG"), QStringLiteral("Cód.Região")),
        number(QStringLiteral("PED_VENT"), QStringLiteral("V.Entrega"), 2),
        number(QStringLiteral("PED_QENT"), QStringLiteral("Q.Entrega"), 3),
        timeColumn(QStringLiteral("PED_HORAS"), QStringLiteral("Hora Saída")),
        timeColumn(QStringLiteral("PED_HORAT"), QStringLiteral("Hora da Entrega")),
        timeColumn(QStringLiteral("PED_HORA"), QStringLiteral("Hora do Pedido")),
        date(QStringLiteral("PED_DATAS"), QStringLiteral("Data da Saída")),
        date(QStringLiteral("PED_DATAT"), QStringLiteral("Data da Entrega")),
        text(QStringLiteral("CLI_NOME"), QStringLiteral("Nome do Cliente")),
        text(QStringLiteral("ENT_NOME"), QStringLiteral("Entregador")),
        text(QStringLiteral("REG_DESC"), QStringLiteral("Região")),
        money(QStringLiteral("PED_VALORENTREGA"), QStringLiteral("Valor da Entrega")),
        money(QStringLiteral("PED_TROCO"), QStringLiteral("Troco")),
        money(QStringLiteral("PED_VPAGO"), QStringLiteral("Valor Pago")),
        text(QStringLiteral("CLI_FONE"), QStringLiteral("Telefone")),
    };
    return columns;
}

OrderListLogic::OrderListLogic(AppContext &ctx) : m_ctx(ctx) {}

void OrderListLogic::show(const QStringList &statuses)
{
    m_inicial = m_final = m_ctx.clock.today();
    m_ordering = Ordering::DataHora;
    m_statuses = statuses;
    m_alone.clear();
    reread(QString());
}

void OrderListLogic::setPeriod(const QDate &inicial, const QDate &final)
{
    m_inicial = inicial;
    m_final = final;
    m_alone.clear();
    reread(QString());
}

void OrderListLogic::chooseOrdering(Ordering ordering)
{
    m_ordering = ordering;
    reload();
}

void OrderListLogic::setStatuses(const QStringList &statuses)
{
    m_statuses = statuses;
    m_alone.clear();
    reload();
}

void OrderListLogic::reloadKeeping(const QString &code)
{
    reread(code);
}

void OrderListLogic::reread(const QString &keep)
{
    readCodes();
    const int at = keep.isEmpty() ? -1 : indexOf(keep);
    setCurrent(at >= 0 ? at : 0);
    if (m_onReread)
        m_onReread();
}

QString OrderListLogic::orderingClause() const
{
    switch (m_ordering) {
    case Ordering::Cliente:
        return QStringLiteral("c.CLI_NOme, p.PED_Codigo");
    case Ordering::Situacao:
        return QStringLiteral("p.PED_SITU, p.PED_Codigo");
    case Ordering::DataHora:
        break;
    }
    // Date ascending, and within one date the latest order first.
    return QStringLiteral("p.PED_DATA, p.PED_Hora Descending, p.PED_Codigo");
}

QString OrderListLogic::statusCondition(Params &params) const
{
    QStringList names;
    for (int i = 0; i < m_statuses.size(); ++i) {
        const QString name = QStringLiteral("cSitu%1").arg(i);
        params.set(name, m_statuses.at(i));
        names << u':' + name;
    }
    return QStringLiteral("p.PED_SITU In (") + names.join(u',') + u')';
}

void OrderListLogic::readCodes()
{
    m_codes.clear();
    m_index.clear();
    m_rows.clear();
    m_pagesRead.clear();
    m_complete = true;
    if (!m_alone.isEmpty()) {
        keep(m_ctx.db.select(kSelect + QStringLiteral("Where p.PED_Codigo=:cCodigo"), {{QStringLiteral("cCodigo"), m_alone}}),
             true);
        return;
    }
    if (m_statuses.isEmpty() || m_inicial > m_final)
        return;
    if (m_ordering != Ordering::DataHora) {
        appendCodes(m_inicial, m_final);
        return;
    }
    // Date first: the first days of the period give the first screen without
    // sorting the rest, which is read when the grid scrolls that far.
    QDate from = m_inicial;
    for (qint64 span = 1; from <= m_final && size() < kFirstRead; span *= 4) {
        const QDate to = std::min(from.addDays(span - 1), m_final);
        appendCodes(from, to);
        from = to.addDays(1);
    }
    m_restFrom = from;
    m_complete = from > m_final;
}

void OrderListLogic::appendCodes(const QDate &from, const QDate &to)
{
    Params params{{QStringLiteral("dDataIni"), from}, {QStringLiteral("dDataFim"), to}};
    const QString join = m_ordering == Ordering::Cliente
                             ? QStringLiteral(" Left Join Clientes c on (c.CLI_CODIGO=p.PED_CODCLI)")
                             : QString();
    const ResultSet codes = m_ctx.db.select(
        QStringLiteral("Select p.PED_Codigo From PEDIDOS p") + join +
            QStringLiteral(" Where p.PED_Data between :dDataIni and :dDataFim And ") + statusCondition(params) +
            QStringLiteral(" Order By ") + orderingClause(),
        params);
    m_index.clear();
    m_codes.reserve(m_codes.size() + size_t(codes.size()));
    for (int i = 0; i < codes.size(); ++i)
        m_codes.push_back(codes.value(i, 0).toString());
}

bool OrderListLogic::fetchRest()
{
    if (m_complete)
        return false;
    appendCodes(m_restFrom, m_final);
    m_complete = true;
    return true;
}

void OrderListLogic::keep(const ResultSet &rows, bool asList)
{
    const int codeColumn = rows.columnIndex(QStringLiteral("PED_CODIGO"));
    for (int r = 0; r < rows.size(); ++r) {
        const QString code = rows.value(r, codeColumn).toString();
        m_rows.insert(code, rows.row(r));
        if (asList)
            m_codes.push_back(code);
    }
}

void OrderListLogic::readPage(int page)
{
    m_pagesRead.insert(page);
    const int first = page * kPageSize;
    const int last = std::min(size(), first + kPageSize);
    Params params;
    QStringList names;
    for (int i = first; i < last; ++i) {
        const QString name = QStringLiteral("c%1").arg(i - first);
        params.set(name, m_codes[size_t(i)]);
        names << u':' + name;
    }
    keep(m_ctx.db.select(kSelect + QStringLiteral("Where p.PED_Codigo In (") + names.join(u',') + u')', params), false);
}

SqlValue OrderListLogic::value(int row, const QString &column)
{
    if (row < 0 || row >= size())
        return {};
    const QString &code = m_codes[size_t(row)];
    auto found = m_rows.constFind(code);
    if (found == m_rows.constEnd() && !m_pagesRead.contains(row / kPageSize)) {
        readPage(row / kPageSize);
        found = m_rows.constFind(code);
    }
    if (found == m_rows.constEnd()) // deleted since the codes were read
        return {};
    return found->value(column);
}

void OrderListLogic::setCurrent(int row)
{
    m_current = row >= 0 && row < size() ? row : (m_codes.empty() ? -1 : 0);
}

QString OrderListLogic::codeAt(int row) const
{
    return row >= 0 && row < size() ? m_codes[size_t(row)] : QString();
}

int OrderListLogic::indexOf(const QString &code)
{
    const auto build = [this] {
        if (m_index.isEmpty())
            for (int i = 0; i < size(); ++i)
                m_index.insert(m_codes[size_t(i)], i);
    };
    build();
    if (!m_index.contains(code) && fetchRest()) {
        build();
        if (m_onReread)
            m_onReread();
    }
    return m_index.value(code, -1);
}

bool OrderListLogic::search(SearchKind kind, QString &text)
{
    if (kind == SearchKind::CodigoPedido) {
        text = Funcoes::completaZeros(text.trimmed(), 8);
        const bool exists = !m_ctx.db
                                 .select(QStringLiteral("Select PED_Codigo From Pedidos Where PED_Codigo=:cCodigo"),
                                         {{QStringLiteral("cCodigo"), text}})
                                 .isEmpty();
        if (!exists)
            return false;
        if (indexOf(text) < 0) {
            m_alone = text;
            reread(text);
        }
        setCurrent(indexOf(text));
        return true;
    }
    if (m_codes.empty())
        return false;
    // The matching orders of the list, whichever comes first in it.
    Params params{{QStringLiteral("dDataIni"), m_inicial},
                  {QStringLiteral("dDataFim"), m_final},
                  {QStringLiteral("cBusca"), text}};
    const QString column = kind == SearchKind::NomeCliente ? QStringLiteral("c.CLI_Nome") : QStringLiteral("c.CLI_Fone");
    QString where;
    if (!m_alone.isEmpty()) {
        where = QStringLiteral("p.PED_Codigo=:cCodigo");
        params.set(QStringLiteral("cCodigo"), m_alone);
    } else {
        where = QStringLiteral("p.PED_Data between :dDataIni and :dDataFim And ") + statusCondition(params);
    }
    const ResultSet rows = m_ctx.db.select(
        QStringLiteral("Select p.PED_Codigo From PEDIDOS p Join Clientes c on (c.CLI_CODIGO=p.PED_CODCLI) Where ") +
            where + QStringLiteral(" And ") + column + QStringLiteral(" Starting With :cBusca"),
        params);
    int best = -1;
    for (int i = 0; i < rows.size(); ++i) {
        const int at = indexOf(rows.value(i, 0).toString());
        if (at >= 0 && (best < 0 || at < best))
            best = at;
    }
    if (best < 0)
        return false;
    setCurrent(best);
    return true;
}

QString OrderListLogic::entryMode(EntryButton button)
{
    switch (button) {
    case EntryButton::Novo:
        return QStringLiteral("Inclui");
    case EntryButton::Altera:
        return QStringLiteral("Altera");
    case EntryButton::Consulta:
        break;
    }
    return QStringLiteral("Consulta");
}

bool OrderListLogic::mayOpenEntry(EntryButton button)
{
    static const QString gates[] = {QStringLiteral("3.1.1"), QStringLiteral("3.1.2"), QStringLiteral("3.1.3")};
    if (!Funcoes::permissionGate(m_ctx, gates[int(button)]))
        return false;
    if (button == EntryButton::Novo)
        return true;
    const QString code = currentCode();
    if (code.isEmpty())
        return false;
    if (button == EntryButton::Altera) {
        const ResultSet rows = m_ctx.db.select(QStringLiteral("Select PED_SITU From Pedidos Where PED_Codigo=:cCodigo"),
                                               {{QStringLiteral("cCodigo"), code}});
        if (rows.isEmpty() || rows.first().text(QStringLiteral("PED_SITU")) != QStringLiteral("A")) {
            m_ctx.messages.error(QStringLiteral("Somente Pedidos em Aberto que podem ser Alterados"));
            return false;
        }
    }
    return true;
}
