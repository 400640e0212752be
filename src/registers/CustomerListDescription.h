#pragma once

#include "core/RecordListLogic.h"

// The customer list: 17 columns in the table's order, ordered by code or
// name, gated by "1.1.1".."1.1.4".
ListDescription customerListDescription();
