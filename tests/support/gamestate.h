// gamestate.h: all that the game shows or keeps, read alike from the real window and the stand-in.
//
// Tests that play the window and the in-memory stand-in side by side compare these snapshots after
// every event; a failure prints both.
#pragma once

#include "celllabel.h"
#include "inf_igra_pebblix.h"
#include "memorywindow.h"
#include "optionbutton.h"
#include "puzzle.h"

#include <QTimer>

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

inline GameState Observe(const Inf_Igra_Pebblix& window) {
    GameState state;
    for (std::int16_t i = 0; i < 9; ++i) {
        const CellLabel* cell = window.cell(i);
        const QColor colour = cell->backColor();
        state.captions.at(i) = cell->text().toStdString();
        state.visible.at(i) = !cell->isHidden();
        state.colours.at(i) = RgbColor(colour.red(), colour.green(), colour.blue());
    }
    state.options = {window.option(0)->isChecked(), window.option(1)->isChecked()};
    state.history = window.list(0).Rows();
    state.hintStep = window.puzzle().HintStep;
    state.lastCell = window.puzzle().LastCell;
    state.timerRunning = window.timer()->isActive();
    return state;
}

inline GameState Observe(const Window& model) {
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
