#pragma once

#include <QString>
#include <vector>

// The module codes the permission gate is asked with. Every gated menu item
// and button takes its code from here, and every new user gets one
// Permissoes row per entry of ModuleCodes::table(), in its order.
namespace Modulo {
inline const QString Cadastros = QStringLiteral("1");
inline const QString Clientes = QStringLiteral("1.1");
inline const QString ClientesNovo = QStringLiteral("1.1.1");
inline const QString ClientesAltera = QStringLiteral("1.1.2");
inline const QString ClientesExclui = QStringLiteral("1.1.3");
inline const QString ClientesConsulta = QStringLiteral("1.1.4");
inline const QString Entregadores = QStringLiteral("1.2");
inline const QString EntregadoresNovo = QStringLiteral("1.2.1");
inline const QString EntregadoresAltera = QStringLiteral("1.2.2");
inline const QString EntregadoresExclui = QStringLiteral("1.2.3");
inline const QString EntregadoresConsulta = QStringLiteral("1.2.4");
inline const QString Produtos = QStringLiteral("1.3");
inline const QString ProdutosNovo = QStringLiteral("1.3.1");
inline const QString ProdutosAltera = QStringLiteral("1.3.2");
inline const QString ProdutosExclui = QStringLiteral("1.3.3");
inline const QString ProdutosConsulta = QStringLiteral("1.3.4");
inline const QString Regioes = QStringLiteral("1.4");
inline const QString RegioesNovo = QStringLiteral("1.4.1");
inline const QString RegioesAltera = QStringLiteral("1.4.2");
inline const QString RegioesExclui = QStringLiteral("1.4.3");
inline const QString RegioesConsulta = QStringLiteral("1.4.4");
inline const QString Estoque = QStringLiteral("2");
inline const QString EstoqueEntrada = QStringLiteral("2.1");
inline const QString EstoqueSaida = QStringLiteral("2.2");
inline const QString Delivery = QStringLiteral("3");
inline const QString Pedidos = QStringLiteral("3.1");
inline const QString PedidosNovo = QStringLiteral("3.1.1");
inline const QString PedidosAltera = QStringLiteral("3.1.2");
inline const QString PedidosConsulta = QStringLiteral("3.1.3");
inline const QString PedidosImprimir = QStringLiteral("3.1.4");
inline const QString PedidosAberto = QStringLiteral("3.1.5");
inline const QString PedidosCancelar = QStringLiteral("3.1.6");
inline const QString PedidosEmAndamento = QStringLiteral("3.1.7");
inline const QString PedidosSaiuEntrega = QStringLiteral("3.1.8");
inline const QString PedidosFechado = QStringLiteral("3.1.9");
inline const QString Comissoes = QStringLiteral("4");
inline const QString ComissoesPagar = QStringLiteral("4.1");
inline const QString ComissoesCancelar = QStringLiteral("4.2");
inline const QString FluxoCaixa = QStringLiteral("5");
inline const QString FluxoCaixaNovo = QStringLiteral("5.1");
inline const QString FluxoCaixaExcluir = QStringLiteral("5.2");
inline const QString Relatorios = QStringLiteral("6");
inline const QString RelListasPrecos = QStringLiteral("6.1");
inline const QString RelItensEstoque = QStringLiteral("6.2");
inline const QString RelMovEstoque = QStringLiteral("6.3");
inline const QString RelPedidos = QStringLiteral("6.4");
inline const QString RelFluxoCaixa = QStringLiteral("6.5");
inline const QString RelComissoes = QStringLiteral("6.6");
inline const QString Utilitarios = QStringLiteral("7");
inline const QString Backup = QStringLiteral("7.1");
inline const QString RestauraBackup = QStringLiteral("7.2");
inline const QString Usuarios = QStringLiteral("7.3");
inline const QString DadosEmpresa = QStringLiteral("7.4");
inline const QString ImpressoraPedidos = QStringLiteral("7.5");
} // namespace Modulo

struct ModuleCode {
    QString code;
    QString description;
};

namespace ModuleCodes {

// Widths of the stored forms in Permissoes.
constexpr int kCodeWidth = 13;
constexpr int kDescriptionWidth = 50;

// The 54 modules in the order a new user's rows are written.
const std::vector<ModuleCode> &table();
bool contains(const QString &code);
// The stored forms: filled with spaces on the right.
QString storedCode(const QString &code);
QString storedDescription(const QString &description);

} // namespace ModuleCodes
