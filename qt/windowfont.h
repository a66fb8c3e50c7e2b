// windowfont.h: the fonts of the window, with stand-ins where Times New Roman is missing.
#pragma once

#include "description.h"

#include <QFont>

namespace pebblix {

// The font a control's description names. Where its face is missing, a metric-compatible serif with
// Cyrillic letters stands in (Liberation Serif), then any serif.
QFont WindowFont(const description::FontSpec& wanted);

} // namespace pebblix
