#include "orders/OrderNotesLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "core/Win1252.h"
#include "orders/OrderEntryLogic.h"

namespace {
const QString kNaoGravar = QStringLiteral("Não Consegui Gravar, Tente Novamente !\rErro:  ");
}

bool OrderNotesLogic::editable() const { return OrderModeText::writesItems(m_order.mode()); }

QString OrderNotesLogic::load()
{
    AppContext &ctx = m_order.context();
    try {
        const ResultSet rows = ctx.db.select(QStringLiteral("Select PED_OBS From Pedidos Where PED_Codigo=:cCodigo"),
                                             {{"cCodigo", m_order.code()}});
        return rows.isEmpty() ? QString() : rows.value(0, 0).toString();
    } catch (const DbError &e) {
        ctx.messages.warning(QStringLiteral("Erro, Tente Novamente !\rErro:  ") + e.message());
        return {};
    }
}

bool OrderNotesLogic::save(const QString &text)
{
    AppContext &ctx = m_order.context();
    if (!editable())
        return false;
    if (text.size() > kWidth) {
        ctx.messages.error(QStringLiteral("As Observações podem ter no máximo 300 caracteres !"));
        return false;
    }
    if (Win1252::firstUnencodable(text)) {
        ctx.messages.error(QStringLiteral("As Observações contêm caracteres que não podem ser gravados !"));
        return false;
    }
    QString failure = QStringLiteral("o pedido foi excluído em outra estação.");
    bool saved = false;
    try {
        Transaction tx(ctx.db);
        if (ctx.db.execute(tx, QStringLiteral("Update Pedidos SET PED_OBS=:cObs Where PED_Codigo=:cCodigo"),
                           {{"cObs", text}, {"cCodigo", m_order.code()}}) == 1) {
            tx.commit();
            saved = true;
        }
    } catch (const DbError &e) {
        failure = e.message();
    }
    if (!saved)
        ctx.messages.warning(kNaoGravar + failure);
    return saved;
}
