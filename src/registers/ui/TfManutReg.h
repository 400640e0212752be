#pragma once

#include "registers/ui/RegisterListWindow.h"

struct AppContext;
class TfDadosReg;

// The region list ("Manutenção de Regiões").
class TfManutReg final : public RegisterListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfManutReg)
public:
    TfManutReg(AppContext &ctx, TfDadosReg &data, QWidget *parent = nullptr);
};
