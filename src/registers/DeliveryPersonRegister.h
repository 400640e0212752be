#pragma once

#include "core/RecordDescription.h"
#include "core/RecordListLogic.h"

// The delivery-person register: its data side and its list.
namespace DeliveryPersonRegister {
constexpr int kCodeWidth = 6;
const RecordDescription &data();
ListDescription list();
} // namespace DeliveryPersonRegister
