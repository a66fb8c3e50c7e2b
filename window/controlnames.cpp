// controlnames.cpp: the names of the window's controls: their ids, and what a screen reader calls
// the cells of the board.
#include "controlnames.h"

namespace pebblix::description {

std::string ControlId(const ControlSpec& control) {
    const std::string name(control.name);
    return control.index < 0 ? name : name + '_' + DecimalText(control.index);
}

std::string CellName(std::int16_t index, std::string_view caption) {
    const int piece = NumericValue(caption);
    return "Поле " + DecimalText(index + 1) + ": " +
           (piece == 1   ? "единица"
            : piece == 2 ? "двойка"
                         : "празно");
}

} // namespace pebblix::description
