#pragma once

#include "reports/ReportPrinter.h"

#include <QString>

class MessageService;
class QPrinter;

namespace Report {
class Document;

// Prints the pages the printer asks for (all, or the dialog's range) on a
// sheet of A4; false when the printer cannot be opened.
bool printOn(QPrinter &printer, const Document &document);
// Writes every page to a PDF file; false when it cannot be written.
bool writePdf(const QString &path, const Document &document);

inline const QString kSemImpressora = QStringLiteral(
    "Nenhuma Impressora Padrão foi Configurada no Sistema !\rConfigure uma impressora (CUPS) e Tente Novamente.");
inline const QString kErroImpressora = QStringLiteral("Não foi Possível Imprimir na Impressora Padrão ");

} // namespace Report

// The system's default printer, without preview or dialog. No printer
// configured is a warning, never a silent nothing.
class DefaultPrinter final : public ReportPrinter {
public:
    explicit DefaultPrinter(MessageService &messages) : m_messages(messages) {}
    bool print(const Report::Document &document) override;

private:
    MessageService &m_messages;
};

// A PDF file standing in for a printer (tests, demonstrations).
class PdfFilePrinter final : public ReportPrinter {
public:
    explicit PdfFilePrinter(QString path) : m_path(std::move(path)) {}
    bool print(const Report::Document &document) override;
    int printed() const { return m_printed; }

private:
    QString m_path;
    int m_printed = 0;
};
