// markupfrontend.h: the page's markup, written at build time by a front end that makes elements.
//
// SharedWindow (window/sharedwindow.h) walks the description and lays out the first game through
// this front end as through any other; what it makes is the client area as HTML elements, and the
// style sheet that places and colours them. The page ships them, so the board is complete at the
// first paint; in the browser the page's program (pagefrontend.h) takes those elements over.
#pragma once

#include "description.h"
#include "frontend.h"
#include "html.h"
#include "sharedwindow.h"

#include <array>
#include <string>

namespace pebblix {

class MarkupFrontEnd final : private FrontEnd {
public:
    // Builds the window and lays out the first game, as the page does when it starts.
    MarkupFrontEnd();
    MarkupFrontEnd(const MarkupFrontEnd&) = delete;
    MarkupFrontEnd& operator=(const MarkupFrontEnd&) = delete;

    // The client area's markup; `rules` receives its style sheet, a rule a line.
    std::string Markup(std::string& rules) const { return client_.Markup(rules); }

private:
    void MakeWindow(const description::WindowSpec& settings, std::string_view) override;
    void MakeControl(const description::ControlSpec& control,
                     const description::ControlSpec* container,
                     std::string_view spokenName) override;
    void SetTabOrder(std::span<const description::ControlSpec* const> stops) override;
    void ShowCaption(const description::ControlSpec& cell, std::string_view caption,
                     std::string_view spokenName) override;
    void ShowVisible(const description::ControlSpec& cell, bool visible) override;
    void ShowColour(const description::ControlSpec& cell, Rgb colour) override;
    void SetTimer(int) override {}

    html::Element& Of(const description::ControlSpec& control) {
        return *elements_.at(description::Ordinal(control));
    }

    html::Element client_{"main"};
    // Each shown control's element, by its ordinal in the description.
    std::array<html::Element*, description::kControls.size()> elements_{};
    SharedWindow shared_{*this};
};

} // namespace pebblix
