#pragma once

#include <QString>

struct AppContext;
class QWidget;

// The page ticket of an order (the report the default printer receives for
// printer type "3"), shown in the report preview.
namespace TfRel_Ped {

// Opens the modal preview of order `codPed`'s ticket; false (after a
// message) when the order cannot be read.
bool preview(AppContext &ctx, const QString &codPed, QWidget *parent = nullptr);

} // namespace TfRel_Ped
