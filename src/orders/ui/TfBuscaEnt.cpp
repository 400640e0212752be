#include "orders/ui/TfBuscaEnt.h"

#include "orders/LookupDescriptions.h"

TfBuscaEnt::TfBuscaEnt(AppContext &ctx, QWidget *parent) : LookupWindow(ctx, LookupDescriptions::entregadores(), parent) {}
