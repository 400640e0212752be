#pragma once

#include "core/ui/RecordDataWindow.h"
#include "registers/CompanyLogic.h"

// The company data window ("Dados da Empresa").
class TfEmpresa final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfEmpresa)
public:
    explicit TfEmpresa(AppContext &ctx, QWidget *parent = nullptr);
    CompanyLogic &logic() { return m_logic; }

signals:
    // The company data were saved: the main window's header follows.
    void companySaved(const CompanyHeader &header);

protected:
    RecordSaveResult saveRecord() override;

private:
    CompanyLogic m_logic;
};
