#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class DataModuleConexao;
class MessageService;

// The program's start-up without any widget: finds and opens the database
// (showing the location setup when neither the marker file nor Config.INI
// exists), then creates the six groups of windows and data modules with a
// progress text before each. The windows are supplied as callbacks so the
// whole procedure runs in a test.
class Startup {
public:
    struct Steps {
        // Shows the database location setup modally; returns true when the
        // user asked to end the program ("Sair do Programa").
        std::function<bool()> showSetupWindow;
        // The splash window's status text.
        std::function<void(const QString &)> setProgress;
        // Creates the windows and data modules of one group (0..5).
        std::function<void(int group)> createGroup;
    };

    enum class Outcome {
        Run,   // the main window runs
        Ended, // a failure was shown; the program ends
        Quit,  // the person chose to end the program; nothing more is shown
    };

    static const QStringList &progressTexts();

    Startup(DataModuleConexao &conexao, MessageService &messages, Steps steps);

    // Any error while connecting again or creating the groups shows the
    // start-up failure message and ends the program. "Sair do Programa" in
    // the location setup ends it at once, without trying to connect.
    Outcome run();

    // The connection procedure alone (run when the splash window first
    // shows); true when the connection is open.
    bool connect();

    bool endRequested() const { return m_endRequested; }

private:

    DataModuleConexao &m_conexao;
    MessageService &m_messages;
    Steps m_steps;
    bool m_endRequested = false;
};
