#include "registers/ui/TfDadosEnt.h"

#include "registers/DeliveryPersonRegister.h"

TfDadosEnt::TfDadosEnt(AppContext &ctx, QWidget *parent)
    : RecordDataWindow(m_logic, DeliveryPersonRegister::data(), DeleteButton::Separate, parent),
      m_logic(ctx, DeliveryPersonRegister::data())
{
}
