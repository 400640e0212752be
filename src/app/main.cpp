#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/ConfigBancoDadosLogic.h"
#include "core/DataModuleConexao.h"
#include "core/Database.h"
#include "core/Session.h"
#include "core/Startup.h"
#include "core/StopSignals.h"
#include "core/ui/GuardedApplication.h"
#include "core/ui/QtMessageService.h"
#include "core/ui/TfAbertura.h"
#include "core/ui/TfConfig_BancoDados.h"
#include "core/ui/TfPrincipal.h"
#include "finance/ui/FinanceWindows.h"
#include "orders/ui/OrderWindows.h"
#include "orders/ui/TicketWindows.h"
#include "registers/ui/RegisterWindows.h"
#include "security/ui/SecurityWindows.h"
#include "stock/ui/StockWindows.h"
#include "utilities/ui/UtilitiesWindows.h"

#include <QDir>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool haveDisplay()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (!haveDisplay()) {
        std::fputs("velmora: a graphical display is needed (set DISPLAY or WAYLAND_DISPLAY, "
                   "or QT_QPA_PLATFORM=offscreen).\n",
                   stderr);
        return 2;
    }
    GuardedApplication app(argc, argv);
    // A stop signal ends the program as "Saída" does, whatever window is open:
    // every event loop, the modal ones included, returns and main() unwinds,
    // closing the windows and detaching the connection.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &app, [] { QCoreApplication::exit(0); });

    SystemClock clock;
    QtMessageService messages;
    app.setErrorDisplay([&messages](const QString &text) { messages.error(text); });
    Session session;
    Database db;
    AppContext ctx{db, session, messages, clock};

    DataModuleConexao conexao(db, QDir::currentPath());
    std::unique_ptr<TfPrincipal> principal;
    auto splash = std::make_unique<TfAbertura>();
    splash->show();
    splash->repaint();

    // The module windows are created on first use by their menu items; only
    // the main window is made here, which keeps start-up short.
    Startup startup(conexao, messages,
                    {.showSetupWindow =
                         [&] {
                             ConfigBancoDadosLogic logic(conexao, messages);
                             TfConfig_BancoDados setup(logic);
                             splash->hide();
                             setup.exec();
                             const bool end = logic.endRequested() || stopSignals.requested();
                             if (!end)
                                 splash->show();
                             return end;
                         },
                     .setProgress = [&](const QString &text) { splash->setStatus(text); },
                     .createGroup =
                         [&](int group) {
                             if (group == 0)
                                 principal = std::make_unique<TfPrincipal>(ctx);
                             if (group == 1) {
                                 RegisterWindows::plugInto(*principal, ctx);
                                 OrderWindows::plugInto(*principal, ctx);
                                 TicketWindows::plugInto(*principal, ctx);
                                 StockWindows::plugInto(*principal, ctx);
                                 FinanceWindows::plugInto(*principal, ctx);
                                 SecurityWindows::plugInto(*principal, ctx);
                             }
                             if (group == 4)
                                 UtilitiesWindows::plugInto(*principal, ctx);
                         }});
    const Startup::Outcome outcome = startup.run();
    splash.reset();
    // The client library took SIGINT and SIGTERM for itself at the first connection.
    stopSignals.install();
    if (outcome == Startup::Outcome::Quit || stopSignals.requested()) {
        app.setErrorDisplay(nullptr);
        return 0;
    }
    if (outcome == Startup::Outcome::Ended || !principal) {
        app.setErrorDisplay(nullptr);
        return 1;
    }

    // Without a window manager a maximise request is ignored; covering the
    // screen first gives the same window either way.
    principal->setGeometry(principal->screen()->availableGeometry());
    principal->showMaximized();
    const int result = app.exec();
    app.setErrorDisplay(nullptr);
    return result;
}
