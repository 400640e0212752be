#pragma once

#include "orders/ui/LookupWindow.h"

// The customer lookup.
class TfBuscaCli final : public LookupWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfBuscaCli)
public:
    explicit TfBuscaCli(AppContext &ctx, QWidget *parent = nullptr);
};
