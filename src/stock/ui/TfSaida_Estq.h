#pragma once

#include "stock/StockExitLogic.h"
#include "stock/ui/StockForm.h"

class LookupWindow;

// The stock exit window ("Saída do Estoque").
class TfSaida_Estq final : public StockForm {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfSaida_Estq)
public:
    static inline const QString kOrigem = QStringLiteral("Saída Estoque");

    // The product lookup hands its code back under kOrigem.
    TfSaida_Estq(AppContext &ctx, LookupWindow &productLookup, QWidget *parent = nullptr);

    StockExitLogic &logic() { return m_logic; }

private:
    void pull() override;
    void push() override;
    bool leaveCode() override { return m_logic.leaveCode(); }
    bool save() override { return m_logic.save(); }
    StockFocus focusAfterFailedSave() const override { return m_logic.focusAfterSave(); }
    void clearLogic() override { m_logic.clear(); }

    StockExitLogic m_logic;
    TEditV *m_description, *m_unit, *m_current, *m_quantity, *m_price, *m_document;
    QDateEdit *m_date;
};
