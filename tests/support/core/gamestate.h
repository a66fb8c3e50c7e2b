// gamestate.h: all that the game shows or keeps, as one snapshot of the window.
//
// Tests that play the Qt window and the in-memory stand-in side by side compare these snapshots
// after every event; a failure prints both. This half reads any SharedWindow; the Qt window's
// reader is in qtwindow.h.
#pragma once

#include "puzzle.h"
#include "sharedwindow.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace pebblix::testing {

// Everything the game shows or keeps, as one side holds it.
struct GameState {
    std::array<std::string, 9> captions;
    std::array<bool, 9> visible{};
    std::array<Rgb, 9> colours{};
    std::array<bool, 2> options{};
    std::vector<std::string> history;
    int hintStep = 0;
    int lastCell = 0;
    bool timerRunning = false;
    bool operator==(const GameState&) const = default;

    // The position string of the cells in use: "1110222" at the start of three per side.
    std::string Board() const {
        std::string position;
        for (int i = 0; i <= lastCell; ++i) {
            position += captions.at(static_cast<std::size_t>(i));
        }
        return position;
    }
};

inline std::ostream& operator<<(std::ostream& out, const GameState& state) {
    out << "cells";
    for (std::size_t i = 0; i < state.captions.size(); ++i) {
        const Rgb c = state.colours[i];
        out << " [" << state.captions[i] << (state.visible[i] ? "" : " hidden") << ' ' << int{c.r}
            << ',' << int{c.g} << ',' << int{c.b} << ']';
    }
    out << "; option " << (state.options[0] ? "3" : "") << (state.options[1] ? "4" : "")
        << "; LastCell " << state.lastCell << "; HintStep " << state.hintStep << "; timer "
        << (state.timerRunning ? "on" : "off") << "; history";
    for (const std::string& row : state.history) {
        out << ' ' << row;
    }
    return out;
}

inline GameState Observe(const SharedWindow& model) {
    const Puzzle& puzzle = model.puzzle();
    GameState state;
    for (std::int16_t i = 0; i < 9; ++i) {
        state.captions.at(i) = model.cell(i).caption;
        state.visible.at(i) = model.cell(i).visible;
        state.colours.at(i) = model.cell(i).backColor;
    }
    state.options = {model.optionValue(0), model.optionValue(1)};
    state.history = model.list(0).Rows();
    state.hintStep = puzzle.HintStep;
    state.lastCell = puzzle.LastCell;
    state.timerRunning = model.timerEnabled();
    return state;
}

} // namespace pebblix::testing
