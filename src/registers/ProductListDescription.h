#pragma once

#include "core/RecordListLogic.h"

// The product list: filter "Ativos" / "Não Ativos" / "Todos", ordered by code
// or description, gated by "1.3.1".."1.3.4".
ListDescription productListDescription();
