#pragma once

#include "orders/ui/LookupWindow.h"

// The region lookup.
class TfBuscaReg final : public LookupWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfBuscaReg)
public:
    explicit TfBuscaReg(AppContext &ctx, QWidget *parent = nullptr);
};
