// standin.h: the game's window held in memory, for running the puzzle without a toolkit.
//
// The simplest front end: it makes no controls and draws nothing, so the window is what Form
// keeps. It starts as the description has it: nine visible cells with the four-per-side layout,
// an empty history, the two stored solutions, "3" selected and the timer disabled. Tests read it
// back through Form's accessors and drive it through its events.
#pragma once

#include "form.h"
#include "frontend.h"

namespace pebblix {

// The front end comes first among the bases, so that it exists before Form takes it.
class StandIn final : private FrontEnd, public Form {
public:
    StandIn() : Form(static_cast<FrontEnd&>(*this)) { Build(); }

private:
    void MakeForm(const description::FormSpec&, std::string_view) override {}
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
