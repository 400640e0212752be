#pragma once

#include <QString>

class DataModuleConexao;
class MessageService;

// The database location setup shown at start-up when neither the marker file
// nor Config.INI exists. "Testar" tries the typed folder, "Gravar" writes it
// to Config.INI and connects from what was written. A folder that does not
// lead to a database is never kept in Config.INI.
class ConfigBancoDadosLogic {
public:
    enum class Outcome {
        Found,  // "Testar" connected; the window stays open
        Saved,  // "Gravar" connected; the window closes
        Failed, // the message was shown; clear the field and focus it
    };

    ConfigBancoDadosLogic(DataModuleConexao &conexao, MessageService &messages);

    // The folder proposed on showing: the working directory.
    QString initialFolder() const;

    Outcome testar(const QString &folder);
    Outcome gravar(const QString &folder);
    // "Sair do Programa".
    void sairDoPrograma() { m_endRequested = true; }
    bool endRequested() const { return m_endRequested; }

private:
    Outcome fail(const QString &errorText);

    DataModuleConexao &m_conexao;
    MessageService &m_messages;
    bool m_endRequested = false;
};
