// frontend.h: all that a front end provides to show the game's window.
//
// The window's common duties live in SharedWindow (sharedwindow.h): the puzzle and its lists, the
// one walk over the description, the rule that an option click counts only when the selection
// changes and that a tick while the timer is stopped does nothing, showing the changed cells once a
// handler has returned, the title and the keyboard order. A front end (the Qt window, the Windows
// window, the page and its markup writer, the tests' in-memory stand-in) only makes controls,
// draws cells, runs the timer, and binds its event loop to SharedWindow's three events:
// Click(control) for a command or an option button, Tick() for the timer and Load() at start-up.
//
// A control is named by its entry of the description (description::kControls) throughout; a front
// end finds its own object for one by description::Ordinal(control).
#pragma once

#include "description.h"
#include "windowobjects.h"

#include <span>
#include <string_view>

namespace pebblix {

class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // The window itself, first of all: its client area with the window's size, colour and font,
    // and its title.
    virtual void MakeWindow(const description::WindowSpec& settings, std::string_view title) = 0;

    // One shown control of the description, inside `container` (nullptr: the client area), which
    // was made before it. It shows the description's caption, colours and font. `spokenName` is
    // what a screen reader calls it where its text does not say (a cell, the rules text), else
    // empty. A command button and an option button report their clicks to SharedWindow::Click; an
    // option button only when it becomes selected, or on every click: SharedWindow ignores the
    // rest. Never called for the lists, the hidden text box and the timer, which SharedWindow keeps
    // as data.
    virtual void MakeControl(const description::ControlSpec& control,
                             const description::ControlSpec* container,
                             std::string_view spokenName) = 0;

    // The keyboard order: the controls that take the focus, in ascending tab order. The first
    // takes the focus when the window opens.
    virtual void SetTabOrder(std::span<const description::ControlSpec* const> stops) = 0;

    // A cell's new caption with its new spoken name, its visibility, its colour. Called once the
    // running handler has returned, and only for what changed.
    virtual void ShowCaption(const description::ControlSpec& cell, std::string_view caption,
                             std::string_view spokenName) = 0;
    virtual void ShowVisible(const description::ControlSpec& cell, bool visible) = 0;
    virtual void ShowColour(const description::ControlSpec& cell, Rgb colour) = 0;

    // Starts the timer ticking every `intervalMs` from now, dropping any interval under way, so
    // that a restarted playback shows its first row a whole interval later; 0 stops it. Each
    // tick goes to SharedWindow::Tick.
    virtual void SetTimer(int intervalMs) = 0;
};

} // namespace pebblix
