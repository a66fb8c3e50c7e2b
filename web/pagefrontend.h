// pagefrontend.h: the game's window as a web page, the page's front end to the window.
//
// The page's markup is written at build time (markupfrontend.h): in the browser, SharedWindow
// (window/sharedwindow.h) walks the description and calls this class back to take each control's
// element over, to bring the cells' elements up to date and to run the timer; page.js does the work
// in the page. The history and the two stored solutions, which the window never shows, are data in
// SharedWindow, as on the desktop.
#pragma once

#include "description.h"
#include "frontend.h"
#include "sharedwindow.h"

namespace pebblix {

class PageFrontEnd final : private FrontEnd {
public:
    // Takes over every shown control's element.
    PageFrontEnd() { shared_.Build(); }
    PageFrontEnd(const PageFrontEnd&) = delete;
    PageFrontEnd& operator=(const PageFrontEnd&) = delete;

    // Start-up: lays out the first game, then shows the page with the focus on the first stop.
    void Load();

    // The page's events (page.h).
    void Click(int row) { shared_.Click(description::kControls.at(static_cast<std::size_t>(row))); }
    void Tick() { shared_.Tick(); }

private:
    void MakeWindow(const description::WindowSpec& spec, std::string_view title) override;
    void MakeControl(const description::ControlSpec& control,
                     const description::ControlSpec* container,
                     std::string_view spokenName) override;
    void SetTabOrder(std::span<const description::ControlSpec* const> stops) override;
    void ShowCaption(const description::ControlSpec& cell, std::string_view caption,
                     std::string_view spokenName) override;
    void ShowVisible(const description::ControlSpec& cell, bool visible) override;
    void ShowColour(const description::ControlSpec& cell, Rgb colour) override;
    void SetTimer(int intervalMs) override;

    // The row of the control that takes the focus first.
    int firstStop_ = -1;
    SharedWindow shared_{*this};
};

} // namespace pebblix
