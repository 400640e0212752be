#include "orders/ui/TfBuscaReg.h"

#include "orders/LookupDescriptions.h"

TfBuscaReg::TfBuscaReg(AppContext &ctx, QWidget *parent) : LookupWindow(ctx, LookupDescriptions::regioes(), parent) {}
