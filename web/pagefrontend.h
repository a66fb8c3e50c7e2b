// pagefrontend.h: the game's window as a web page, the page's front end to the window.
//
// The page's markup is written at build time (markupfrontend.h) and holds the whole window: in the
// browser, SharedWindow (window/sharedwindow.h) walks the description and this class takes the
// markup's elements over, brings the cells' elements up to date and runs the timer; page.js does
// the work in the page. The history and the two stored solutions, which the window never shows,
// are data in SharedWindow, as on the desktop.
#pragma once

#include "description.h"
#include "frontend.h"
#include "sharedwindow.h"

namespace pebblix {

class PageFrontEnd final : private FrontEnd {
public:
    // Takes the page's elements over.
    PageFrontEnd() { shared_.Build(); }
    PageFrontEnd(const PageFrontEnd&) = delete;
    PageFrontEnd& operator=(const PageFrontEnd&) = delete;

    // Start-up: lays out the first game, then gives the focus to the first stop.
    void Load();

    // The page's events (page.h), by the control's ordinal in the description.
    void Click(int ordinal) {
        shared_.Click(description::kControls.at(static_cast<std::size_t>(ordinal)));
    }
    void Tick() { shared_.Tick(); }

private:
    void MakeWindow(const description::WindowSpec&, std::string_view) override;
    // The markup holds every control's element, in its place, colour and font, with its text.
    void MakeControl(const description::ControlSpec&, const description::ControlSpec*,
                     std::string_view) override {}
    void SetTabOrder(std::span<const description::ControlSpec* const> stops) override;
    void ShowCaption(const description::ControlSpec& cell, std::string_view caption,
                     std::string_view spokenName) override;
    void ShowVisible(const description::ControlSpec& cell, bool visible) override;
    void ShowColour(const description::ControlSpec& cell, Rgb colour) override;
    void SetTimer(int intervalMs) override;

    // The ordinal of the control that takes the focus first.
    int firstStop_ = -1;
    SharedWindow shared_{*this};
};

} // namespace pebblix
