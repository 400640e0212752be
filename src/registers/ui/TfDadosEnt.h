#pragma once

#include "core/ui/RecordDataWindow.h"

// The delivery-person data window.
class TfDadosEnt final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosEnt)
public:
    explicit TfDadosEnt(AppContext &ctx, QWidget *parent = nullptr);
    RecordDataLogic &logic() { return m_logic; }

private:
    RecordDataLogic m_logic;
};
