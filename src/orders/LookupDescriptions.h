#pragma once

#include "core/RecordListLogic.h"

// The four lookups of the program, one description each.
namespace LookupDescriptions {

ListDescription clientes();
ListDescription produtos();
ListDescription entregadores();
ListDescription regioes();

} // namespace LookupDescriptions
