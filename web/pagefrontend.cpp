// pagefrontend.cpp: the game's window as a web page, the page's front end to the window.
#include "pagefrontend.h"

#include "controlnames.h"
#include "jsontext.h"
#include "page.h"
#include "pagestyle.h"

#include <string>

namespace pebblix {

namespace {

using namespace description;

// The kinds of element the page's script binds, as it names them.
std::string_view Kind(const ControlSpec& control) {
    switch (control.kind) {
    case ControlKind::OptionButton:
        return "option";
    case ControlKind::CommandButton:
        return "button";
    case ControlKind::TextBox:
        return "text";
    default:
        return "other";
    }
}

// The ordinal by which page.js knows a control's element.
int PageOrdinal(const ControlSpec& control) {
    return static_cast<int>(Ordinal(control));
}

} // namespace

void PageFrontEnd::Load() {
    shared_.Load();
    page_show(firstStop_);
}

void PageFrontEnd::MakeWindow(const WindowSpec& spec, std::string_view title) {
    const std::string style =
        JsonList(page::WindowStyle(spec), [](std::string& out, const auto& declaration) {
            out += '[';
            AppendJsonText(out, declaration.first);
            out += ',';
            AppendJsonText(out, declaration.second);
            out += ']';
        });
    page_take_form(JsonObject()
                       .Text("id", spec.name)
                       .Text("title", title)
                       .Raw("style", style)
                       .Close()
                       .c_str());
}

void PageFrontEnd::MakeControl(const ControlSpec& control, const ControlSpec*, std::string_view) {
    page_take(PageOrdinal(control), JsonObject()
                                        .Text("id", ControlId(control))
                                        .Text("kind", Kind(control))
                                        .Flag("selected", control.selected)
                                        .Text("text", control.text)
                                        .Close()
                                        .c_str());
}

// The markup already has the controls in the keyboard order: the first takes the focus.
void PageFrontEnd::SetTabOrder(std::span<const ControlSpec* const> stops) {
    if (!stops.empty()) {
        firstStop_ = PageOrdinal(*stops.front());
    }
}

void PageFrontEnd::ShowCaption(const ControlSpec& cell, std::string_view caption,
                               std::string_view spokenName) {
    page_show_caption(PageOrdinal(cell), std::string(caption).c_str(),
                      std::string(spokenName).c_str());
}

void PageFrontEnd::ShowVisible(const ControlSpec& cell, bool visible) {
    page_show_visible(PageOrdinal(cell), visible ? 1 : 0);
}

void PageFrontEnd::ShowColour(const ControlSpec& cell, Rgb colour) {
    page_show_colour(PageOrdinal(cell), colour.r << 16 | colour.g << 8 | colour.b);
}

void PageFrontEnd::SetTimer(int intervalMs) {
    page_set_timer(intervalMs);
}

} // namespace pebblix
