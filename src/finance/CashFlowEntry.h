#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

struct AppContext;

// The cash entry window's logic ("Inclusão de Caixa" / "Exclusão de Caixa"):
// an entry typed by hand, booked through the cash ledger, or the selected
// entry shown and deleted.
class CashFlowEntry {
public:
    explicit CashFlowEntry(AppContext &ctx);
    CashFlowEntry(const CashFlowEntry &) = delete;
    CashFlowEntry &operator=(const CashFlowEntry &) = delete;

    // Set by the list before each opening: "Inclui" or "Exclui", and for
    // "Exclui" the internal code of the selected entry.
    void setModo(const QString &modo) { m_modo = modo; }
    void setSelectedCode(std::int64_t code) { m_selected = code; }
    bool deleting() const { return m_modo == QStringLiteral("Exclui"); }
    QString title() const;

    // The fields, as the window shows them.
    bool debito = true;
    QDate data;
    QString valor, documento, descricao;

    // Showing: the defaults for "Inclui", the selected entry for "Exclui".
    void prepare();
    void clear();

    // "Gravar": books the entry; true when committed (the fields are cleared).
    bool gravar();
    // "Excluir": deletes the entry shown; true when one row went.
    bool excluir();

private:
    AppContext &m_ctx;
    QString m_modo;
    std::int64_t m_selected = 0;
};
