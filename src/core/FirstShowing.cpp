#include "core/FirstShowing.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "core/PrinterIni.h"
#include "core/SchemaUpgrade.h"
#include "core/Session.h"
#include "core/WorkingFiles.h"

#include <QDir>

#include <exception>

namespace {

// The first row's column, or an empty text when the table has no row.
QString firstText(const ResultSet &rows, const QString &column)
{
    return rows.isEmpty() ? QString() : rows.first().text(column);
}

} // namespace

FirstShowing::FirstShowing(AppContext &ctx, LoginStep login, UpgradeStep upgrade)
    : m_ctx(ctx), m_login(std::move(login)), m_upgrade(std::move(upgrade))
{
    if (!m_upgrade)
        m_upgrade = [this](QString &versao) { SchemaUpgrade(m_ctx).runIfNeeded(versao); };
}

FirstShowing::Result FirstShowing::run()
{
    Result result;
    try {
        readVersion();
        readSwitches();
        if (m_ctx.session.confLogin == QStringLiteral("S") && m_login && !m_login()) {
            result.outcome = Outcome::ProgramEnded;
            return result;
        }
        result.header = readCompany();
        result.versionPanel = QStringLiteral("Versão:") + m_ctx.session.versaoSistema;
        readPrinterSettings();
        result.outcome = Outcome::Completed;
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
    } catch (const std::exception &e) {
        m_ctx.messages.error(QString::fromLocal8Bit(e.what()));
    }
    return result;
}

void FirstShowing::readVersion()
{
    Session &s = m_ctx.session;
    s.versaoSistema = firstText(m_ctx.db.select(QStringLiteral("Select * From Versao")), QStringLiteral("Numero"));
    if (s.versaoSistema != QString::fromLatin1(Session::kBuildVersion))
        m_upgrade(s.versaoSistema);
}

void FirstShowing::readSwitches()
{
    const ResultSet rows = m_ctx.db.select(QStringLiteral("Select * From Configuracoes"));
    Session &s = m_ctx.session;
    s.confLogin = firstText(rows, QStringLiteral("LOGIN"));
    s.confPermissao = firstText(rows, QStringLiteral("Permissao"));
    s.confLog = firstText(rows, QStringLiteral("Log"));
}

CompanyHeader FirstShowing::readCompany()
{
    const ResultSet rows = m_ctx.db.select(QStringLiteral("Select * From Empresa"));
    CompanyHeader h;
    h.nome = firstText(rows, QStringLiteral("EMP_Nome"));
    h.ender = firstText(rows, QStringLiteral("EMP_Ender"));
    h.fone = firstText(rows, QStringLiteral("EMP_Fone"));
    h.email = firstText(rows, QStringLiteral("EMP_Email"));
    h.homeP = firstText(rows, QStringLiteral("EMP_HomeP"));
    m_ctx.session.empNome = h.nome;
    m_ctx.session.empFone = h.fone;
    return h;
}

void FirstShowing::readPrinterSettings()
{
    // The same file the upgrade fixed, whatever the case of its name.
    const QString found = WorkingFiles::find(QDir::currentPath(), WorkingFiles::kPrinter);
    PrinterIni ini(found.isEmpty() ? kIniFile : found);
    if (!ini.exists())
        ini.writeDefaults();
    const PrinterIni::Values v = ini.read();
    m_ctx.session.tipoI = v.tipoI;
    m_ctx.session.obs = v.obs;
    m_ctx.session.nroLin = v.nroLin;
}
