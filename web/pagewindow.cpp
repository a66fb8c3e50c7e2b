// pagewindow.cpp: the game's window as a web page, the page's front end to the window.
#include "pagewindow.h"

#include "jsontext.h"
#include "page.h"

#include <algorithm>
#include <string>
#include <utility>

namespace pebblix {

namespace {

using namespace description;

// A JSON object built one field at a time: how a control's settings cross to page.js.
class Record {
public:
    Record& Text(std::string_view key, std::string_view value) {
        Key(key);
        AppendJsonText(text_, value);
        return *this;
    }
    Record& Number(std::string_view key, int value) {
        Key(key);
        text_ += DecimalText(value);
        return *this;
    }
    Record& Flag(std::string_view key, bool value) {
        Key(key);
        text_ += value ? "true" : "false";
        return *this;
    }
    // A field whose value is JSON already: a nested record, a list, or null.
    Record& Raw(std::string_view key, std::string_view json) {
        Key(key);
        text_ += json;
        return *this;
    }
    // The finished object; valid while the record lives.
    const char* c_str() {
        text_ += '}';
        return text_.c_str();
    }

private:
    void Key(std::string_view key) {
        text_ += text_.size() > 1 ? ",\"" : "\"";
        text_ += key;
        text_ += "\":";
    }
    std::string text_ = "{";
};

int Colour(Rgb colour) {
    return colour.r << 16 | colour.g << 8 | colour.b;
}

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

std::string Font(const FontSpec& font) {
    return Record()
        .Text("face", font.face)
        .Number("points", font.points)
        .Number("weight", font.weight)
        .Flag("italic", font.italic)
        .Flag("underline", font.underline)
        .Flag("strikethrough", font.strikethrough)
        .c_str();
}

// The least size of a target under a finger or a pointer, in CSS pixels.
constexpr int kTargetPixels = 24;

// How far an option button's hit area reaches above and below its drawing, to be kTargetPixels
// tall: into the free room of its frame, never over another option button. "[up,down]".
std::string HitMargins(const ControlSpec& option) {
    const auto span = [](const ControlSpec& c) {
        return std::pair{Pixels(c.rect.top), Pixels(c.rect.top + c.rect.height)};
    };
    const auto [top, bottom] = span(option);
    const ControlSpec* frame = Container(option);
    int above = top;
    int below = frame ? Pixels(frame->rect.height) - bottom : 0;
    for (const ControlSpec& other : kControls) {
        if (&other != &option && other.kind == option.kind && other.container == option.container) {
            const auto [otherTop, otherBottom] = span(other);
            above = otherBottom <= top ? std::min(above, top - otherBottom) : above;
            below = otherTop >= bottom ? std::min(below, otherTop - bottom) : below;
        }
    }
    const int grow = std::max(0, kTargetPixels - (bottom - top));
    const int up = std::min(grow, above);
    const int down = std::min(grow - up, below);
    return '[' + DecimalText(up) + ',' + DecimalText(down) + ']';
}

// The page's kind of element for a control. The cells are labels to the description but boxes
// with a spoken name to the page; the title strip is the page's heading.
std::string_view Kind(const ControlSpec& control) {
    switch (control.kind) {
    case ControlKind::Label:
        return IsCell(control) ? "cell" : IsTitle(control) ? "heading" : "label";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::OptionButton:
        return "option";
    case ControlKind::CommandButton:
        return "button";
    default:
        return "text";
    }
}

// The row by which page.js knows a control's element.
int PageRow(const ControlSpec& control) {
    return static_cast<int>(Row(control));
}

} // namespace

void PageWindow::Load() {
    core_.Load();
    page_show(firstStop_);
}

void PageWindow::MakeForm(const FormSpec& form, std::string_view title) {
    Record record;
    record.Text("id", form.name)
        .Text("title", title)
        .Number("width", Pixels(form.clientWidth))
        .Number("height", Pixels(form.clientHeight))
        .Number("colour", Colour(form.backColor))
        .Raw("font", Font(form.font));
    page_make_form(record.c_str());
}

void PageWindow::MakeControl(const ControlSpec& control, const ControlSpec* container,
                             std::string_view spokenName) {
    const TwipRect& r = control.rect;
    const std::string box = '[' + DecimalText(Pixels(r.left)) + ',' + DecimalText(Pixels(r.top)) +
                            ',' + DecimalText(Pixels(r.width)) + ',' +
                            DecimalText(Pixels(r.height)) + ']';
    Record record;
    record.Text("id", ControlId(control))
        .Text("kind", Kind(control))
        .Number("container", container ? PageRow(*container) : -1)
        .Raw("box", box)
        .Raw("colour",
             control.backColor ? DecimalText(Colour(*control.backColor)) : std::string("null"))
        .Text("text", control.text)
        .Raw("font", Font(*control.font))
        .Flag("centred", control.centred)
        .Flag("bordered", control.singleBorder)
        .Flag("selected", control.selected)
        .Flag("multiLine", control.multiLine)
        .Flag("scroll", control.verticalScroll)
        .Flag("readOnly", control.readOnly)
        .Text("name", spokenName);
    if (control.kind == ControlKind::OptionButton) {
        record.Raw("hit", HitMargins(control));
    }
    page_make(PageRow(control), record.c_str());
}

// The page's Tab order is its document order, so the page puts the stops in order. The browser
// gives the option group a single stop itself, at its selected button.
void PageWindow::SetTabOrder(std::span<const ControlSpec* const> stops) {
    std::string rows = "[";
    for (const ControlSpec* stop : stops) {
        rows += rows.size() > 1 ? "," : "";
        rows += DecimalText(PageRow(*stop));
    }
    rows += ']';
    page_set_tab_order(rows.c_str());
    if (!stops.empty()) {
        firstStop_ = PageRow(*stops.front());
    }
}

void PageWindow::ShowCaption(const ControlSpec& cell, std::string_view caption,
                             std::string_view spokenName) {
    page_show_caption(PageRow(cell), std::string(caption).c_str(), std::string(spokenName).c_str());
}

void PageWindow::ShowVisible(const ControlSpec& cell, bool visible) {
    page_show_visible(PageRow(cell), visible ? 1 : 0);
}

void PageWindow::ShowColour(const ControlSpec& cell, Rgb colour) {
    page_show_colour(PageRow(cell), Colour(colour));
}

void PageWindow::SetTimer(int intervalMs) {
    page_set_timer(intervalMs);
}

} // namespace pebblix
