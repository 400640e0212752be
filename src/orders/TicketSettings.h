#pragma once

#include <QString>

struct AppContext;

// What the printer settings window shows and saves: the printer type, the
// notes switch, the blank lines after a 40-column ticket, and the printers
// standing for LPT1 and LPT2. The file and the session's values change together.
class TicketSettings {
public:
    static inline const QString kSucesso = QStringLiteral("Configurações Alteradas com Sucesso !");

    struct Values {
        int tipo = 0; // 1..5; 0 when the setting holds anything else
        bool obs = false;
        QString nroLin;
        QString lpt1;
        QString lpt2;
    };

    explicit TicketSettings(AppContext &ctx);

    // On showing: creates vd.ini with TipoI "1" when it is missing and reads
    // TipoI from it into the session; OBS and NroLin are the session's.
    Values showing();
    // "Gravar": writes the file and the session, then tells the person.
    // NroLin is written as a plain whole number ("1.000" is written 1000);
    // text that is no number is written empty. False after a warning when
    // the file cannot be written.
    bool gravar(const Values &values);

    QString iniPath() const;

private:
    AppContext &m_ctx;
};
