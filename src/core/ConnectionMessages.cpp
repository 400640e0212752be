#include "core/ConnectionMessages.h"

namespace ConnectionMessages {

namespace {

QString compose(const QString &causes, const QString &errorText)
{
    return causes + kSupportContact + QStringLiteral("\r E diga o Código de Erro:") + errorText;
}

} // namespace

QString localFailure(const QString &errorText)
{
    return compose(QStringLiteral("Não Consegui encontrar o Banco de Dados as Possíveis causas podem ser:\r"
                                  " 1 - Verifique se o arquivo GDS32.DLL está na pasta onde está instalado o arquivo\r"
                                  " 2 - Verique se o arquivo VD.FDB está na mesma pasta onde está instalado o sistema\r"),
                   errorText);
}

QString locationFailure(const QString &errorText)
{
    return compose(QStringLiteral("Não Consegui encontrar o Banco de Dados as Possíveis causas podem ser:\r"
                                  " 1 - verifique se o FireBird está Ativo\r"
                                  " 2 - Verique no arquivo Config.ini se o Path dos Dados está correto\r"),
                   errorText);
}

QString startupFailure(const QString &errorText) { return locationFailure(errorText); }

QString lostConnection(const QString &errorText)
{
    return compose(QStringLiteral("A Conexão com o Banco de Dados foi Perdida. Feche o Programa e Abra Novamente.\r"
                                  " Caso o Banco de Dados esteja em um Servidor verifique se o FireBird está Ativo"
                                  " e se a Rede está Funcionando\r"),
                   errorText);
}

} // namespace ConnectionMessages
