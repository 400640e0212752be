#include "orders/ui/TfBusca_Produtos.h"

#include "orders/LookupDescriptions.h"

TfBusca_Produtos::TfBusca_Produtos(AppContext &ctx, QWidget *parent) : LookupWindow(ctx, LookupDescriptions::produtos(), parent) {}
