// events.h: the player's and the timer's events, as a seeded random stream or a script, and their
// dispatch to the in-memory stand-in.
#pragma once

#include "sharedwindow.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>
#include <string_view>
#include <vector>

namespace pebblix::testing {

// The web tests number the kinds as listed here: keep the order.
enum class EventKind {
    Command,   // a click on Command1(index), 0..6
    Option,    // a click on Option1(index), 0 or 1, selected or not
    Tick,      // one tick of the playback timer, which does nothing while it is stopped
    CellClick, // a click on cell Label2(index), 0..8, hidden or not
    RulesKey,  // key number `index` of the soak's key table, pressed in the rules text
};

struct Event {
    EventKind kind = EventKind::Tick;
    std::int16_t index = 0;
};

inline std::ostream& operator<<(std::ostream& out, const Event& event) {
    static constexpr const char* kNames[] = {"command", "option", "tick", "cell", "key"};
    out << kNames[static_cast<int>(event.kind)];
    return event.kind == EventKind::Tick ? out : out << ' ' << event.index;
}

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

// What the player does, a character an event: a digit clicks that command button (0-3 the moves,
// 4 "Ход назад", 5 "Чисти", 6 "Подскажи"), "T" and "F" pick three and four pieces per side, and
// "." is one tick of the timer, which does nothing while the timer is stopped. Spaces only group
// the events for the reader. Any other character is a mistake in the test and stops the program.
inline std::vector<Event> Events(std::string_view script) {
    std::vector<Event> events;
    for (const char c : script) {
        if (c >= '0' && c <= '6') {
            events.push_back({EventKind::Command, static_cast<std::int16_t>(c - '0')});
        } else if (c == 'T' || c == 'F') {
            events.push_back({EventKind::Option, static_cast<std::int16_t>(c == 'F')});
        } else if (c == '.') {
            events.push_back({EventKind::Tick, 0});
        } else if (c != ' ') {
            std::fprintf(stderr, "no event is written '%c' (in \"%.*s\")\n", c,
                         static_cast<int>(script.size()), script.data());
            std::abort();
        }
    }
    return events;
}

// An event on the stand-in, or on any window driven through SharedWindow's events; clicks on cells
// and keys in the rules text reach nothing there.
inline void Apply(SharedWindow& window, const Event& event) {
    switch (event.kind) {
    case EventKind::Command:
        window.ClickCommand(event.index);
        break;
    case EventKind::Option:
        window.ClickOption(event.index);
        break;
    case EventKind::Tick:
        window.Tick();
        break;
    case EventKind::CellClick:
    case EventKind::RulesKey:
        break;
    }
}

} // namespace pebblix::testing
