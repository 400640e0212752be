#pragma once

#include "registers/ui/RegisterListWindow.h"

struct AppContext;
class TfDadosEnt;

// The delivery-person list ("Manutenção de Entregadores").
class TfManutEnt final : public RegisterListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfManutEnt)
public:
    TfManutEnt(AppContext &ctx, TfDadosEnt &data, QWidget *parent = nullptr);
};
