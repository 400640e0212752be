#include "core/ConfigBancoDadosLogic.h"

#include "core/ConnectionMessages.h"
#include "core/DataModuleConexao.h"
#include "core/DbError.h"
#include "core/MessageService.h"

#include <QDir>
#include <exception>

ConfigBancoDadosLogic::ConfigBancoDadosLogic(DataModuleConexao &conexao, MessageService &messages)
    : m_conexao(conexao), m_messages(messages)
{
}

QString ConfigBancoDadosLogic::initialFolder() const
{
    return QDir::toNativeSeparators(QDir(m_conexao.workDir()).absolutePath());
}

ConfigBancoDadosLogic::Outcome ConfigBancoDadosLogic::testar(const QString &folder)
{
    try {
        m_conexao.connectConfigured(folder);
    } catch (const DbError &e) {
        return fail(e.message());
    }
    m_messages.information(QStringLiteral("Banco de Dados Encontrado"));
    return Outcome::Found;
}

ConfigBancoDadosLogic::Outcome ConfigBancoDadosLogic::gravar(const QString &folder)
{
    try {
        m_conexao.writeConfiguredFolder(folder);
        m_conexao.connectConfigured(m_conexao.configuredFolder());
    } catch (const DbError &e) {
        return fail(e.message());
    } catch (const std::exception &e) { // Config.INI could not be written or read back
        return fail(QString::fromLocal8Bit(e.what()));
    }
    return Outcome::Saved;
}

ConfigBancoDadosLogic::Outcome ConfigBancoDadosLogic::fail(const QString &errorText)
{
    m_messages.error(ConnectionMessages::locationFailure(errorText));
    m_conexao.removeConfig();
    return Outcome::Failed;
}
