#pragma once

#include "orders/TicketSink.h"

#include <QString>
#include <functional>
#include <memory>

struct AppContext;
class ReportPrinter;

// Prints the ticket of one order the way the session's printer settings say
// (TipoI, OBS, NroLin, read from vd.ini at start and by the settings window):
// "1"/"2" the 80-column ticket on LPT1/LPT2, "4"/"5" the 40-column ticket,
// "3" the page ticket on the page printer (the default printer); any other
// type prints nothing and says nothing. LPT1 and LPT2 are the printers named
// in vd.ini's section Portas.
class TicketPrinting {
public:
    using SinkFactory = std::function<std::unique_ptr<TicketSink>(const QString &portSetting)>;

    static inline const QString kModulo = QStringLiteral("3.1.4");
    static inline const QString kErroImpressao = QStringLiteral("Erro na Impressão do Pedido em ");

    TicketPrinting(AppContext &ctx, ReportPrinter &pagePrinter, SinkFactory sinks = TicketSinks::forPort);

    // True when the ticket went out whole. Every failure has been shown
    // through the message seam, except an unknown printer type and an order
    // without items on a text printer, which print nothing silently.
    bool print(const QString &codPed);

private:
    bool printText(const QByteArray &bytes, const QString &port);

    AppContext &m_ctx;
    ReportPrinter &m_pagePrinter;
    SinkFactory m_sinks;
};
