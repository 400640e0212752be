#pragma once

#include "core/ui/RecordDataWindow.h"
#include "registers/ProductLogic.h"

#include <functional>

class QComboBox;

// The product data window. The list sets Modo on logic() before each opening.
class TfDadosPro final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosPro)
public:
    explicit TfDadosPro(AppContext &ctx, QWidget *parent = nullptr);

    ProductLogic &logic() { return m_logic; }
    std::function<void()> onListChanged;

protected:
    ModeSetup prepare() override;
    void push() override;

private:
    void pull();
    void finish(const ProductLogic::SaveResult &result);
    QComboBox *addYesNo(const QString &column, const QString &label);

    ProductLogic m_logic;
    TEditV *m_code, *m_description, *m_unit, *m_quantity, *m_minimum, *m_maximum, *m_cost, *m_margin, *m_price,
        *m_lastPurchase;
    QComboBox *m_pf, *m_feito, *m_ativo;
    QDateEdit *m_dcad;
    QPlainTextEdit *m_notes;
};
