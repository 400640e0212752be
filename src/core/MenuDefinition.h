#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The ids the main window's menu items are known by. A module registers the
// action of its item with TfPrincipal::setAction(id, ...). Window items use the
// name of the window they open; report items use their report kind.
namespace MenuAction {
inline const QString ManutCli = QStringLiteral("TfManut_Cli");
inline const QString ManutEnt = QStringLiteral("TfManutEnt");
inline const QString ManutPro = QStringLiteral("TfManutPro");
inline const QString ManutReg = QStringLiteral("TfManutReg");
inline const QString EntradaEstq = QStringLiteral("TfEntrada_Estq");
inline const QString SaidaEstq = QStringLiteral("TfSaida_Estq");
inline const QString ManutPed = QStringLiteral("TfManutPed");
inline const QString ManutCCE = QStringLiteral("TfManutCCE");
inline const QString ManutCaixa = QStringLiteral("TfManutCaixa");
inline const QString Backup = QStringLiteral("TfBackup");
inline const QString RestauraBackup = QStringLiteral("TfRestaura_Backup");
inline const QString ManutUsuarios = QStringLiteral("TfManut_Usuarios");
inline const QString ConfigLogin = QStringLiteral("TfConfig_Login");
inline const QString ConfigLog = QStringLiteral("TfConfig_Log");
inline const QString ConsultaLog = QStringLiteral("TfConsulta_Log");
inline const QString PermissaoUsuarios = QStringLiteral("TfPermissao_Usuarios");
inline const QString DaRetiraPermissoes = QStringLiteral("TfDaRetiraPermissoes");
inline const QString ManutMovEstq = QStringLiteral("TfManutMovEstq");
inline const QString Empresa = QStringLiteral("TfEmpresa");
inline const QString ConfigImpPed = QStringLiteral("TfConfigImpPed");
inline const QString Sobre = QStringLiteral("TfSobre");
inline const QString Saida = QStringLiteral("Saida");
} // namespace MenuAction

// One entry of the main menu. The tree is given in menu order; an entry whose
// path has one element is on the menu bar. An entry is a menu (or submenu)
// title when later entries lie under its path, otherwise an item.
struct MenuEntry {
    QStringList path;
    QString code;     // module code for the permission gate; empty: no gate of its own
    QString actionId; // empty for a menu title
    // Report items: the dialog they open and, for the product reports, the
    // statement loaded into the product list first.
    QString dialog;
    QString statement;
    bool hidden = false;

    QString caption() const { return path.last(); }
    bool isTopLevel() const { return path.size() == 1; }
};

namespace MenuDefinition {

// The whole menu, in menu order.
const std::vector<MenuEntry> &entries();

// True when some entry lies under `entry` (it is a menu title).
bool hasChildren(const MenuEntry &entry);

// The entry with the action id; nullptr when none.
const MenuEntry *findAction(const QString &actionId);

} // namespace MenuDefinition
