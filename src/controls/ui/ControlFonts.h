#pragma once

#include <QFont>

// The fonts of the control family: a fixed-width face for entry fields and a
// bold sans-serif face for labels, buttons and choices.
namespace ControlFonts {

// Courier New 10 pt, or a common fixed-width face at 10 pt when that face is
// missing or substituted by a proportional one.
QFont entry();
// Arial (or the toolkit's sans-serif face), bold, at `pointSize`.
QFont bold(int pointSize);

} // namespace ControlFonts
