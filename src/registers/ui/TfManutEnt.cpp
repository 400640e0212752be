#include "registers/ui/TfManutEnt.h"

#include "registers/DeliveryPersonRegister.h"
#include "registers/ui/TfDadosEnt.h"

TfManutEnt::TfManutEnt(AppContext &ctx, TfDadosEnt &data, QWidget *parent)
    : RegisterListWindow(std::make_unique<RecordListLogic>(ctx, DeliveryPersonRegister::list()), data, parent)
{
}
