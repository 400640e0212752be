#include "registers/ui/TfDadosReg.h"

#include "registers/RegionRegister.h"

TfDadosReg::TfDadosReg(AppContext &ctx, QWidget *parent)
    : RecordDataWindow(m_logic, RegionRegister::data(), DeleteButton::Separate, parent),
      m_logic(ctx, RegionRegister::data())
{
}
