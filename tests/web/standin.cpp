// standin.cpp: the game on the in-memory stand-in, as a WebAssembly module for the browser tests.
//
// The browser tests run it under node beside the page: they feed it the events they give the
// page and compare what both show. It also hands them the window description as JSON, so no
// coordinate, colour or text is written down a second time in the tests. The functions are
// exported by name at link time (see CMakeLists.txt), so no Emscripten header is needed here.
#include "description.h"
#include "events.h"
#include "jsontext.h"
#include "memorywindow.h"

#include <memory>
#include <random>
#include <string>
#include <string_view>

namespace {

using namespace pebblix;
using testing::Apply;
using testing::EventKind;

std::unique_ptr<MemoryWindow> window;
std::mt19937 events; // the soak's stream of events, as the desktop soak draws it
std::string reply;   // the last JSON text handed out; valid until the next call

void Quote(std::string& out, std::string_view text) {
    AppendJsonText(out, text);
}

void Colour(std::string& out, Rgb c) {
    out += '[' + std::to_string(c.r) + ',' + std::to_string(c.g) + ',' + std::to_string(c.b) + ']';
}

void Bool(std::string& out, bool value) {
    out += value ? "true" : "false";
}

const char* KindName(description::ControlKind kind) {
    using description::ControlKind;
    switch (kind) {
    case ControlKind::Label:
        return "Label";
    case ControlKind::Frame:
        return "Frame";
    case ControlKind::OptionButton:
        return "OptionButton";
    case ControlKind::CommandButton:
        return "CommandButton";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::ListBox:
        return "ListBox";
    case ControlKind::Timer:
        return "Timer";
    }
    return "";
}

} // namespace

extern "C" {

// A fresh window, loaded as at start-up.
void standin_reset() {
    window = std::make_unique<MemoryWindow>();
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

// What the window shows and keeps: {cells: [{text, visible, colour}], options, timer, history,
// hintStep}.
const char* standin_state() {
    reply = "{\"cells\":[";
    for (std::int16_t i = 0; i < 9; ++i) {
        const MemoryWindow::Cell& cell = window->cell(i);
        reply += i ? ",{\"text\":" : "{\"text\":";
        Quote(reply, cell.caption);
        reply += ",\"visible\":";
        Bool(reply, cell.visible);
        reply += ",\"colour\":";
        Colour(reply, cell.backColor);
        reply += '}';
    }
    reply += "],\"options\":[";
    Bool(reply, window->optionValue(0));
    reply += ',';
    Bool(reply, window->optionValue(1));
    reply += "],\"timer\":";
    Bool(reply, window->timerEnabled());
    reply += ",\"history\":[";
    const auto& rows = window->list(0).Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        reply += i ? "," : "";
        Quote(reply, rows[i]);
    }
    reply += "],\"hintStep\":" + std::to_string(window->puzzle().HintStep) + '}';
    return reply.c_str();
}

// The window description: {form, controls: [...], solutions: [three, four]}.
const char* standin_description() {
    using namespace description;
    reply = "{\"form\":{\"name\":";
    Quote(reply, kForm.name);
    reply += ",\"title\":";
    Quote(reply, std::string(kForm.address) + std::string(kForm.caption));
    reply += ",\"width\":" + std::to_string(kForm.clientWidth) +
             ",\"height\":" + std::to_string(kForm.clientHeight) + ",\"backColor\":";
    Colour(reply, kForm.backColor);
    reply += ",\"twipsPerPixel\":" + std::to_string(kTwipsPerPixel) + "},\"controls\":[";
    bool first = true;
    for (const ControlSpec& c : kControls) {
        reply += first ? "{\"name\":" : ",{\"name\":";
        first = false;
        Quote(reply, c.name);
        reply += ",\"index\":" + std::to_string(c.index) + ",\"kind\":";
        Quote(reply, KindName(c.kind));
        reply += ",\"container\":";
        Quote(reply, c.container);
        reply += ",\"rect\":[" + std::to_string(c.rect.left) + ',' + std::to_string(c.rect.top) +
                 ',' + std::to_string(c.rect.width) + ',' + std::to_string(c.rect.height) +
                 "],\"backColor\":";
        if (c.backColor) {
            Colour(reply, *c.backColor);
        } else {
            reply += "null";
        }
        reply += ",\"text\":";
        Quote(reply, c.text);
        reply += ",\"fontPoints\":" + std::to_string(c.font->points) +
                 ",\"tabIndex\":" + std::to_string(c.tabIndex) + ",\"visible\":";
        Bool(reply, c.visible);
        reply += ",\"selected\":";
        Bool(reply, c.selected);
        reply += ",\"readOnly\":";
        Bool(reply, c.readOnly);
        reply += ",\"intervalMs\":" + std::to_string(c.intervalMs) + '}';
    }
    reply += "],\"solutions\":[";
    for (std::int16_t list = 1; list <= 2; ++list) {
        reply += list == 1 ? "[" : ",[";
        bool firstRow = true;
        for (const std::string_view row : ListRows(list)) {
            reply += firstRow ? "" : ",";
            firstRow = false;
            Quote(reply, row);
        }
        reply += ']';
    }
    reply += "]}";
    return reply.c_str();
}

} // extern "C"
