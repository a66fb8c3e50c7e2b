// standin.cpp: the game on the in-memory stand-in, as a WebAssembly module for the browser tests.
//
// The browser tests run it under node beside the page: they feed it the events they give the
// page and compare what both show. The functions are exported by name at link time (see
// CMakeLists.txt), so no Emscripten header is needed here.
#include "standin.h"
#include "events.h"
#include "jsontext.h"

#include <memory>
#include <random>
#include <string>

namespace {

using namespace pebblix;
using testing::Apply;
using testing::EventKind;

std::unique_ptr<StandIn> window;
std::mt19937 events; // the soak's stream of events, as the desktop soak draws it
std::string reply;   // the last JSON text handed out; valid until the next call

std::string Colour(Rgb c) {
    return '[' + DecimalText(c.r) + ',' + DecimalText(c.g) + ',' + DecimalText(c.b) + ']';
}

std::string Flag(bool value) {
    return value ? "true" : "false";
}

} // namespace

extern "C" {

// A fresh window, loaded as at start-up.
void standin_reset() {
    window = std::make_unique<StandIn>();
    window->Load();
}

void standin_command(int index) {
    Apply(*window, {EventKind::Command, static_cast<std::int16_t>(index)});
}

// A click on an option button: the game hears of it only when the selection changes.
void standin_option(int index) {
    Apply(*window, {EventKind::Option, static_cast<std::int16_t>(index)});
}

// One interval of the timer: a tick only while it is enabled.
void standin_tick() {
    Apply(*window, {EventKind::Tick});
}

// Starts the soak's stream of random events afresh.
void standin_seed(unsigned seed) {
    events.seed(seed);
}

// The stream's next event, as kind * 100 + index: kinds numbered as testing::EventKind (0 a
// command button, 1 an option button, 2 a tick, 3 a click on a cell, 4 a key in the rules text).
int standin_next_event() {
    const testing::Event event = testing::NextEvent(events, window->timerEnabled());
    return static_cast<int>(event.kind) * 100 + event.index;
}

// What the window shows: {cells: [{text, visible, colour}], options, timer}, as the browser tests
// read the page.
const char* standin_state() {
    std::string cells = "[";
    for (std::int16_t i = 0; i < 9; ++i) {
        const StandIn::Cell& cell = window->cell(i);
        cells += i ? "," : "";
        cells += JsonObject()
                     .Text("text", cell.caption)
                     .Flag("visible", cell.visible)
                     .Raw("colour", Colour(cell.backColor))
                     .Close();
    }
    reply = JsonObject()
                .Raw("cells", cells + ']')
                .Raw("options",
                     '[' + Flag(window->optionValue(0)) + ',' + Flag(window->optionValue(1)) + ']')
                .Flag("timer", window->timerEnabled())
                .Close();
    return reply.c_str();
}

} // extern "C"
