#pragma once

#include "registers/ui/RegisterListWindow.h"

struct AppContext;
class TfDadosPro;

// The product list ("Manutenção de Produtos").
class TfManutPro final : public RegisterListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfManutPro)
public:
    TfManutPro(AppContext &ctx, TfDadosPro &data, QWidget *parent = nullptr);
};
