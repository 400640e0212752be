#pragma once

#include "core/CompanyHeader.h"

#include <QString>
#include <functional>
#include <optional>

struct AppContext;

// The work of the main window's first showing, in its order: the schema
// version (and upgrade), the three switches, the login, the company header,
// the version panel and the printer settings of vd.ini. Everything it reads
// lands in the session; the window shows what the result carries.
class FirstShowing {
public:
    // Shows the login; false when the login ended the program.
    using LoginStep = std::function<bool()>;
    // Brings the schema up to date from the given version (updating it).
    using UpgradeStep = std::function<void(QString &versaoSistema)>;

    enum class Outcome {
        Completed,
        ProgramEnded, // the login ended the program; the later steps did not run
        Failed,       // an error was shown; the later steps did not run
    };

    struct Result {
        Outcome outcome = Outcome::Failed;
        std::optional<CompanyHeader> header; // set once the Empresa row was read
        QString versionPanel;                // "Versão:" + version; empty until that step ran
    };

    static inline const QString kIniFile = QStringLiteral("vd.ini");

    // Without an upgrade step, SchemaUpgrade runs.
    FirstShowing(AppContext &ctx, LoginStep login, UpgradeStep upgrade = {});

    // Any error ends the work at that point and is shown through the
    // message seam's error box.
    Result run();

private:
    void readVersion();
    void readSwitches();
    CompanyHeader readCompany();
    void readPrinterSettings();

    AppContext &m_ctx;
    LoginStep m_login;
    UpgradeStep m_upgrade;
};
