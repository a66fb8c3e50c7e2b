// memorywindow.h: the window's objects held in memory, for running the puzzle without a toolkit.
//
// It starts as the window description has it: nine visible cells with the four-per-side layout,
// an empty history, the two stored solutions, "3" selected and the timer disabled. Besides the
// operations the puzzle uses, it lets a test read everything back and select an option button.
#pragma once

#include "memorylist.h"
#include "windowobjects.h"

#include <array>
#include <string>

namespace pebblix {

class MemoryWindow final : public WindowObjects {
public:
    struct Cell final : CellObject {
        std::string caption;
        bool visible = true;
        Rgb backColor;

        std::string Caption() const override { return caption; }
        void SetCaption(std::string_view text) override { caption = text; }
        void SetVisible(bool value) override { visible = value; }
        void SetBackColor(Rgb colour) override { backColor = colour; }
    };

    struct Option final : OptionObject {
        bool value = false;
        bool Value() const override { return value; }
    };

    struct Timer final : TimerObject {
        bool enabled = false;
        void SetEnabled(bool value) override { enabled = value; }
    };

    MemoryWindow();

    CellObject& Label2(std::int16_t index) override;
    ListObject& List1(std::int16_t index) override;
    OptionObject& Option1(std::int16_t index) override;
    TimerObject& Timer1() override;

    // Selects one option button and clears the other, as the option group does. Returns whether
    // the selection changed (only then does the window report the choice to the puzzle).
    bool SelectOption(std::int16_t index);

    const Cell& cell(std::int16_t index) const { return cells_.at(index); }
    const MemoryList& list(std::int16_t index) const { return lists_.at(index); }
    bool optionValue(std::int16_t index) const { return options_.at(index).value; }
    bool timerEnabled() const { return timer_.enabled; }

private:
    std::array<Cell, 9> cells_;
    std::array<MemoryList, 3> lists_;
    std::array<Option, 2> options_;
    Timer timer_;
};

} // namespace pebblix
