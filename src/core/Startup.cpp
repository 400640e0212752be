#include "core/Startup.h"

#include "core/ConnectionMessages.h"
#include "core/DataModuleConexao.h"
#include "core/DbError.h"
#include "core/MessageService.h"

#include <exception>

namespace {

QString errorText(const std::exception &e)
{
    if (const auto *db = dynamic_cast<const DbError *>(&e))
        return db->message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

const QStringList &Startup::progressTexts()
{
    static const QStringList texts{
        QStringLiteral("Criando Tela Princial"),
        QStringLiteral("Criando Módulo de Cadastros"),
        QStringLiteral("Criando Módulo de Pedidos"),
        QStringLiteral("Criando Módulo de Relatórios"),
        QStringLiteral("Criando Módulo de Utilitários"),
        QStringLiteral("Criando Módulo de Movimentação de Estoque"),
    };
    return texts;
}

Startup::Startup(DataModuleConexao &conexao, MessageService &messages, Steps steps)
    : m_conexao(conexao), m_messages(messages), m_steps(std::move(steps))
{
}

bool Startup::connect()
{
    const bool marker = m_conexao.hasMarker();
    if (marker) {
        try {
            m_conexao.connectLocal();
            return true;
        } catch (const DbError &e) {
            m_messages.error(ConnectionMessages::localFailure(e.message()));
            return false;
        }
    }
    if (!m_conexao.hasConfig() && m_steps.showSetupWindow) {
        m_endRequested = m_steps.showSetupWindow();
        if (m_endRequested)
            return false;
    }
    // Whatever the setup window did, connect again from the Config.INI it left.
    try {
        m_conexao.connectConfigured(m_conexao.configuredFolder());
        return true;
    } catch (const DbError &e) {
        m_messages.error(ConnectionMessages::locationFailure(e.message()));
        return false;
    }
}

Startup::Outcome Startup::run()
{
    try {
        const bool connected = connect();
        if (m_endRequested)
            return Outcome::Quit;
        const QStringList &texts = progressTexts();
        for (int group = 0; group < texts.size(); ++group) {
            if (m_steps.setProgress)
                m_steps.setProgress(texts.at(group));
            // The first data module reads the database as it is created; when
            // the connection procedure failed, it tries the connection once more.
            if (group == 0 && !connected)
                m_conexao.connectAgain();
            if (m_steps.createGroup)
                m_steps.createGroup(group);
        }
    } catch (const std::exception &e) {
        m_messages.error(ConnectionMessages::startupFailure(errorText(e)));
        return Outcome::Ended;
    }
    return Outcome::Run;
}
