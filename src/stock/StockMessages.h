#pragma once

#include <QString>

// The texts the stock windows show.
namespace StockMessages {
inline const QString kProdutoNaoEncontrado = QStringLiteral("Produto não Encontrado !");
inline const QString kFeitoNaHora =
    QStringLiteral("Como o Produto é Feito na hora não é permitido dar entrada em Estoque");
inline const QString kNaoConseguiGravar = QStringLiteral("Não Consegui Gravar, Tente Novamente !\rErro:  ");
inline const QString kQuantidadeMaiorQueEstoque =
    QStringLiteral("Quantidade tem que ser igual ou menor que a Quantidade Atual em Estoque");
inline const QString kQuantidadeNegativa = QStringLiteral("A Quantidade não pode ser menor que zero");
inline const QString kProdutoNaoCadastrado = QStringLiteral("Produto não Cadastrado");
inline const QString kConfirmaExcluir = QStringLiteral("Tem certeza que deseja Excluir essa Movimentação ?");
inline const QString kConfirmaExcluirReverter =
    QStringLiteral("Tem certeza que deseja Excluir e Reverter essa Movimentação ?");
inline const QString kNaoConseguiOperacao = QStringLiteral("Não Consegui Realizar a Operação, Tente Novamente");
inline const QString kMovimentacaoJaExcluida =
    QStringLiteral("Essa Movimentação já foi Excluída em outra Estação");
// Followed by the order code.
inline const QString kMovimentacaoDePedido = QStringLiteral(
    "Essa Movimentação é de um Item de Pedido e só pode ser desfeita excluindo o Item ou cancelando o Pedido:");
} // namespace StockMessages
