#include "security/ui/SecurityWindows.h"

#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "security/ui/SwitchWindow.h"
#include "security/ui/TfConsulta_Log.h"
#include "security/ui/TfDaRetiraPermissoes.h"
#include "security/ui/TfDados_Usuarios.h"
#include "security/ui/TfManut_Usuarios.h"

SecurityWindows::SecurityWindows(AppContext &ctx, QWidget *parent)
    : m_dadosUsuarios(std::make_unique<TfDados_Usuarios>(ctx, parent)),
      m_manutUsuarios(std::make_unique<TfManut_Usuarios>(ctx, *m_dadosUsuarios, parent)),
      m_configLogin(std::make_unique<TfConfig_Login>(ctx, parent)),
      m_configLog(std::make_unique<TfConfig_Log>(ctx, parent)),
      m_permissao(std::make_unique<TfPermissao_Usuarios>(ctx, parent)),
      m_consultaLog(std::make_unique<TfConsulta_Log>(ctx, parent)),
      m_daRetira(std::make_unique<TfDaRetiraPermissoes>(ctx, parent))
{
}

SecurityWindows::~SecurityWindows() = default;

void SecurityWindows::plugInto(TfPrincipal &principal, AppContext &ctx)
{
    auto made = std::make_shared<std::unique_ptr<SecurityWindows>>();
    auto windows = [made, main = &principal, context = &ctx]() -> SecurityWindows & {
        if (!*made)
            *made = std::make_unique<SecurityWindows>(*context, main);
        return **made;
    };
    principal.setAction(MenuAction::ManutUsuarios, [windows] { windows().manutUsuarios().exec(); });
    principal.setAction(MenuAction::ConfigLogin, [windows] { windows().configLogin().exec(); });
    principal.setAction(MenuAction::ConfigLog, [windows] { windows().configLog().exec(); });
    principal.setAction(MenuAction::PermissaoUsuarios, [windows] { windows().permissaoUsuarios().exec(); });
    principal.setAction(MenuAction::ConsultaLog, [windows] { windows().consultaLog().exec(); });
    principal.setAction(MenuAction::DaRetiraPermissoes, [windows] { windows().daRetiraPermissoes().exec(); });
}
