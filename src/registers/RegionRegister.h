#pragma once

#include "core/RecordDescription.h"
#include "core/RecordListLogic.h"

// The delivery-region register: its data side and its list.
namespace RegionRegister {
constexpr int kCodeWidth = 6;
const RecordDescription &data();
ListDescription list();
} // namespace RegionRegister
