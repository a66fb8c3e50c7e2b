// sharedwindow.cpp: the game's window as every front end has it, built on the puzzle.
#include "sharedwindow.h"

#include "controlnames.h"

#include <algorithm>
#include <vector>

namespace pebblix {

using namespace description;

namespace {

// The kinds of control that take the keyboard focus; labels and frames take none.
bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
           kind == ControlKind::OptionButton;
}

} // namespace

std::string SharedWindow::Title() {
    return std::string(kWindow.address) + std::string(kWindow.caption);
}

void SharedWindow::Build() {
    frontEnd_.MakeWindow(kWindow, Title());
    std::vector<const ControlSpec*> stops;
    for (const ControlSpec& control : kControls) {
        const auto index = static_cast<std::size_t>(std::max<std::int16_t>(control.index, 0));
        switch (control.kind) {
        case ControlKind::ListBox:
            // All of the window's lists are hidden: they hold the history and the solutions.
            lists_.at(index) = MemoryList(ListRows(control.index));
            continue;
        case ControlKind::Timer:
            timer_.intervalMs = control.intervalMs;
            timer_.enabled = control.enabled;
            continue;
        case ControlKind::OptionButton:
            options_.at(index).value = control.selected;
            break;
        default:
            break;
        }
        if (!control.visible) {
            continue; // the quotation: kept in the description, never shown
        }
        std::string spokenName;
        if (IsCell(control)) {
            Cell& cell = cells_.at(index);
            cell.caption = control.text;
            cell.visible = control.visible;
            cell.backColor = control.backColor.value_or(Rgb{});
            shown_.at(index) = cell;
            cellSpecs_.at(index) = &control;
            spokenName = CellName(control.index, control.text);
        } else if (IsRules(control)) {
            spokenName = kRulesName;
        }
        frontEnd_.MakeControl(control, Container(control), spokenName);
        if (TakesFocus(control.kind) && control.tabIndex >= 0) {
            // Kept in ascending tab order as they come.
            const auto later = std::find_if(stops.begin(), stops.end(), [&](const ControlSpec* s) {
                return s->tabIndex > control.tabIndex;
            });
            stops.insert(later, &control);
        }
    }
    frontEnd_.SetTabOrder(stops);
}

void SharedWindow::Load() {
    Handle([this] { puzzle_.Form_Load(); });
}

void SharedWindow::Click(const ControlSpec& control) {
    if (control.kind == ControlKind::CommandButton) {
        ClickCommand(control.index);
    } else if (control.kind == ControlKind::OptionButton) {
        ClickOption(control.index);
    }
}

void SharedWindow::ClickCommand(std::int16_t index) {
    Handle([this, index] { puzzle_.Command1_Click(index); });
}

// The option buttons form one group: the clicked one becomes the selected one, and the puzzle
// hears of the choice only when that changes the selection.
void SharedWindow::ClickOption(std::int16_t index) {
    if (options_.at(index).value) {
        return;
    }
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i].value = static_cast<std::int16_t>(i) == index;
    }
    Handle([this, index] { puzzle_.Option1_Click(index); });
}

// A tick the front end delivers after the timer stopped (one already on its way) is dropped.
void SharedWindow::Tick() {
    if (timer_.enabled) {
        Handle([this] { puzzle_.Timer1_Timer(); });
    }
}

template <typename Handler> void SharedWindow::Handle(Handler handler) {
    handler();
    ShowChangedCells();
}

// A restart hides every cell and then shows again those in use: what the player sees of a cell
// changes only if its last state differs from what is shown, so most cells are not touched.
void SharedWindow::ShowChangedCells() {
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const Cell& cell = cells_[i];
        Cell& shown = shown_[i];
        const ControlSpec& described = *cellSpecs_[i];
        if (cell.caption != shown.caption) {
            shown.caption = cell.caption;
            frontEnd_.ShowCaption(described, cell.caption,
                                  CellName(static_cast<std::int16_t>(i), cell.caption));
        }
        if (cell.visible != shown.visible) {
            shown.visible = cell.visible;
            frontEnd_.ShowVisible(described, cell.visible);
        }
        if (cell.backColor != shown.backColor) {
            shown.backColor = cell.backColor;
            frontEnd_.ShowColour(described, cell.backColor);
        }
    }
}

} // namespace pebblix
