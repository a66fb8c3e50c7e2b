// sharedwindow.h: the game's window as every front end has it, built on the puzzle.
//
// SharedWindow holds what the puzzle reads and writes: the nine cells as the puzzle last wrote
// them, the history and the two stored solutions, the option group's selection and the timer's
// state. It builds the window from the description through its front end (frontend.h), runs the
// puzzle's handlers on the front end's events, and afterwards hands the front end the cells that
// changed. Nothing of a toolkit is here.
#pragma once

#include "description.h"
#include "frontend.h"
#include "memorylist.h"
#include "puzzle.h"
#include "windowobjects.h"

#include <array>
#include <string>

namespace pebblix {

class SharedWindow : public WindowObjects {
public:
    // A cell as the puzzle last wrote it.
    struct Cell final : CellObject {
        std::string caption;
        bool visible = true;
        Rgb backColor;

        std::string Caption() const override { return caption; }
        void SetCaption(std::string_view text) override { caption = text; }
        void SetVisible(bool value) override { visible = value; }
        void SetBackColor(Rgb colour) override { backColor = colour; }
    };

    // Makes nothing yet: the front end calls Build once it can take the calls.
    explicit SharedWindow(FrontEnd& frontEnd) : frontEnd_(frontEnd) {}
    SharedWindow(const SharedWindow&) = delete;
    SharedWindow& operator=(const SharedWindow&) = delete;

    // Walks the description once: makes the window and every shown control through the front end,
    // keeps the lists and the timer as data, and sets the keyboard order.
    void Build();

    // The window's events, each run to its end before the cells are shown.

    // Start-up, before the window is first shown: lays out the first game.
    void Load();
    // A click on a command button runs Command1_Click with its index. A click on an option button
    // selects it and runs Option1_Click, but only when the selection changes. Other controls do
    // nothing.
    void Click(const description::ControlSpec& control);
    // The same by index, for drivers that think in buttons rather than controls.
    void ClickCommand(std::int16_t index);
    void ClickOption(std::int16_t index);
    // One tick of the timer runs Timer1_Timer while the timer is enabled; a tick that comes while
    // it is disabled does nothing.
    void Tick();

    // The title bar's text: the maker's address, then the window's caption.
    static std::string Title();

    CellObject& Label2(std::int16_t index) override { return cells_.at(index); }
    ListObject& List1(std::int16_t index) override { return lists_.at(index); }
    OptionObject& Option1(std::int16_t index) override { return options_.at(index); }
    TimerObject& Timer1() override { return timer_; }

    // For tests and tools: what the puzzle keeps, read-only in spirit.
    Puzzle& puzzle() { return puzzle_; }
    const Puzzle& puzzle() const { return puzzle_; }
    const Cell& cell(std::int16_t index) const { return cells_.at(index); }
    const MemoryList& list(std::int16_t index) const { return lists_.at(index); }
    bool optionValue(std::int16_t index) const { return options_.at(index).value; }
    bool timerEnabled() const { return timer_.enabled; }

private:
    struct Option final : OptionObject {
        bool value = false;
        bool Value() const override { return value; }
    };

    struct Timer final : TimerObject {
        explicit Timer(FrontEnd& frontEnd) : frontEnd(frontEnd) {}
        void SetEnabled(bool value) override {
            enabled = value;
            frontEnd.SetTimer(value ? intervalMs : 0);
        }
        FrontEnd& frontEnd;
        int intervalMs = 0;
        bool enabled = false;
    };

    // Runs one of the puzzle's handlers, then shows what it changed of the cells.
    template <typename Handler> void Handle(Handler handler);
    void ShowChangedCells();

    FrontEnd& frontEnd_;
    Puzzle puzzle_{*this};
    std::array<Cell, 9> cells_;
    // What the front end shows of each cell, as of the last handler.
    std::array<Cell, 9> shown_;
    std::array<const description::ControlSpec*, 9> cellSpecs_{};
    std::array<MemoryList, 3> lists_;
    std::array<Option, 2> options_;
    Timer timer_{frontEnd_};
};

} // namespace pebblix
