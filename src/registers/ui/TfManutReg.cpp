#include "registers/ui/TfManutReg.h"

#include "registers/RegionRegister.h"
#include "registers/ui/TfDadosReg.h"

TfManutReg::TfManutReg(AppContext &ctx, TfDadosReg &data, QWidget *parent)
    : RegisterListWindow(std::make_unique<RecordListLogic>(ctx, RegionRegister::list()), data, parent)
{
}
