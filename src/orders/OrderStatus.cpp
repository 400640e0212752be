#include "orders/OrderStatus.h"

#include "core/Funcoes.h"

#include <map>

namespace OrderStatus {

namespace {
const QString kFalhaAlterar = QStringLiteral("Não Consegui Alterar o Estado do Pedido, Tente Novamente !\rErro:  ");
} // namespace

const MoveRule &rule(Move move)
{
    static const std::map<Move, MoveRule> rules{
        {Move::Aberto,
         {.moduleCode = QStringLiteral("3.1.5"),
          .target = Aberto,
          .allowedFrom = QStringLiteral("ES"),
          .successText = QStringLiteral("Pedido Colocado em Aberto com Sucesso !"),
          .auditPrefix = AuditEvent::PedidoAberto,
          .failureText = kFalhaAlterar,
          .deliveryMode = QString()}},
        {Move::Cancelar,
         {.moduleCode = QStringLiteral("3.1.6"),
          .target = Cancelado,
          .allowedFrom = QStringLiteral("AEF"),
          .successText = QStringLiteral("Pedido Cancelado com Sucesso !"),
          .auditPrefix = AuditEvent::PedidoCancelado,
          .failureText = QStringLiteral("Não Consegui Excluir, Tente Novamente !\rErro:  "),
          .deliveryMode = QString()}},
        {Move::EmAndamento,
         {.moduleCode = QStringLiteral("3.1.7"),
          .target = EmAndamento,
          .allowedFrom = QStringLiteral("A"),
          .successText = QStringLiteral("Pedido Colocado em Andamento com Sucesso !"),
          .auditPrefix = AuditEvent::PedidoEmAndamento,
          .failureText = kFalhaAlterar,
          .deliveryMode = QString()}},
        {Move::SaiuEntrega,
         {.moduleCode = QStringLiteral("3.1.8"),
          .target = SaiuEntrega,
          .allowedFrom = QStringLiteral("AE"),
          .successText = QStringLiteral("Pedido Colocado no Estado: Saiu para Entrega com Sucesso !"),
          .auditPrefix = AuditEvent::PedidoSaiuEntrega,
          .failureText = kFalhaAlterar,
          .deliveryMode = QStringLiteral("Saiu")}},
        {Move::Fechado,
         {.moduleCode = QStringLiteral("3.1.9"),
          .target = Fechado,
          .allowedFrom = QStringLiteral("AES"),
          .successText = QStringLiteral("Pedido Colocado no Estado: Fechado com Sucesso !"),
          .auditPrefix = AuditEvent::PedidoFechado,
          .failureText = kFalhaAlterar,
          .deliveryMode = QStringLiteral("Fechado")}},
    };
    return rules.at(move);
}

QString refusal(Move move, const QString &status)
{
    static const std::map<std::pair<Move, QString>, QString> refusals{
        {{Move::Aberto, Cancelado}, QStringLiteral("Pedido Cancelado, não pode ser colocado em Aberto")},
        {{Move::Aberto, Fechado}, QStringLiteral("Pedido Fechado, não pode ser colocado em Aberto")},
        {{Move::Aberto, Aberto}, QStringLiteral("Pedido já está em Aberto")},
        {{Move::Cancelar, Cancelado}, QStringLiteral("Pedido não Pode ser Cancelado, pois já foi cancelado !")},
        {{Move::Cancelar, SaiuEntrega},
         QStringLiteral("Pedido precisa primeiro ser Entregue ou Ficar em Aberto para poder ser Cancelado !")},
        {{Move::EmAndamento, Cancelado}, QStringLiteral("Pedido Cancelado, não pode ser colocado em Andamento")},
        {{Move::EmAndamento, Fechado}, QStringLiteral("Pedido já foi Fechado, não pode ser colocado em Andamento")},
        {{Move::EmAndamento, SaiuEntrega},
         QStringLiteral("Pedido já saiu para Entrega, não pode ser Colocado em Andamento")},
        {{Move::EmAndamento, EmAndamento}, QStringLiteral("Pedido já colocado em Andamento")},
        {{Move::SaiuEntrega, Cancelado}, QStringLiteral("Pedido Cancelado, não pode ser Entregue")},
        {{Move::SaiuEntrega, Fechado}, QStringLiteral("Pedido já foi Fechado")},
        {{Move::SaiuEntrega, SaiuEntrega}, QStringLiteral("Pedido já saiu para Entrega")},
        {{Move::Fechado, Cancelado}, QStringLiteral("Pedido Cancelado, não pode ser Fechado")},
        {{Move::Fechado, Fechado}, QStringLiteral("Pedido já foi Fechado")},
    };
    const auto found = refusals.find({move, status});
    return found == refusals.end() ? QString() : found->second;
}

} // namespace OrderStatus
