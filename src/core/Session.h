#pragma once

#include <QString>

// The values the main window keeps for the whole run and the modules read:
// the logged-in user, the three switches, the version, the company's name and
// telephone, and the ticket printer settings of vd.ini.
struct Session {
    static constexpr const char *kBuildVersion = "1.1.4-06022012";

    QString codUsuario;    // empty when nobody logged in
    QString loginUsuario;
    QString confLogin;     // "S" / "N" as read at start
    QString confPermissao;
    QString confLog;
    QString versaoSistema;
    QString empNome;
    QString empFone;
    // vd.ini, section Impressora
    QString tipoI;
    QString obs;
    QString nroLin;
};
