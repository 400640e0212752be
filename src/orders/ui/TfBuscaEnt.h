#pragma once

#include "orders/ui/LookupWindow.h"

// The delivery-person lookup.
class TfBuscaEnt final : public LookupWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfBuscaEnt)
public:
    explicit TfBuscaEnt(AppContext &ctx, QWidget *parent = nullptr);
};
