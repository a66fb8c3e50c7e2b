// pagewindow.cpp: the game's window as a web page, built from its description and bound to the
// puzzle.
#include "pagewindow.h"

#include "description.h"
#include "dom.h"

#include <climits>

namespace pebblix {

namespace {

using namespace description;

std::string ElementId(const ControlSpec& control) {
    std::string id(control.name);
    if (control.index >= 0) {
        id += '_';
        id += DecimalText(control.index);
    }
    return id;
}

} // namespace

PageWindow::PageWindow() {
    dom::SetUpWindow(kForm);
    int firstTab = INT_MAX;
    for (const ControlSpec& control : kControls) {
        const std::string id = ElementId(control);
        if (control.kind == ControlKind::ListBox) {
            // All of the window's lists are hidden: they hold the history and the solutions.
            lists_.at(control.index) = MemoryList(ListRows(control.index));
            continue;
        }
        if (control.kind == ControlKind::Timer) {
            timer_.SetInterval(control.intervalMs);
            timer_.SetEnabled(control.enabled);
            continue;
        }
        if (!control.visible) {
            continue; // the quotation: kept in the description, never shown
        }
        dom::Element element = dom::Element::Label;
        std::string spoken;
        switch (control.kind) {
        case ControlKind::Label:
            if (control.name == "Label2") {
                element = dom::Element::Cell;
                spoken = CellName(control.index, control.text);
                cells_.at(control.index)
                    .Start(control.index, control.text, control.visible,
                           control.backColor.value_or(Rgb{}));
            }
            break;
        case ControlKind::Frame:
            element = dom::Element::Frame;
            break;
        case ControlKind::OptionButton:
            element = dom::Element::Option;
            break;
        case ControlKind::CommandButton:
            element = dom::Element::Button;
            break;
        case ControlKind::TextBox:
            element = dom::Element::Text;
            if (control.index == 0) {
                spoken = kRulesName;
            }
            break;
        default:
            continue;
        }
        dom::Create(element, control, id, spoken);
        const bool focusable = element == dom::Element::Option || element == dom::Element::Button ||
                               element == dom::Element::Text;
        if (focusable && control.tabIndex >= 0 && control.tabIndex < firstTab) {
            firstTab = control.tabIndex;
            firstStop_ = id;
        }
    }
}

void PageWindow::Form_Load() {
    Handle([this] { puzzle_.Form_Load(); });
    dom::Show(firstStop_);
}

void PageWindow::Command1_Click(std::int16_t index) {
    Handle([this, index] { puzzle_.Command1_Click(index); });
}

void PageWindow::Option1_Click(std::int16_t index) {
    Handle([this, index] { puzzle_.Option1_Click(index); });
}

void PageWindow::Timer1_Timer() {
    Handle([this] { puzzle_.Timer1_Timer(); });
}

template <typename Handler> void PageWindow::Handle(Handler handler) {
    handler();
    for (Cell& cell : cells_) {
        cell.Update();
    }
}

CellObject& PageWindow::Label2(std::int16_t index) {
    return cells_.at(index);
}
ListObject& PageWindow::List1(std::int16_t index) {
    return lists_.at(index);
}
OptionObject& PageWindow::Option1(std::int16_t index) {
    return options_.at(index);
}
TimerObject& PageWindow::Timer1() {
    return timer_;
}

void PageWindow::Cell::Start(std::int16_t index, std::string_view caption, bool visible,
                             Rgb colour) {
    index_ = index;
    caption_ = shownCaption_ = caption;
    visible_ = shownVisible_ = visible;
    colour_ = shownColour_ = colour;
}

void PageWindow::Cell::Update() {
    if (caption_ != shownCaption_) {
        shownCaption_ = caption_;
        dom::SetCell(index_, caption_, CellName(index_, caption_));
    }
    if (visible_ != shownVisible_) {
        shownVisible_ = visible_;
        dom::SetCellVisible(index_, visible_);
    }
    if (colour_ != shownColour_) {
        shownColour_ = colour_;
        dom::SetCellColour(index_, colour_);
    }
}

bool PageWindow::Option::Value() const {
    return dom::OptionSelected(index_);
}

void PageWindow::Timer::SetEnabled(bool enabled) {
    dom::SetTimer(enabled ? intervalMs_ : 0);
}

} // namespace pebblix
