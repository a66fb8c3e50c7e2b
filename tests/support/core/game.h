// game.h: a game on the in-memory stand-in, with the helpers the tests of the game logic share.
#pragma once

#include "events.h"
#include "gamestate.h"
#include "puzzle.h"
#include "standin.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pebblix::testing {

// "1110222" for three per side, "111102222" for four; the swapped positions end the game.
inline std::string StartPosition(int perSide) {
    return std::string(perSide, '1') + '0' + std::string(perSide, '2');
}
inline std::string SwappedPosition(int perSide) {
    return std::string(perSide, '2') + '0' + std::string(perSide, '1');
}

// The colours a start or restart paints on the cells in use: light grey under the "1" group,
// green under the empty middle cell, dark grey under the "2" group.
inline std::vector<Rgb> StartColours(int lastCell) {
    std::vector<Rgb> colours(lastCell / 2, RgbColor(200, 200, 200));
    colours.push_back(RgbColor(0, 200, 0));
    colours.insert(colours.end(), lastCell / 2, RgbColor(100, 100, 100));
    return colours;
}

// The rows of a stored solution from row `from` on, after the given leading rows.
inline std::vector<std::string> Rows(std::span<const std::string_view> table, std::size_t from,
                                     std::initializer_list<std::string> leading = {}) {
    std::vector<std::string> rows(leading);
    rows.insert(rows.end(), table.begin() + static_cast<std::ptrdiff_t>(from), table.end());
    return rows;
}

// A game as the player finds it: the window created and loaded, then the script (events.h) played.
struct Game {
    StandIn window;
    Puzzle& puzzle = window.puzzle();

    explicit Game(std::string_view script = "") {
        window.Load();
        Play(script);
    }

    void Play(std::string_view script) {
        for (const Event& event : Events(script)) {
            Apply(window, event);
        }
    }

    // Writes a position onto cells 0 onwards, to start a case from any position.
    void Lay(std::string_view position) {
        for (std::size_t i = 0; i < position.size(); ++i) {
            window.Label2(static_cast<std::int16_t>(i)).SetCaption(position.substr(i, 1));
        }
    }

    std::string Board() const { return Observe(window).Board(); }

    const std::vector<std::string>& History() const { return window.list(0).Rows(); }

    std::vector<Rgb> ColoursInUse() const {
        std::vector<Rgb> colours;
        for (std::int16_t i = 0; i <= puzzle.LastCell; ++i) {
            colours.push_back(window.cell(i).backColor);
        }
        return colours;
    }

    // Ticks the playback timer for as long as it stays enabled.
    void PlayToEnd() {
        for (int ticks = 0; window.timerEnabled() && ticks < 100; ++ticks) {
            Apply(window, {EventKind::Tick});
        }
    }
};

} // namespace pebblix::testing
