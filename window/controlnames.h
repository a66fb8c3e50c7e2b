// controlnames.h: the names of the window's controls: the ids that front ends and tests know them
// by, and what a screen reader calls the controls whose text does not say.
#pragma once

#include "description.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pebblix::description {

// A control's name as the window's objects and the page's elements carry it: "Command1_3" for a
// member of a control array, "Frame1" for a control of its own.
std::string ControlId(const ControlSpec& control);

// What a screen reader calls the rules text box, which has no caption of its own.
inline constexpr std::string_view kRulesName = "Правила на играта";

// What a screen reader calls a cell: its place on the board counted from 1, and its piece by the
// caption's numeric value ("Поле 5: празно" for the empty cell, "единица" and "двойка" for the
// pieces). Every front end names the cells so and renames them as the pieces move.
std::string CellName(std::int16_t index, std::string_view caption);

} // namespace pebblix::description
