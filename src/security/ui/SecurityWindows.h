#pragma once

#include <QWidget>
#include <memory>

struct AppContext;
class TfConfig_Log;
class TfConfig_Login;
class TfConsulta_Log;
class TfDados_Usuarios;
class TfManut_Usuarios;
class TfDaRetiraPermissoes;
class TfPermissao_Usuarios;
class TfPrincipal;

// The windows under Utilitários > Usuários, created once and reused for the
// run; the submenu's own gate ("7.3") stands before all of them.
class SecurityWindows {
public:
    SecurityWindows(AppContext &ctx, QWidget *parent);
    ~SecurityWindows();
    SecurityWindows(const SecurityWindows &) = delete;
    SecurityWindows &operator=(const SecurityWindows &) = delete;

    // Enables the items of Utilitários > Usuários; the windows are made the
    // first time one of them is chosen and live with the main window.
    static void plugInto(TfPrincipal &principal, AppContext &ctx);

    TfManut_Usuarios &manutUsuarios() { return *m_manutUsuarios; }
    TfDados_Usuarios &dadosUsuarios() { return *m_dadosUsuarios; }
    TfConfig_Login &configLogin() { return *m_configLogin; }
    TfConfig_Log &configLog() { return *m_configLog; }
    TfPermissao_Usuarios &permissaoUsuarios() { return *m_permissao; }
    TfConsulta_Log &consultaLog() { return *m_consultaLog; }
    TfDaRetiraPermissoes &daRetiraPermissoes() { return *m_daRetira; }

private:
    std::unique_ptr<TfDados_Usuarios> m_dadosUsuarios;
    std::unique_ptr<TfManut_Usuarios> m_manutUsuarios;
    std::unique_ptr<TfConfig_Login> m_configLogin;
    std::unique_ptr<TfConfig_Log> m_configLog;
    std::unique_ptr<TfPermissao_Usuarios> m_permissao;
    std::unique_ptr<TfConsulta_Log> m_consultaLog;
    std::unique_ptr<TfDaRetiraPermissoes> m_daRetira;
};
