#include "orders/TicketPrinting.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "core/PrinterIni.h"
#include "core/Session.h"
#include "core/WorkingFiles.h"
#include "orders/TicketData.h"
#include "orders/TicketReport.h"
#include "orders/TicketText.h"
#include "reports/ReportDocument.h"
#include "reports/ReportPrinter.h"

#include <QDir>
#include <stdexcept>

namespace {

PrinterIni::Ports configuredPorts()
{
    const QString found = WorkingFiles::find(QDir::currentPath(), WorkingFiles::kPrinter);
    try {
        return PrinterIni(found.isEmpty() ? WorkingFiles::kPrinter : found).readPorts();
    } catch (const std::runtime_error &) {
        return {PrinterIni::kDefaultLpt1, PrinterIni::kDefaultLpt2};
    }
}

} // namespace

TicketPrinting::TicketPrinting(AppContext &ctx, ReportPrinter &pagePrinter, SinkFactory sinks)
    : m_ctx(ctx), m_pagePrinter(pagePrinter), m_sinks(std::move(sinks))
{
}

bool TicketPrinting::print(const QString &codPed)
{
    if (!Funcoes::permissionGate(m_ctx, kModulo))
        return false;
    const QString tipo = m_ctx.session.tipoI.trimmed();
    if (tipo.size() != 1 || tipo < QStringLiteral("1") || tipo > QStringLiteral("5"))
        return false;

    std::optional<TicketData> ticket;
    try {
        ticket = TicketLoader::load(m_ctx.db, codPed);
    } catch (const DbError &e) {
        m_ctx.messages.warning(QStringLiteral("Erro ao Ler o Pedido ") + codPed + QStringLiteral(" !\rErro:  ") +
                               e.message());
        return false;
    }
    if (!ticket) {
        m_ctx.messages.warning(QStringLiteral("Pedido ") + codPed + QStringLiteral(" não Encontrado !"));
        return false;
    }
    ticket->empresa = m_ctx.session.empNome;
    ticket->empresaFone = m_ctx.session.empFone;
    const bool obs = m_ctx.session.obs == QStringLiteral("S");
    const QDateTime now = m_ctx.clock.now();

    if (tipo == QStringLiteral("3"))
        return m_pagePrinter.print(*TicketReport::document(*ticket, obs, now));
    if (ticket->items.empty())
        return false;

    const bool wide = tipo == QStringLiteral("1") || tipo == QStringLiteral("2");
    const TicketText::Options options{.obs = obs, .nroLin = TicketText::nroLin(m_ctx.session.nroLin)};
    const QStringList lines = wide ? TicketText::lines80(*ticket, options, now) : TicketText::lines40(*ticket, options, now);
    const PrinterIni::Ports ports = configuredPorts();
    const QString port = (tipo == QStringLiteral("1") || tipo == QStringLiteral("4")) ? ports.lpt1 : ports.lpt2;
    QByteArray bytes;
    try {
        bytes = TicketText::bytes(lines);
    } catch (const DbError &e) {
        m_ctx.messages.warning(kErroImpressao + port + QStringLiteral(" !\rErro:  ") + e.message());
        return false;
    }
    return printText(bytes, port);
}

bool TicketPrinting::printText(const QByteArray &bytes, const QString &port)
{
    std::unique_ptr<TicketSink> sink = m_sinks(port);
    bool ok = sink->open();
    // Line by line, so what a failing printer took stays printed.
    for (qsizetype at = 0; ok && at < bytes.size();) {
        const qsizetype end = bytes.indexOf("\r\n", at) + 2;
        ok = sink->write(bytes.mid(at, end - at));
        at = end;
    }
    ok = ok && sink->close();
    if (!ok)
        m_ctx.messages.warning(kErroImpressao + sink->name() + QStringLiteral(" !\rErro:  ") + sink->errorText());
    return ok;
}
