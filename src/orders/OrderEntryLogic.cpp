#include "orders/OrderEntryLogic.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "core/Win1252.h"
#include "orders/OrderFigures.h"
#include "orders/OrderStore.h"
#include "stock/StockService.h"

#include <optional>

namespace {

const QString kErro = QStringLiteral(" Tente Novamente !\rErro:  ");
const QString kNaoIncluir = QStringLiteral("Não Consegui Incluir,") + kErro;
const QString kNaoExcluir = QStringLiteral("Não Consegui Excluir,") + kErro;
const QString kNaoGravar = QStringLiteral("Não Consegui Gravar,") + kErro;
const QString kPedidoCadastrado = QStringLiteral("Pedido já Cadastrado, tente outro !");
const QString kSoDigitos = QStringLiteral("O Número do Pedido deve ter somente dígitos (no máximo 8) !");
const QString kMudouOutraEstacao = QStringLiteral("o pedido foi alterado ou excluído em outra estação.");
const QString kDescontoInvalido = QStringLiteral("Desconto inválido, digite somente o valor em R$ !");
const QString kFoneInvalido = QStringLiteral("O Telefone contém caracteres que não podem ser gravados !");

QString statusCaption(const QString &situ)
{
    if (situ == u"A") return QStringLiteral("Aberto");
    if (situ == u"E") return QStringLiteral("Em Andamento");
    if (situ == u"C") return QStringLiteral("Cancelado");
    if (situ == u"S") return QStringLiteral("Saiu para Entrega");
    if (situ == u"F") return QStringLiteral("Fechado");
    return {};
}

bool allDigits(const QString &t)
{
    for (const QChar c : t)
        if (c < u'0' || c > u'9')
            return false;
    return !t.isEmpty();
}

const Decimal kZero(0, OrderFigures::kMoneyScale);

} // namespace

OrderEntryLogic::OrderEntryLogic(AppContext &ctx) : m_ctx(ctx) {}

QString OrderEntryLogic::caption() const
{
    switch (m_mode) {
    case OrderMode::Inclui: return QStringLiteral("Inclusão de Pedido");
    case OrderMode::Altera: return QStringLiteral("Alteração de Pedido");
    default: return QStringLiteral("Consulta de Pedido");
    }
}

bool OrderEntryLogic::open(OrderMode mode, const QString &code)
{
    m_mode = mode;
    m_code.clear();
    m_statusText.clear();
    m_numberFrozen = false;
    clearCustomer();
    m_date = m_ctx.clock.today();
    m_time = m_ctx.clock.time();
    m_itemsTotal = m_deliveryValue = m_discount = m_total = kZero;
    m_items = ResultSet();
    const bool ok = mode == OrderMode::Inclui ? openNew() : openExisting(code);
    if (ok) {
        try {
            m_items = OrderStore::items(m_ctx.db, m_code);
        } catch (const DbError &e) {
            m_ctx.messages.warning(QStringLiteral("Erro,") + kErro + e.message());
        }
    }
    return ok;
}

bool OrderEntryLogic::openNew()
{
    m_statusText = QStringLiteral("Fazendo Pedido");
    QString failure;
    for (int attempt = 1; attempt <= OrderStore::kAllocationAttempts; ++attempt) {
        try {
            Transaction tx(m_ctx.db);
            const QString code = OrderStore::nextOrderCode(tx);
            m_ctx.db.execute(tx, QStringLiteral("Insert into Pedidos (PED_Codigo, PED_Situ, PED_Total)\n"
                                                "Values (:cCodigo, :cSitu, 0)"),
                             {{"cCodigo", code}, {"cSitu", QStringLiteral("F")}});
            tx.commit();
            m_code = code;
            return true;
        } catch (const DbError &e) {
            // Another workstation took the number between our maximum and our insert.
            failure = e.message();
            if (e.category() != DbError::Category::ConstraintViolation)
                break;
        }
    }
    m_ctx.messages.warning(kNaoIncluir + failure);
    return false;
}

bool OrderEntryLogic::openExisting(const QString &code)
{
    try {
        const ResultSet rows = m_ctx.db.select(QStringLiteral("Select * From Pedidos Where PED_Codigo=:cCodigo"),
                                               {{"cCodigo", code}});
        if (rows.isEmpty()) {
            m_ctx.messages.error(QStringLiteral("Pedido não encontrado: ") + code);
            return false;
        }
        const Row order = rows.first();
        m_code = order.text("PED_CODIGO");
        m_numberFrozen = true;
        if (!order["PED_DATA"].isNull())
            m_date = order["PED_DATA"].toDate();
        if (!order["PED_HORA"].isNull())
            m_time = order["PED_HORA"].toTime();
        m_statusText = statusCaption(order.text("PED_SITU"));
        m_customer.code = order.text("PED_CODCLI");
        if (!m_customer.code.isEmpty()) {
            const ResultSet cli = m_ctx.db.select(QStringLiteral("Select * From Clientes Where CLI_Codigo=:cCodCli"),
                                                  {{"cCodCli", m_customer.code}});
            if (!cli.isEmpty())
                fillCustomer(cli.first(), false);
        }
        m_itemsTotal = OrderStore::itemsTotal(m_ctx.db, m_code);
        m_deliveryValue = OrderFigures::deliveryTotal(order["PED_QENT"].toDecimal(), order["PED_VENT"].toDecimal());
        m_discount = OrderFigures::money(order["PED_DESCONTO"].toDecimal());
        m_total = OrderFigures::money(order["PED_TOTAL"].toDecimal());
        return true;
    } catch (const DbError &e) {
        m_ctx.messages.warning(QStringLiteral("Erro,") + kErro + e.message());
        return false;
    }
}

bool OrderEntryLogic::leaveNumber(const QString &typed)
{
    if (!numberEditable())
        return true;
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return true;
    if (!allDigits(t) || t.size() > OrderStore::kCodeWidth) {
        m_ctx.messages.error(kSoDigitos);
        return false;
    }
    const QString wanted = Funcoes::completaZeros(t, OrderStore::kCodeWidth);
    if (wanted == m_code)
        return true;

    std::optional<QString> failure;
    bool taken = false;
    try {
        Transaction tx(m_ctx.db);
        const qint64 n = m_ctx.db.execute(tx,
            QStringLiteral("Update Pedidos SET PED_Codigo=:cNovo Where PED_Codigo=:cCodigo "
                           "And PED_Situ='F' And PED_Data Is Null "
                           "And Not Exists (Select 1 From IPedidos Where IPD_CodPed=:cCodigo)"),
            {{"cNovo", wanted}, {"cCodigo", m_code}});
        if (n == 1) {
            tx.commit();
            m_code = wanted;
            reloadItems();
            return true;
        }
        failure = kMudouOutraEstacao;
    } catch (const DbError &e) {
        if (e.category() == DbError::Category::ConstraintViolation)
            taken = true;
        else
            failure = e.message();
    }
    if (taken)
        m_ctx.messages.error(kPedidoCadastrado);
    else
        m_ctx.messages.warning(kNaoIncluir + *failure);
    return false;
}

void OrderEntryLogic::clearCustomer() { m_customer = Customer{}; }

void OrderEntryLogic::fillCustomer(const Row &row, bool keepTelephone)
{
    const QString fone = m_customer.fone;
    m_customer.code = row.text("CLI_CODIGO");
    m_customer.fone = keepTelephone ? fone : row.text("CLI_FONE");
    m_customer.nome = row.text("CLI_NOME");
    m_customer.ender = row.text("CLI_ENDER");
    m_customer.numero = row.text("CLI_NUMERO");
    m_customer.comple = row.text("CLI_COMPLE");
    m_customer.bairro = row.text("CLI_BAIRRO");
    m_customer.cid = row.text("CLI_CID");
    m_customer.uf = row.text("CLI_UF");
}

OrderEntryLogic::CustomerSearch OrderEntryLogic::notFound(const QString &question, CustomerSearch onYes)
{
    if (m_ctx.messages.confirm(question))
        return onYes;
    clearCustomer();
    return CustomerSearch::Cleared;
}

OrderEntryLogic::CustomerSearch OrderEntryLogic::leaveTelephone(const QString &fone)
{
    if (!customerEditable() || fone.trimmed().isEmpty())
        return CustomerSearch::Nothing;
    if (Win1252::firstUnencodable(fone)) {
        m_ctx.messages.error(kFoneInvalido);
        return CustomerSearch::Refused;
    }
    m_customer.fone = fone;
    ResultSet rows;
    try {
        rows = m_ctx.db.select(QStringLiteral("Select * From Clientes Where CLI_Fone=:cFone or CLI_Fone2=:cFone "
                                              "or CLI_Fone3=:cFone or CLI_Celular=:cFone"),
                               {{"cFone", fone}});
    } catch (const DbError &e) {
        m_ctx.messages.warning(QStringLiteral("Erro,") + kErro + e.message());
        return CustomerSearch::Refused;
    }
    if (rows.isEmpty())
        return notFound(QStringLiteral("Cliente não Cadastrado, deseja Cadastrar ?"), CustomerSearch::Register);
    fillCustomer(rows.first(), true);
    return CustomerSearch::Found;
}

OrderEntryLogic::CustomerSearch OrderEntryLogic::leaveCustomerCode(const QString &typed)
{
    const QString t = typed.trimmed();
    if (!customerEditable() || t.isEmpty())
        return CustomerSearch::Nothing;
    const QString code = Funcoes::completaZeros(t, 10);
    ResultSet rows;
    if (!Win1252::firstUnencodable(code)) {
        try {
            rows = m_ctx.db.select(QStringLiteral("Select * From Clientes Where CLI_Codigo=:cCodCli"),
                                   {{"cCodCli", code}});
        } catch (const DbError &e) {
            m_ctx.messages.warning(QStringLiteral("Erro,") + kErro + e.message());
            return CustomerSearch::Refused;
        }
    }
    if (rows.isEmpty())
        return notFound(QStringLiteral("Cliente não Cadastrado, deseja Cadastrar um novo Cliente ?"),
                        CustomerSearch::Register);
    fillCustomer(rows.first(), false);
    return CustomerSearch::Found;
}

bool OrderEntryLogic::canChangeCustomer() const
{
    if (!m_customer.code.trimmed().isEmpty())
        return true;
    m_ctx.messages.error(QStringLiteral("Para alterar os dados de um cliente é necessário primeiro selecionar um cliente no pedido."));
    return false;
}

bool OrderEntryLogic::canViewCustomer() const
{
    if (!m_customer.code.trimmed().isEmpty())
        return true;
    m_ctx.messages.error(QStringLiteral("Para consultar os demais dados de um cliente é necessário primeiro selecionar um cliente no pedido."));
    return false;
}

bool OrderEntryLogic::canOpenDelivery() const
{
    if (!m_customer.code.trimmed().isEmpty())
        return true;
    m_ctx.messages.error(QStringLiteral("Para Preencher os Dados de Entrega, é preciso preencher os dados do Cliente"));
    return false;
}

void OrderEntryLogic::recomputeTotal() { m_total = OrderFigures::orderTotal(m_itemsTotal, m_deliveryValue, m_discount); }

bool OrderEntryLogic::leaveDiscount(const QString &typed)
{
    const auto value = OrderFigures::readTyped(typed);
    if (!value || value->isNegative()) {
        m_ctx.messages.error(kDescontoInvalido);
        return false;
    }
    m_discount = OrderFigures::money(*value);
    recomputeTotal();
    return true;
}

void OrderEntryLogic::setDeliveryValue(const Decimal &value)
{
    m_deliveryValue = OrderFigures::money(value);
    recomputeTotal();
}

void OrderEntryLogic::reloadItems()
{
    try {
        m_items = OrderStore::items(m_ctx.db, m_code);
        m_itemsTotal = OrderStore::itemsTotal(m_ctx.db, m_code);
    } catch (const DbError &e) {
        m_ctx.messages.warning(QStringLiteral("Erro,") + kErro + e.message());
    }
    recomputeTotal();
}

bool OrderEntryLogic::startAddingItems()
{
    if (!OrderModeText::writesItems(m_mode)) {
        m_ctx.messages.error(QStringLiteral("Cadastrar Novo Itens somente na Inclusão ou Alteração"));
        return false;
    }
    m_numberFrozen = true;
    return true;
}

bool OrderEntryLogic::removeItem(int row)
{
    if (!OrderModeText::writesItems(m_mode)) {
        m_ctx.messages.error(QStringLiteral("Excluir Itens somente na Inclusão ou Alteração"));
        return false;
    }
    reloadItems();
    if (m_items.isEmpty() || row < 0 || row >= m_items.size()) {
        m_ctx.messages.error(QStringLiteral("Nenhum Item para Excluir !"));
        return false;
    }
    if (!m_ctx.messages.confirm(QStringLiteral("Tem certeza que deseja Excluir esse Item ?")))
        return false;

    const std::int64_t codInt = m_items.value(row, "IPD_CODINT").toInt();
    enum class Outcome { Removed, Refused, AlreadyGone, Failed } outcome = Outcome::Failed;
    QString failure;
    try {
        Transaction tx(m_ctx.db);
        if (!OrderStore::lockForItemChange(tx, m_code)) {
            outcome = Outcome::Refused;
        } else {
            const ResultSet item = m_ctx.db.select(tx,
                QStringLiteral("Select IPD_CodPro, IPD_Quant From IPedidos Where IPD_CodInt=:nCodInt And IPD_CodPed=:cCodPed"),
                {{"nCodInt", codInt}, {"cCodPed", m_code}});
            const qint64 deleted = item.isEmpty() ? 0 : m_ctx.db.execute(tx,
                QStringLiteral("Delete From IPedidos Where IPD_CodInt=:nCodInt And IPD_CodPed=:cCodPed"),
                {{"nCodInt", codInt}, {"cCodPed", m_code}});
            if (deleted == 0) {
                outcome = Outcome::AlreadyGone;
            } else {
                // Stock comes back only with the movement that really went.
                if (StockService::deleteMovement(tx, codInt, m_code, StockService::kExit))
                    StockService::changeStockIfStocked(tx, item.value(0, "IPD_CODPRO").toString(),
                                                       item.value(0, "IPD_QUANT").toDecimal());
                tx.commit();
                outcome = Outcome::Removed;
            }
        }
    } catch (const DbError &e) {
        failure = e.message();
    }
    reloadItems();
    switch (outcome) {
    case Outcome::Removed: return true;
    case Outcome::Refused: m_ctx.messages.error(OrderStore::itemChangeRefusal()); break;
    case Outcome::AlreadyGone: m_ctx.messages.error(QStringLiteral("Este item já foi excluído em outra estação.")); break;
    case Outcome::Failed: m_ctx.messages.warning(kNaoExcluir + failure); break;
    }
    return false;
}

bool OrderEntryLogic::deleteEmptyOrder()
{
    QString failure = kMudouOutraEstacao;
    try {
        Transaction tx(m_ctx.db);
        const qint64 n = m_ctx.db.execute(tx,
            QStringLiteral("Delete From Pedidos Where PED_Codigo=:cCodigo "
                           "And ((PED_Situ='F' And PED_Data Is Null) Or PED_Situ='A') "
                           "And Not Exists (Select 1 From IPedidos Where IPD_CodPed=:cCodigo)"),
            {{"cCodigo", m_code}});
        if (n == 1) {
            tx.commit();
            return true;
        }
    } catch (const DbError &e) {
        failure = e.message();
    }
    m_ctx.messages.warning(kNaoExcluir + failure);
    return false;
}

bool OrderEntryLogic::writeFinished(QString &error)
{
    const bool isNew = m_mode == OrderMode::Inclui;
    try {
        Transaction tx(m_ctx.db);
        // The figures come from the database: another window may have added
        // items or saved delivery data since this one last looked.
        const Decimal items = OrderStore::itemsTotal(tx, m_code);
        const ResultSet delivery = m_ctx.db.select(tx,
            QStringLiteral("Select PED_QEnt, PED_VEnt From Pedidos Where PED_Codigo=:cCodigo"), {{"cCodigo", m_code}});
        const Decimal deliveryValue = delivery.isEmpty() ? kZero
            : OrderFigures::deliveryTotal(delivery.value(0, 0).toDecimal(), delivery.value(0, 1).toDecimal());
        const Decimal total = OrderFigures::orderTotal(items, deliveryValue, m_discount);

        const QString set = QStringLiteral(
            "Update PEDIDOS SET PED_Situ='A', PED_CodCli=:cCodCli, PED_Total=:nTotal, PED_Desconto=:nDesconto, "
            "PED_VDesc=:nDesconto, PED_DescPR='R', "
            "PED_Troco=Case When PED_VPago > 0 Then PED_VPago - :nTotal Else PED_Troco End");
        Params params{{"cCodCli", m_customer.code}, {"nTotal", total}, {"nDesconto", m_discount}, {"cCodigo", m_code}};
        QString sql;
        if (isNew) {
            sql = set + QStringLiteral(", PED_Data=:dData, PED_Hora=:tHora Where PED_Codigo=:cCodigo "
                                       "And PED_Situ='F' And PED_Data Is Null");
            params.set("dData", m_date).set("tHora", m_time);
        } else {
            sql = set + QStringLiteral(" Where PED_Codigo=:cCodigo And PED_Situ='A'");
        }
        if (m_ctx.db.execute(tx, sql, params) != 1) {
            error = kMudouOutraEstacao;
            return false;
        }
        Funcoes::gravaLog(m_ctx, tx, (isNew ? AuditEvent::NovoPedido : AuditEvent::AlteracaoPedido) + m_code);
        tx.commit();
        m_itemsTotal = items;
        m_deliveryValue = deliveryValue;
        m_total = total;
        return true;
    } catch (const DbError &e) {
        error = e.message();
        return false;
    }
}

OrderEntryLogic::FinishResult OrderEntryLogic::finish()
{
    FinishResult result;
    if (!OrderModeText::writesItems(m_mode))
        return result;
    bool hasItems = true;
    try {
        hasItems = !m_ctx.db.select(QStringLiteral("Select First 1 IPD_CodPed From IPedidos Where IPD_CodPed=:cCodigo"),
                                    {{"cCodigo", m_code}}).isEmpty();
    } catch (const DbError &e) {
        m_ctx.messages.warning(kNaoGravar + e.message());
        return result;
    }
    if (!hasItems) {
        if (m_ctx.messages.confirm(QStringLiteral("Nenhum Produto Incluido nesse pedido, deseja excluir o Pedido ?")))
            result.reloadList = deleteEmptyOrder();
        return result;
    }
    QString error;
    if (writeFinished(error))
        result.reloadList = true;
    else
        m_ctx.messages.warning(kNaoGravar + error);
    return result;
}
