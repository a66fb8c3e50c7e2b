// pagewindow.h: the game's window as a web page, built from its description and bound to the
// puzzle.
//
// The page's elements are the puzzle's board: the cells' captions, visibility and colours and the
// option group's selection live in the DOM, where the player sees them. The history and the two
// stored solutions, which the window never shows, are data here, as in the desktop window. Clicks
// on the seven command buttons, a change of variant and the timer's ticks go to the puzzle;
// nothing else the player does changes anything.
#pragma once

#include "memorylist.h"
#include "puzzle.h"
#include "windowobjects.h"

#include <array>
#include <string>

namespace pebblix {

class PageWindow final : public WindowObjects {
public:
    // Builds every visible control of the description, still hidden from the player.
    PageWindow();
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    // Start-up: lays out the first game, then shows the page with the focus in the rules text.
    void Form_Load();

    // The page's events.
    void Command1_Click(std::int16_t index);
    // Only on a change of selection; the newly selected button is already checked.
    void Option1_Click(std::int16_t index);
    void Timer1_Timer();

    CellObject& Label2(std::int16_t index) override;
    ListObject& List1(std::int16_t index) override;
    OptionObject& Option1(std::int16_t index) override;
    TimerObject& Timer1() override;

private:
    // A cell keeps what the puzzle last wrote and brings its element up to date once the running
    // handler has returned: a restart hides every cell and shows again those in use, which need
    // not touch the page at all.
    class Cell final : public CellObject {
    public:
        void Start(std::int16_t index, std::string_view caption, bool visible, Rgb colour);
        std::string Caption() const override { return caption_; }
        void SetCaption(std::string_view text) override { caption_ = text; }
        void SetVisible(bool visible) override { visible_ = visible; }
        void SetBackColor(Rgb colour) override { colour_ = colour; }
        void Update();

    private:
        std::int16_t index_ = 0;
        std::string caption_, shownCaption_;
        bool visible_ = true, shownVisible_ = true;
        Rgb colour_, shownColour_;
    };

    class Option final : public OptionObject {
    public:
        explicit Option(std::int16_t index) : index_(index) {}
        bool Value() const override;

    private:
        std::int16_t index_;
    };

    class Timer final : public TimerObject {
    public:
        void SetInterval(int intervalMs) { intervalMs_ = intervalMs; }
        void SetEnabled(bool enabled) override;

    private:
        int intervalMs_ = 0;
    };

    // Runs one of the puzzle's handlers, then brings the cells' elements up to date.
    template <typename Handler> void Handle(Handler handler);

    Puzzle puzzle_{*this};
    std::array<Cell, 9> cells_;
    std::array<MemoryList, 3> lists_;
    std::array<Option, 2> options_{Option(0), Option(1)};
    Timer timer_;
    // The id of the first control in the keyboard order, where the focus starts.
    std::string firstStop_;
};

} // namespace pebblix
