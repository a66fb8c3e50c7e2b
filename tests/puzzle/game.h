// game.h: a game on the in-memory window, with the helpers the puzzle tests share.
#pragma once

#include "memorywindow.h"
#include "puzzle.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pebblix::testing {

// The colours the start layout paints: the "1" group, the empty middle cell, the "2" group.
inline constexpr Rgb kLightGrey = RgbColor(200, 200, 200);
inline constexpr Rgb kGreen = RgbColor(0, 200, 0);
inline constexpr Rgb kDarkGrey = RgbColor(100, 100, 100);

// One cell as the window holds it.
struct CellView {
    std::string caption;
    bool visible = false;
    Rgb colour;
    bool operator==(const CellView&) const = default;
};

// "1110222" for three per side, "111102222" for four.
inline std::string StartPosition(int perSide) {
    return std::string(perSide, '1') + '0' + std::string(perSide, '2');
}
inline std::string SwappedPosition(int perSide) {
    return std::string(perSide, '2') + '0' + std::string(perSide, '1');
}

// The colours of the cells in use right after a start or restart.
inline std::vector<Rgb> StartColours(int lastCell) {
    const int perSide = lastCell / 2;
    std::vector<Rgb> colours(perSide, kLightGrey);
    colours.push_back(kGreen);
    colours.insert(colours.end(), perSide, kDarkGrey);
    return colours;
}

// The rows of a stored solution from row `from` on, after the given leading rows.
inline std::vector<std::string> Rows(std::span<const std::string_view> table, std::size_t from,
                                     std::initializer_list<std::string> leading = {}) {
    std::vector<std::string> rows(leading);
    rows.insert(rows.end(), table.begin() + static_cast<std::ptrdiff_t>(from), table.end());
    return rows;
}

// A game as the player finds it: the window created, Form_Load run, "4" picked when asked for.
struct Game {
    MemoryWindow window;
    Puzzle puzzle{window};

    explicit Game(bool four = false) {
        puzzle.Form_Load();
        if (four) {
            Choose(1);
        }
    }

    // The player clicks an option button; the window reports only a changed selection.
    void Choose(std::int16_t index) {
        if (window.SelectOption(index)) {
            puzzle.Option1_Click(index);
        }
    }

    // Clicks the command buttons named by the digits, e.g. "14" is "2 наляво" then "Ход назад".
    void Click(std::string_view buttons) {
        for (char button : buttons) {
            puzzle.Command1_Click(static_cast<std::int16_t>(button - '0'));
        }
    }

    // Writes a position onto cells 0 onwards, to start a case from any position.
    void Lay(std::string_view position) {
        for (std::size_t i = 0; i < position.size(); ++i) {
            window.Label2(static_cast<std::int16_t>(i)).SetCaption(position.substr(i, 1));
        }
    }

    // The position string of the cells in use.
    std::string Board() const {
        std::string position;
        for (std::int16_t i = 0; i <= puzzle.LastCell; ++i) {
            position += window.cell(i).caption;
        }
        return position;
    }

    const std::vector<std::string>& History() const { return window.list(0).Rows(); }

    std::vector<CellView> Cells() const {
        std::vector<CellView> cells;
        for (std::int16_t i = 0; i < 9; ++i) {
            cells.push_back({window.cell(i).caption, window.cell(i).visible, window.cell(i).backColor});
        }
        return cells;
    }

    std::vector<Rgb> ColoursInUse() const {
        std::vector<Rgb> colours;
        for (std::int16_t i = 0; i <= puzzle.LastCell; ++i) {
            colours.push_back(window.cell(i).backColor);
        }
        return colours;
    }

    // Ticks the playback timer for as long as it stays enabled; returns the number of ticks.
    int PlayToEnd() {
        int ticks = 0;
        while (window.timerEnabled() && ticks < 100) {
            puzzle.Timer1_Timer();
            ++ticks;
        }
        return ticks;
    }
};

} // namespace pebblix::testing
