#pragma once

#include "core/RecordListLogic.h"

// Grid column formats shared by the register lists and the lookups.
namespace ColumnFormats {

GridColumn text(const QString &column, const QString &title);
// Dates as dd/MM/yyyy.
GridColumn date(const QString &column, const QString &title);
// Currency with 2 decimals: "R$ 1.234,56".
GridColumn money(const QString &column, const QString &title);
// A number with thousands separator and `decimals` decimals ("#,##0.000" for 3).
GridColumn number(const QString &column, const QString &title, int decimals);

} // namespace ColumnFormats
