#pragma once

#include "orders/ui/LookupWindow.h"

// The product (active products only) lookup.
class TfBusca_Produtos final : public LookupWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfBusca_Produtos)
public:
    explicit TfBusca_Produtos(AppContext &ctx, QWidget *parent = nullptr);
};
