// describe.cpp: writes the window's description as one JSON document, description.json.
//
// Run once at build time; what reads the window outside C++ reads this instead of the C++ headers:
// the page's assembly (its title, the texts its font must draw, the web app's names and colours),
// the page's checks and the browser tests (every control's kind, place, colour and text, and the
// stored solutions). The document's members:
//   form       {title, width, height, backColor, twipsPerPixel}: the window's own settings, its
//              client area in twips;
//   controls   [{name, index, kind, container, rect, backColor, text, fontPoints, tabIndex,
//              visible}], rect in twips as [left, top, width, height], a colour as [r, g, b] or
//              null;
//   solutions  [three per side, four per side], rows of position strings.
#include "description.h"
#include "jsontext.h"
#include "sharedwindow.h"

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

void AppendControl(std::string& out, const ControlSpec& c) {
    const TwipRect& r = c.rect;
    out += JsonObject()
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
               .Close();
}

} // namespace

int main() {
    const std::string form = JsonObject()
                                 .Text("title", SharedWindow::Title())
                                 .Number("width", kWindow.clientWidth)
                                 .Number("height", kWindow.clientHeight)
                                 .Raw("backColor", Colour(kWindow.backColor))
                                 .Number("twipsPerPixel", kTwipsPerPixel)
                                 .Close();
    const std::string solutions = '[' + JsonList(ListRows(1), AppendJsonText) + ',' +
                                  JsonList(ListRows(2), AppendJsonText) + ']';
    return PrintJson(JsonObject()
                         .Raw("form", form)
                         .Raw("controls", JsonList(kControls, AppendControl))
                         .Raw("solutions", solutions)
                         .Close());
}
