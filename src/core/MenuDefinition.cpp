#include "core/MenuDefinition.h"

#include "security/ModuleCodes.h"

namespace {

MenuEntry title(const char *path, const QString &code = {})
{
    MenuEntry e;
    e.path = QString::fromUtf8(path).split(QStringLiteral(" > "));
    e.code = code;
    return e;
}

MenuEntry item(const char *path, const QString &code, const QString &actionId)
{
    MenuEntry e = title(path, code);
    e.actionId = actionId;
    return e;
}

// A report item: no gate of its own (its submenu title carries it).
MenuEntry report(const char *path, const char *dialog, const char *kind, const char *statement = "")
{
    MenuEntry e = title(path);
    e.actionId = QString::fromUtf8(kind);
    e.dialog = QString::fromUtf8(dialog);
    e.statement = QString::fromUtf8(statement);
    return e;
}

MenuEntry hidden(MenuEntry e)
{
    e.hidden = true;
    return e;
}

std::vector<MenuEntry> build()
{
    using namespace MenuAction;
    const char *datas = "TfDatas";
    const char *datasProduto = "TfDatas_Produto";
    const char *datasCli = "TfDatasCli";
    const char *datasEnt = "TfDatasEnt";
    const char *telaImpressora = "TfTela_Impressora";
    return {
        title("Cadastros", Modulo::Cadastros),
        item("Cadastros > Clientes", Modulo::Clientes, ManutCli),
        item("Cadastros > Entregadores", Modulo::Entregadores, ManutEnt),
        item("Cadastros > Produtos", Modulo::Produtos, ManutPro),
        item("Cadastros > Regiões de Entrega", Modulo::Regioes, ManutReg),

        title("Movimentação de Estoque", Modulo::Estoque),
        item("Movimentação de Estoque > Entrada", Modulo::EstoqueEntrada, EntradaEstq),
        item("Movimentação de Estoque > Saída", Modulo::EstoqueSaida, SaidaEstq),

        title("Delivery", Modulo::Delivery),
        item("Delivery > Pedidos", Modulo::Pedidos, ManutPed),

        item("Comissão Entregadores", Modulo::Comissoes, ManutCCE),
        item("Fluxo de Caixa", Modulo::FluxoCaixa, ManutCaixa),

        title("Relatórios", Modulo::Relatorios),
        title("Relatórios > Listas de Preços", Modulo::RelListasPrecos),
        report("Relatórios > Listas de Preços > Lista de Preço (Ordenada por Código)", telaImpressora,
               "Lista Preco Codigo", "Select * From Produtos Where PRO_Ativo='S' Order By PRO_Codigo"),
        report("Relatórios > Listas de Preços > Lista de Preço (Ordenada pela Descrição)", telaImpressora,
               "Lista Preco Descricao", "Select * From Produtos Where PRO_Ativo='S' Order By PRO_Descricao"),
        title("Relatórios > Itens no Estoque", Modulo::RelItensEstoque),
        report("Relatórios > Itens no Estoque > Itens no Estoque (Ordenado por Código)", telaImpressora,
               "Itens Estoque Codigo",
               "Select * From Produtos Where PRO_Ativo='S' and PRO_FeitoHOra='N' Order By PRO_Codigo"),
        report("Relatórios > Itens no Estoque > Itens no Estoque(Ordenado pela Descrição)", telaImpressora,
               "Itens Estoque Descricao",
               "Select * From Produtos Where PRO_Ativo='S' and PRO_FeitoHOra='N' Order By PRO_Descricao"),
        report("Relatórios > Itens no Estoque > Estoque Mínimo", telaImpressora, "Estoque Minimo",
               "Select * From Produtos Where PRO_Ativo='S' and PRO_FeitoHOra='N' and PRO_QUANT <= PRO_MIN "
               "Order By PRO_Codigo"),
        title("Relatórios > Movimentação de Estoque", Modulo::RelMovEstoque),
        report("Relatórios > Movimentação de Estoque > Geral por Data", datas, "Mov_Estq Geral Datas"),
        report("Relatórios > Movimentação de Estoque > Somente Entradas (por Data)", datas, "Rel MovEstq Entradas"),
        report("Relatórios > Movimentação de Estoque > Somente Saídas (por Data)", datas, "Rel MovEstq Saídas"),
        report("Relatórios > Movimentação de Estoque > Geral por Produto", datasProduto, "Rel MovEstq Produto Geral"),
        report("Relatórios > Movimentação de Estoque > Somente Entradas (por Produto)", datasProduto,
               "Mov Estq Produto Entrada"),
        report("Relatórios > Movimentação de Estoque > Somente Saídas (por Produto)", datasProduto,
               "Mov Estq Produto Saida"),
        title("Relatórios > Pedidos", Modulo::RelPedidos),
        report("Relatórios > Pedidos > Pedidos Fechados (por Data)", datas, "RelPed Fechados"),
        report("Relatórios > Pedidos > Pedidos Fechados (por Cliente)", datasCli, "Pedidos Fechados Cliente"),
        report("Relatórios > Pedidos > Pedidos Fechados (por Entregador)", datasEnt, "Pedidos Fechados Ent"),
        report("Relatórios > Pedidos > Pedidos Cancelados (Por Data)", datas, "RelPed Cancelados"),
        report("Relatórios > Pedidos > Pedidos (por Data)", datas, "RelPed Data"),
        // Kept in the menu but never shown; its items have no action.
        hidden(title("Relatórios > Fluxo de Caixa", Modulo::RelFluxoCaixa)),
        title("Relatórios > Fluxo de Caixa > Débitos/Créditos"),
        title("Relatórios > Fluxo de Caixa > Débitos e Créditos (com Saldo Anterior)"),
        title("Relatórios > Fluxo de Caixa > Somente Créditos"),
        title("Relatórios > Fluxo de Caixa > Somente Débitos"),
        title("Relatórios > Comissões de Entregadores", Modulo::RelComissoes),
        report("Relatórios > Comissões de Entregadores > Comissões Pagas", datas, "Comi Data Pagas"),
        report("Relatórios > Comissões de Entregadores > Comissões a Pagar", datas, "Comi Data APagar"),
        report("Relatórios > Comissões de Entregadores > Comissões Canceladas", datas, "Comi Data Canceladas"),
        report("Relatórios > Comissões de Entregadores > Comissões Pagas por Entregador", datasEnt,
               "Comi Entregador Pagas"),
        report("Relatórios > Comissões de Entregadores > Comissões a Pagar por Entregador", datasEnt,
               "Comi Entregador APagar"),
        report("Relatórios > Comissões de Entregadores > Comissões Canceladas por Entregador", datasEnt,
               "Comi Entregador Canceladas"),

        title("Utilitários", Modulo::Utilitarios),
        item("Utilitários > Backup", Modulo::Backup, Backup),
        item("Utilitários > Restaura Backup", Modulo::RestauraBackup, RestauraBackup),
        title("Utilitários > Usuários", Modulo::Usuarios),
        item("Utilitários > Usuários > Manutenção de Usuários", {}, ManutUsuarios),
        item("Utilitários > Usuários > Configuração de Login", {}, ConfigLogin),
        item("Utilitários > Usuários > Configuração de Log", {}, ConfigLog),
        item("Utilitários > Usuários > Consulta de Log", {}, ConsultaLog),
        item("Utilitários > Usuários > Configuração de Permissão", {}, PermissaoUsuarios),
        item("Utilitários > Usuários > Dá/Retira Permissões", {}, DaRetiraPermissoes),
        item("Utilitários > Manutenção de Movimentação de Estoque", {}, ManutMovEstq),
        item("Utilitários > Dados da Empresa", Modulo::DadosEmpresa, Empresa),
        item("Utilitários > Configuração do Tipo de Impressora para a Impressão dos Pedidos", Modulo::ImpressoraPedidos,
             ConfigImpPed),

        title("Ajuda"),
        item("Ajuda > Sobre", {}, Sobre),
        item("Saída", {}, Saida),
    };
}

} // namespace

namespace MenuDefinition {

const std::vector<MenuEntry> &entries()
{
    static const std::vector<MenuEntry> tree = build();
    return tree;
}

bool hasChildren(const MenuEntry &entry)
{
    for (const MenuEntry &e : entries())
        if (e.path.size() > entry.path.size() && e.path.mid(0, entry.path.size()) == entry.path)
            return true;
    return false;
}

const MenuEntry *findAction(const QString &actionId)
{
    for (const MenuEntry &e : entries())
        if (!e.actionId.isEmpty() && e.actionId == actionId)
            return &e;
    return nullptr;
}

} // namespace MenuDefinition
