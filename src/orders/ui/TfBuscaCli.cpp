#include "orders/ui/TfBuscaCli.h"

#include "orders/LookupDescriptions.h"

TfBuscaCli::TfBuscaCli(AppContext &ctx, QWidget *parent) : LookupWindow(ctx, LookupDescriptions::clientes(), parent) {}
