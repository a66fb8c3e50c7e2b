// controlnames.cpp: the names of the window's controls: their ids, and what a screen reader calls
// the cells of the board.
#include "controlnames.h"

namespace pebblix::description {

std::string ControlId(const ControlSpec& control) {
    std::string id(control.name);
    if (control.index >= 0) {
        id += '_';
        id += DecimalText(control.index);
    }
    return id;
}

std::string CellName(std::int16_t index, std::string_view caption) {
    std::string_view piece;
    switch (NumericValue(caption)) {
    case 1:
        piece = "единица";
        break;
    case 2:
        piece = "двойка";
        break;
    default:
        piece = "празно";
        break;
    }
    std::string name = "Поле ";
    name += DecimalText(index + 1);
    name += ": ";
    name += piece;
    return name;
}

} // namespace pebblix::description
