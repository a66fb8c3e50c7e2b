// pagefrontend.cpp: the game's window as a web page, the page's front end to the window.
#include "pagefrontend.h"

#include "page.h"

#include <string>

namespace pebblix {

namespace {

// The ordinal by which page.js knows a control's element.
int PageOrdinal(const description::ControlSpec& control) {
    return static_cast<int>(description::Ordinal(control));
}

} // namespace

void PageFrontEnd::Load() {
    shared_.Load();
    page_focus(firstStop_);
}

// The markup is the window, with its title, size, colour and font.
void PageFrontEnd::MakeWindow(const description::WindowSpec&, std::string_view) {
    page_take_over();
}

// The markup already has the controls in the keyboard order: the first takes the focus.
void PageFrontEnd::SetTabOrder(std::span<const description::ControlSpec* const> stops) {
    if (!stops.empty()) {
        firstStop_ = PageOrdinal(*stops.front());
    }
}

void PageFrontEnd::ShowCaption(const description::ControlSpec& cell, std::string_view caption,
                               std::string_view spokenName) {
    page_show_caption(PageOrdinal(cell), std::string(caption).c_str(),
                      std::string(spokenName).c_str());
}

void PageFrontEnd::ShowVisible(const description::ControlSpec& cell, bool visible) {
    page_show_visible(PageOrdinal(cell), visible ? 1 : 0);
}

void PageFrontEnd::ShowColour(const description::ControlSpec& cell, Rgb colour) {
    page_show_colour(PageOrdinal(cell), colour.r << 16 | colour.g << 8 | colour.b);
}

void PageFrontEnd::SetTimer(int intervalMs) {
    page_set_timer(intervalMs);
}

} // namespace pebblix
