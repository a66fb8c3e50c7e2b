// memorywindow.cpp: the window's objects held in memory, set up from the window description.
#include "memorywindow.h"

#include "description.h"

namespace pebblix {

MemoryWindow::MemoryWindow() {
    using namespace description;
    for (const ControlSpec& control : kControls) {
        if (control.name == "Label2") {
            Cell& cell = cells_.at(control.index);
            cell.caption = control.text;
            cell.visible = control.visible;
            cell.backColor = control.backColor.value_or(Rgb{});
        } else if (control.name == "List1") {
            lists_.at(control.index) = MemoryList(ListRows(control.index));
        } else if (control.name == "Option1") {
            options_.at(control.index).value = control.selected;
        } else if (control.name == "Timer1") {
            timer_.enabled = control.enabled;
        }
    }
}

CellObject& MemoryWindow::Label2(std::int16_t index) {
    return cells_.at(index);
}
ListObject& MemoryWindow::List1(std::int16_t index) {
    return lists_.at(index);
}
OptionObject& MemoryWindow::Option1(std::int16_t index) {
    return options_.at(index);
}
TimerObject& MemoryWindow::Timer1() {
    return timer_;
}

bool MemoryWindow::SelectOption(std::int16_t index) {
    if (options_.at(index).value) {
        return false;
    }
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i].value = static_cast<std::int16_t>(i) == index;
    }
    return true;
}

} // namespace pebblix
