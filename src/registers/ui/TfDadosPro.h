#pragma once

#include "core/ui/RecordDataWindow.h"
#include "registers/ProductLogic.h"

// The product data window.
class TfDadosPro final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosPro)
public:
    explicit TfDadosPro(AppContext &ctx, QWidget *parent = nullptr);

    ProductLogic &logic() { return m_logic; }

protected:
    void push() override;

private:
    ProductLogic m_logic;
};
