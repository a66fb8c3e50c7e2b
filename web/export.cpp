// export.cpp: writes the page's markup and the window's description as one JSON document.
//
// Run once at build time; everything outside C++ that needs the window reads this instead of the
// C++ headers: the page's assembly (the markup and its style sheet, the title, the texts its font
// must draw, the web app's names and colours), the manual pages' check, and the page's tests (every
// control's kind, place, colour and text, and the two stored solutions). The document's members:
//   title, style, markup  the document's title, the client area's style sheet and its HTML;
//   texts                 every text the window shows: the shown controls' and the stored rows;
//   manifest              name, short_name, theme_color, background_color of the web app;
//   form                  {name, title, width, height, backColor, twipsPerPixel}, sizes in twips;
//   controls              [{name, index, kind, container, rect, backColor, text, fontPoints,
//                         tabIndex, visible, selected, readOnly, intervalMs}], rect in twips as
//                         [left, top, width, height], a colour as [r, g, b] or null;
//   solutions             [three per side, four per side], rows of position strings.
#include "description.h"
#include "jsontext.h"
#include "markupfrontend.h"
#include "pagestyle.h"
#include "sharedwindow.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace pebblix;
using namespace pebblix::description;

std::string Colour(Rgb c) {
    return '[' + DecimalText(c.r) + ',' + DecimalText(c.g) + ',' + DecimalText(c.b) + ']';
}

// The kinds of control by name, in ControlKind's order.
constexpr std::string_view kKindNames[] = {"Label",   "Frame",   "OptionButton", "CommandButton",
                                           "TextBox", "ListBox", "Timer"};

std::string Control(const ControlSpec& c) {
    const TwipRect& r = c.rect;
    return JsonObject()
        .Text("name", c.name)
        .Number("index", c.index)
        .Text("kind", kKindNames[static_cast<int>(c.kind)])
        .Text("container", c.container)
        .Raw("rect", '[' + DecimalText(r.left) + ',' + DecimalText(r.top) + ',' +
                         DecimalText(r.width) + ',' + DecimalText(r.height) + ']')
        .Raw("backColor", c.backColor ? Colour(*c.backColor) : "null")
        .Text("text", c.text)
        .Number("fontPoints", c.font->points)
        .Number("tabIndex", c.tabIndex)
        .Flag("visible", c.visible)
        .Flag("selected", c.selected)
        .Flag("readOnly", c.readOnly)
        .Number("intervalMs", c.intervalMs)
        .Close();
}

std::string Rows(std::span<const std::string_view> rows) {
    return JsonList(rows, AppendJsonText);
}

// What the window shows: the shown controls' texts, and the stored rows, which the cells show.
std::string Texts() {
    std::string texts = "[";
    for (const ControlSpec& control : kControls) {
        if (control.visible && !control.text.empty()) {
            texts += texts.size() > 1 ? "," : "";
            AppendJsonText(texts, control.text);
        }
    }
    for (const std::int16_t list : {1, 2}) {
        for (const std::string_view row : ListRows(list)) {
            texts += ',';
            AppendJsonText(texts, row);
        }
    }
    return texts + ']';
}

// The installed app is named as the window's title strip, and for short as the game: the last part
// of the window's caption. Its colours are the title strip's and the window's.
std::string Manifest() {
    const ControlSpec& title = *Find("Label1", 0);
    const std::string_view caption = kWindow.caption;
    const std::size_t dash = caption.rfind(" - ");
    return JsonObject()
        .Text("name", title.text)
        .Text("short_name", dash == std::string_view::npos ? caption : caption.substr(dash + 3))
        .Text("theme_color", page::Hex(title.backColor.value_or(kWindow.backColor)))
        .Text("background_color", page::Hex(kWindow.backColor))
        .Close();
}

} // namespace

int main() {
    const MarkupFrontEnd page;
    std::string style;
    const std::string markup = page.Markup(style);
    const std::string form = JsonObject()
                                 .Text("name", kWindow.name)
                                 .Text("title", SharedWindow::Title())
                                 .Number("width", kWindow.clientWidth)
                                 .Number("height", kWindow.clientHeight)
                                 .Raw("backColor", Colour(kWindow.backColor))
                                 .Number("twipsPerPixel", kTwipsPerPixel)
                                 .Close();
    const std::string document =
        JsonObject()
            .Text("title", page.Title())
            .Text("style", style)
            .Text("markup", markup)
            .Raw("texts", Texts())
            .Raw("manifest", Manifest())
            .Raw("form", form)
            .Raw("controls", JsonList(kControls, [](std::string& out,
                                                    const ControlSpec& c) { out += Control(c); }))
            .Raw("solutions", '[' + Rows(ListRows(1)) + ',' + Rows(ListRows(2)) + ']')
            .Close();
    std::fwrite(document.data(), 1, document.size(), stdout);
    std::fputc('\n', stdout);
    return std::ferror(stdout) ? 1 : 0;
}
