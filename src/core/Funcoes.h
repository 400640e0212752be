#pragma once

#include <QString>

struct AppContext;
class Database;
class Transaction;

// The routines every module calls: the permission check and gate, the
// audit-log write and the three text routines.
namespace Funcoes {

inline const QString kSemPermissao = QStringLiteral("Usuário Sem Permissão para Entrar nesse Módulo");

// True when the user's Permissoes row for the module has PER_Ativo "S". The
// module code is filled with spaces to 15 characters (a longer one is passed
// unchanged); the database ignores trailing spaces when it compares.
bool temPermissao(Database &db, const QString &codUsuario, const QString &codModulo);

// Applies only when both the login and the permission switches are "S".
// Denied: shows the warning and returns false; the caller then abandons its
// operation without any further message.
bool permissionGate(AppContext &ctx, const QString &codModulo);

// Writes one audit-log line inside the caller's transaction, with the clock's
// date and time, so it is committed or rolled back with the change it records.
// Nothing when the log switch is not "S". Raises DbError on failure.
void gravaLog(AppContext &ctx, Transaction &tx, const QString &codUsuario, const QString &evento);
// Same, with the logged-in user (the usual call).
void gravaLog(AppContext &ctx, Transaction &tx, const QString &evento);

// Filled with spaces to `width`: side exactly "s" puts the text first
// (left-aligned); any other side puts the spaces first. Never cuts.
QString completaEspacos(const QString &text, int width, const QString &side);
// "0" in front until `width`; a longer text is returned unchanged.
QString completaZeros(const QString &text, int width);
// Only the digits, "," and "-", in their order.
QString soNumeros(const QString &text);

} // namespace Funcoes

// The audit-log event prefixes; each line is the prefix followed directly by a code.
namespace AuditEvent {
inline const QString InclusaoUsuario = QStringLiteral("Inclusão de Usuário.:");
inline const QString AlteracaoUsuario = QStringLiteral("Alteração de Usuário.:");
inline const QString ExclusaoUsuario = QStringLiteral("Exclusão de Usuário.:");
inline const QString NovoPedido = QStringLiteral("Novo Pedido:");
inline const QString AlteracaoPedido = QStringLiteral("Alteração de Pedido:");
inline const QString PedidoAberto = QStringLiteral("Alterado Ped. para Aberto:");
inline const QString PedidoEmAndamento = QStringLiteral("Alterado Ped. para Em Andamento:");
inline const QString PedidoSaiuEntrega = QStringLiteral("Alterado Ped. para Saiu par Entrega:");
inline const QString PedidoFechado = QStringLiteral("Alterado Ped. para Fechado:");
inline const QString PedidoCancelado = QStringLiteral("Alterado Ped. para Cancelado:");
inline const QString CadastroCliente = QStringLiteral("Cadastro de Cliente:");
inline const QString AlteracaoCliente = QStringLiteral("Alteração de Cliente:");
inline const QString ExclusaoCliente = QStringLiteral("Exclusão de Cliente:");
inline const QString CadastroProduto = QStringLiteral("Cadastro de Produto:");
inline const QString AlteracaoProduto = QStringLiteral("Alteração de Produto:");
inline const QString ExclusaoProduto = QStringLiteral("Exclusão de Produto:");
inline const QString CadastroEntregador = QStringLiteral("Cadastro de Entregador:");
inline const QString AlteracaoEntregador = QStringLiteral("Alteração de Entregador:");
inline const QString ExclusaoEntregador = QStringLiteral("Exclusão de Entregador:");
inline const QString CadastroRegiao = QStringLiteral("Cadastro de Região:");
inline const QString AlteracaoRegiao = QStringLiteral("Alteração de Região:");
inline const QString ExclusaoRegiao = QStringLiteral("Exclusão de Região:");
inline const QString EntradaEstoque = QStringLiteral("Entrada no Estoque Prod.:");
inline const QString SaidaEstoque = QStringLiteral("Saída no Estoque Prod.:");
inline const QString ManutMovEstqExc = QStringLiteral("Manutenção Mov.Estoque Exc.:");
inline const QString ManutMovEstqExcRev = QStringLiteral("Manutenção Mov.Estoque Exc/Rev.:");
inline const QString PagamentoComissao = QStringLiteral("Pagamento de Comissão Doc.:");
inline const QString CancelamentoComissao = QStringLiteral("Cancelamento de Comissão Doc.:");
inline const QString LancamentoCaixa = QStringLiteral("Lançamento de Caixa Doc.:");
inline const QString ExclusaoLancCaixa = QStringLiteral("Exclusão de Lanc.Caixa Doc.:");
} // namespace AuditEvent
