#pragma once

#include "core/RecordListLogic.h"

// The product list: filter "Ativos" / "Não Ativos" / "Todos", ordered by code
// or description, gated by "1.3.1".."1.3.4".
ListDescription productListDescription();

// The product grid's columns, shared by the list and the product lookup; only
// the lookup shows the observations (after the registration date).
std::vector<GridColumn> productGridColumns(bool withNotes);
