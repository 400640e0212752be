#pragma once

#include "registers/ui/RegisterListWindow.h"

struct AppContext;
class TfDadosCli;

// The customer list ("Manutenção de Clientes").
class TfManut_Cli final : public RegisterListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfManut_Cli)
public:
    TfManut_Cli(AppContext &ctx, TfDadosCli &data, QWidget *parent = nullptr);

protected:
    void openData(Modo modo, const QString &code) override;

private:
    TfDadosCli &m_data;
};
