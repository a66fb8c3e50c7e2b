// random_events.h: the seeded stream of player and timer events that the soak runs replay.
#pragma once

#include <cstdint>
#include <random>

namespace pebblix::soak {

enum class EventKind {
    Command,   // a click on Command1(index), 0..6
    Option,    // a click on Option1(index), 0 or 1, selected or not
    Tick,      // one tick of the playback timer, if it runs
    CellClick, // a click on cell Label2(index), 0..8, hidden or not
    RulesKey,  // key number `index` of the soak's key table, pressed in the rules text
};

struct Event {
    EventKind kind = EventKind::Tick;
    std::int16_t index = 0;
};

inline constexpr std::int16_t kRulesKeyCount = 16;

// The next event. While a playback runs, ticks come more than half the time so that playbacks
// reach their late rows, where a switch from four to three per side leaves the timer past the
// end of the smaller table. Only the engine's raw output is used: the standard distributions
// differ between library makers, and a seed must replay the same run everywhere.
inline Event NextEvent(std::mt19937& random, bool playing) {
    if (playing && random() % 100 < 55) {
        return {EventKind::Tick, 0};
    }
    const auto roll = static_cast<std::int16_t>(random() % 100);
    const auto pick = static_cast<std::int16_t>(random() % 144); // 144: divisible by 2, 4, 9, 16
    if (roll < 40) {
        return {EventKind::Command, static_cast<std::int16_t>(pick % 4)}; // the four moves
    }
    if (roll < 52) {
        return {EventKind::Command, 4}; // take back
    }
    if (roll < 58) {
        return {EventKind::Command, 5}; // restart
    }
    if (roll < 65) {
        return {EventKind::Command, 6}; // play the solution
    }
    if (roll < 75) {
        return {EventKind::Option, static_cast<std::int16_t>(pick % 2)};
    }
    if (roll < 87) {
        return {EventKind::CellClick, static_cast<std::int16_t>(pick % 9)};
    }
    return {EventKind::RulesKey, static_cast<std::int16_t>(pick % kRulesKeyCount)};
}

} // namespace pebblix::soak
