#include "orders/TicketSettings.h"

#include "controls/BrFormat.h"
#include "core/AppContext.h"
#include "core/MessageService.h"
#include "core/PrinterIni.h"
#include "core/Session.h"
#include "core/WorkingFiles.h"

#include <QDir>
#include <stdexcept>

TicketSettings::TicketSettings(AppContext &ctx) : m_ctx(ctx) {}

QString TicketSettings::iniPath() const
{
    const QString found = WorkingFiles::find(QDir::currentPath(), WorkingFiles::kPrinter);
    return found.isEmpty() ? QDir::current().filePath(WorkingFiles::kPrinter) : found;
}

TicketSettings::Values TicketSettings::showing()
{
    Values v;
    const PrinterIni ini(iniPath());
    try {
        if (!ini.exists())
            ini.writeTipoIOnly();
        m_ctx.session.tipoI = ini.read().tipoI;
        const PrinterIni::Ports ports = ini.readPorts();
        v.lpt1 = ports.lpt1;
        v.lpt2 = ports.lpt2;
    } catch (const std::runtime_error &e) {
        m_ctx.messages.warning(QString::fromStdString(e.what()));
        v.lpt1 = PrinterIni::kDefaultLpt1;
        v.lpt2 = PrinterIni::kDefaultLpt2;
    }
    const QString tipo = m_ctx.session.tipoI.trimmed();
    if (tipo.size() == 1 && tipo >= QStringLiteral("1") && tipo <= QStringLiteral("5"))
        v.tipo = tipo.toInt();
    v.obs = m_ctx.session.obs == QStringLiteral("S");
    v.nroLin = m_ctx.session.nroLin;
    return v;
}

bool TicketSettings::gravar(const Values &values)
{
    PrinterIni::Values file;
    file.tipoI = QString::number(values.tipo >= 1 && values.tipo <= 5 ? values.tipo : 3);
    file.obs = values.obs ? QStringLiteral("S") : QStringLiteral("N");
    const std::optional<Decimal> lines = BrFormat::parse(values.nroLin);
    file.nroLin = lines ? QString::number(lines->toInt64()) : QString();
    const PrinterIni::Ports ports{values.lpt1.trimmed().isEmpty() ? PrinterIni::kDefaultLpt1 : values.lpt1.trimmed(),
                                  values.lpt2.trimmed().isEmpty() ? PrinterIni::kDefaultLpt2 : values.lpt2.trimmed()};
    try {
        PrinterIni(iniPath()).write(file, ports);
    } catch (const std::runtime_error &e) {
        m_ctx.messages.warning(QString::fromStdString(e.what()));
        return false;
    }
    m_ctx.session.tipoI = file.tipoI;
    m_ctx.session.obs = file.obs;
    m_ctx.session.nroLin = file.nroLin;
    m_ctx.messages.information(kSucesso);
    return true;
}
