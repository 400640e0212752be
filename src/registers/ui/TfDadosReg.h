#pragma once

#include "core/ui/RecordDataWindow.h"

// The delivery-region data window.
class TfDadosReg final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosReg)
public:
    explicit TfDadosReg(AppContext &ctx, QWidget *parent = nullptr);
    RecordDataLogic &logic() { return m_logic; }

private:
    RecordDataLogic m_logic;
};
