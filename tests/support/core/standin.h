// standin.h: the game's window held in memory, for running the puzzle without a toolkit.
//
// The simplest front end, built in every tree: it makes no controls and draws nothing, so the
// window is what SharedWindow keeps. It starts as the description has it: nine visible cells with
// the four-per-side layout, an empty history, the two stored solutions, "3" selected and the timer
// disabled. Tests read it back through SharedWindow's accessors and drive it through its events.
#pragma once

#include "frontend.h"
#include "sharedwindow.h"

namespace pebblix {

// The front end comes first among the bases, so that it exists before SharedWindow takes it.
class StandIn final : private FrontEnd, public SharedWindow {
public:
    StandIn() : SharedWindow(static_cast<FrontEnd&>(*this)) { Build(); }

private:
    void MakeWindow(const description::WindowSpec&, std::string_view) override {}
    void MakeControl(const description::ControlSpec&, const description::ControlSpec*,
                     std::string_view) override {}
    void SetTabOrder(std::span<const description::ControlSpec* const>) override {}
    void ShowCaption(const description::ControlSpec&, std::string_view, std::string_view) override {
    }
    void ShowVisible(const description::ControlSpec&, bool) override {}
    void ShowColour(const description::ControlSpec&, Rgb) override {}
    void SetTimer(int) override {}
};

} // namespace pebblix
