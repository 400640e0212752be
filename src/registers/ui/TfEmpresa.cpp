#include "registers/ui/TfEmpresa.h"

TfEmpresa::TfEmpresa(AppContext &ctx, QWidget *parent)
    : RecordDataWindow(m_logic, CompanyLogic::description(), DeleteButton::None, parent), m_logic(ctx)
{
}

RecordSaveResult TfEmpresa::saveRecord()
{
    const RecordSaveResult result = m_logic.save();
    if (result.saved)
        emit companySaved(m_logic.header());
    return result;
}
