#pragma once

#include "stock/StockEntryLogic.h"
#include "stock/ui/StockForm.h"

class LookupWindow;
class QPlainTextEdit;

// The stock entry window ("Entrada de Estoque").
class TfEntrada_Estq final : public StockForm {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfEntrada_Estq)
public:
    static inline const QString kOrigem = QStringLiteral("Entrada Estoque");

    // The product lookup hands its code back under kOrigem.
    TfEntrada_Estq(AppContext &ctx, LookupWindow &productLookup, QWidget *parent = nullptr);

    StockEntryLogic &logic() { return m_logic; }

private:
    void pull() override;
    void push() override;
    bool leaveCode() override { return m_logic.leaveCode(); }
    bool save() override { return m_logic.save(); }
    StockFocus focusAfterFailedSave() const override { return m_logic.focusAfterSave(); }
    void clearLogic() override { m_logic.clear(); }

    StockEntryLogic m_logic;
    TEditV *m_description, *m_unit, *m_current, *m_quantity, *m_document, *m_cost, *m_margin, *m_price, *m_minimum,
        *m_maximum;
    QDateEdit *m_date;
    QPlainTextEdit *m_notes;
};
