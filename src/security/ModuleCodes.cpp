#include "security/ModuleCodes.h"

namespace ModuleCodes {

const std::vector<ModuleCode> &table()
{
    using namespace Modulo;
    static const std::vector<ModuleCode> rows{
        {Cadastros, QStringLiteral("Cadastros")},
        {Clientes, QStringLiteral("Cadastros->Clientes")},
        {ClientesNovo, QStringLiteral("Cadastros->Clientes->Novo")},
        {ClientesAltera, QStringLiteral("Cadastros->Clientes->Altera")},
        {ClientesExclui, QStringLiteral("Cadastros->Clientes->Exclui")},
        {ClientesConsulta, QStringLiteral("Cadastros->Clientes->Consulta")},
        {Entregadores, QStringLiteral("Cadastros->Entregadores")},
        {EntregadoresNovo, QStringLiteral("Cadastros->Entregadores->Novo")},
        {EntregadoresAltera, QStringLiteral("Cadastros->Entregadores->Altera")},
        {EntregadoresExclui, QStringLiteral("Cadastros->Entregadores->Exclui")},
        {EntregadoresConsulta, QStringLiteral("Cadastros->Entregadores->Consulta")},
        {Produtos, QStringLiteral("Cadastros->Produtos")},
        {ProdutosNovo, QStringLiteral("Cadastros->Produtos->Novo")},
        {ProdutosAltera, QStringLiteral("Cadastros->Produtos->Altera")},
        {ProdutosExclui, QStringLiteral("Cadastros->Produtos->Excluir")},
        {ProdutosConsulta, QStringLiteral("Cadastros->Produtos->Consulta")},
        {Regioes, QStringLiteral("Cadastros->Regiões")},
        {RegioesNovo, QStringLiteral("Cadastros->Regiões->Novo")},
        {RegioesAltera, QStringLiteral("Cadastros->Regiões->Altera")},
        {RegioesExclui, QStringLiteral("Cadastros->Regiões->Exclui")},
        {RegioesConsulta, QStringLiteral("Cadastros->Regiões->Consulta")},
        {Estoque, QStringLiteral("Movimentação de Estoque")},
        {EstoqueEntrada, QStringLiteral("Movimentação de Estoque->Entrada")},
        {EstoqueSaida, QStringLiteral("Movimentação de Estoque->Saída")},
        {Delivery, QStringLiteral("Delivery")},
        {Pedidos, QStringLiteral("Delivery->Pedidos")},
        {PedidosNovo, QStringLiteral("Delivery->Pedidos->Novo")},
        {PedidosAltera, QStringLiteral("Delivery->Pedidos->Altera")},
        {PedidosConsulta, QStringLiteral("Delivery->Pedidos->Consulta")},
        {PedidosImprimir, QStringLiteral("Delivery->Pedidos->Imprimir")},
        {PedidosAberto, QStringLiteral("Delivery->Pedidos->Aberto")},
        {PedidosCancelar, QStringLiteral("Delivery->Pedidos->Cancelar")},
        {PedidosEmAndamento, QStringLiteral("Delivery->Pedidos->Em Andamento")},
        {PedidosSaiuEntrega, QStringLiteral("Delivery->Pedidos->Saiu p/ Entrega")},
        {PedidosFechado, QStringLiteral("Delivery->Pedidos->Fechado")},
        {Comissoes, QStringLiteral("Comissões")},
        {ComissoesPagar, QStringLiteral("Comissões->Pagar")},
        {ComissoesCancelar, QStringLiteral("Comissões->Cancelar")},
        {FluxoCaixa, QStringLiteral("Fluxo de Caixa")},
        {FluxoCaixaNovo, QStringLiteral("Fluxo de Caixa->Novo")},
        {FluxoCaixaExcluir, QStringLiteral("Fluxo de Caixa->Excluir")},
        {Relatorios, QStringLiteral("Relatórios")},
        {RelListasPrecos, QStringLiteral("Relatórios->Listas de Preços")},
        {RelItensEstoque, QStringLiteral("Relatórios->Itens no Estoque")},
        {RelMovEstoque, QStringLiteral("Relatórios->Movimentação de Estoque")},
        {RelPedidos, QStringLiteral("Relatórios->Pedidos")},
        {RelFluxoCaixa, QStringLiteral("Relatórios->Fluxo de Caixa")},
        {RelComissoes, QStringLiteral("Relatórios->Comissão de Entregadores")},
        {Utilitarios, QStringLiteral("Utilitários")},
        {Backup, QStringLiteral("Utilitários->Backup")},
        {RestauraBackup, QStringLiteral("Utilitários->Restaura Backup")},
        {Usuarios, QStringLiteral("Utilitários->Usuários")},
        {DadosEmpresa, QStringLiteral("Utilitários->Dados da Empresa")},
        {ImpressoraPedidos, QStringLiteral("Utilitários->Conf. Tipo da Impressora para o Ped.")},
    };
    return rows;
}

bool contains(const QString &code)
{
    for (const ModuleCode &m : table())
        if (m.code == code)
            return true;
    return false;
}

QString storedCode(const QString &code)
{
    return code.leftJustified(kCodeWidth, u' ');
}

QString storedDescription(const QString &description)
{
    return description.leftJustified(kDescriptionWidth, u' ');
}

} // namespace ModuleCodes
