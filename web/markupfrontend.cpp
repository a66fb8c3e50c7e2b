// markupfrontend.cpp: the page's markup, written at build time by a front end that makes elements.
#include "markupfrontend.h"

#include "controlnames.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace pebblix {

namespace {

using namespace description;

// A length in twips as whole CSS pixels, at 96 of them to the inch.
int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

std::string Px(int pixels) {
    return DecimalText(pixels) + "px";
}

// "#rrggbb", in lower case.
std::string Hex(Rgb colour) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return hex;
}

// The font's own face first, then the page's embedded stand-in for it, in the size of its points
// at 96 pixels to the inch (the window's 12 and 48 points are whole pixels).
void SetFont(html::Element& element, const FontSpec& font) {
    element.Style("font-family", "\"" + std::string(font.face) + "\", \"Pebblix Serif\", serif")
        .Style("font-size", Px(font.points * 96 / 72));
}

// The least size of a target under a finger or a pointer, in CSS pixels.
constexpr int kTargetPixels = 24;

// How far an option button's hit area reaches above and below its drawing, to be kTargetPixels
// tall: into the free room of its frame, never over another option button.
std::pair<int, int> HitMargins(const ControlSpec& option) {
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
    return {up, std::min(grow - up, below)};
}

// The page's element for a control, and its class. The cells are labels to the description but
// pictures with a spoken name to the page; the title strip is the page's heading.
std::pair<std::string_view, std::string_view> Tag(const ControlSpec& control) {
    switch (control.kind) {
    case ControlKind::Label:
        return IsCell(control)    ? std::pair{"div", "cell"}
               : IsTitle(control) ? std::pair{"h1", "heading"}
                                  : std::pair{"div", "label"};
    case ControlKind::Frame:
        return {"fieldset", "frame"};
    case ControlKind::OptionButton:
        return {"input", "option"};
    case ControlKind::CommandButton:
        return {"button", "button"};
    default:
        return {"textarea", "text"};
    }
}

} // namespace

MarkupFrontEnd::MarkupFrontEnd() {
    shared_.Build();
    shared_.Load();
}

// The client area: the window's size, colour and font.
void MarkupFrontEnd::MakeWindow(const WindowSpec& settings, std::string_view) {
    client_.Set("id", settings.name)
        .Set("class", "client")
        .Style("width", Px(Pixels(settings.clientWidth)))
        .Style("height", Px(Pixels(settings.clientHeight)))
        .Style("background-color", Hex(settings.backColor));
    SetFont(client_, settings.font);
}

// Every control is placed in its container in whole pixels, in its colour and its font, and
// carries its ordinal in the description, by which the page's program knows it; a kind of control
// adds what the browser needs to draw and name it.
void MarkupFrontEnd::MakeControl(const ControlSpec& control, const ControlSpec* container,
                                 std::string_view spokenName) {
    html::Element& parent = container ? Of(*container) : client_;
    const auto [tag, kind] = Tag(control);
    html::Element& element = parent.Append(tag);
    elements_.at(Ordinal(control)) = &element;
    std::string classes(kind);
    classes += control.centred ? " centred" : "";
    classes += control.singleBorder ? " bordered" : "";
    element.Set("id", ControlId(control))
        .Set("class", classes)
        .Set("data-ordinal", DecimalText(static_cast<int>(Ordinal(control))));
    const TwipRect& r = control.rect;
    element.Style("left", Px(Pixels(r.left)))
        .Style("top", Px(Pixels(r.top)))
        .Style("width", Px(Pixels(r.width)))
        .Style("height", Px(Pixels(r.height)));
    if (control.backColor) {
        element.Style("background-color", Hex(*control.backColor));
    }
    SetFont(element, *control.font);
    element.Style("font-weight", DecimalText(control.font->weight))
        .Style("font-style", control.font->italic ? "italic" : "normal");
    const std::string decoration = std::string(control.font->underline ? "underline " : "") +
                                   (control.font->strikethrough ? "line-through" : "");
    element.Style("text-decoration", decoration);

    switch (control.kind) {
    case ControlKind::Label:
        if (IsCell(control)) {
            // One line as tall as the cell inside its 1-px border: the caption stands in the
            // middle, and a cell is a picture with a name of its own.
            element.Style("line-height", Px(Pixels(r.height) - 2))
                .Set("role", "img")
                .Set("aria-label", spokenName);
        }
        element.Text(control.text);
        break;
    case ControlKind::Frame:
        element.Append("legend").Text(control.text);
        break;
    case ControlKind::OptionButton: {
        // One group of radio buttons per frame. The caption is a label over the button, right of
        // its mark, in the button's place without its colour. The button is hit over a taller
        // area than it is drawn: its transparent border reaches `up` and `down` pixels beyond the
        // drawing, which fills only the padding box.
        element.Set("type", "radio").Set("name", parent.Attribute("id"));
        if (control.selected) {
            element.Set("checked");
        }
        html::Element& caption = parent.Append("label");
        caption.Set("for", element.Attribute("id"))
            .Text(control.text)
            .Set("class", "option-caption");
        for (const auto& [property, value] : element.Styles()) {
            caption.Style(property, value);
        }
        caption.Style("background-color", "transparent");
        const auto [up, down] = HitMargins(control);
        element.Style("top", Px(Pixels(r.top) - up))
            .Style("height", Px(Pixels(r.height) + up + down))
            .Style("border-top-width", Px(up))
            .Style("border-bottom-width", Px(down));
        break;
    }
    case ControlKind::CommandButton:
        element.Set("type", "button").Text(control.text);
        break;
    default:
        element.Text(control.text);
        if (control.readOnly) {
            element.Set("readonly");
        }
        element.Set("wrap", control.multiLine ? "soft" : "off")
            .Set("spellcheck", "false")
            .Style("overflow-y", control.verticalScroll ? "scroll" : "hidden");
        if (!spokenName.empty()) {
            element.Set("aria-label", spokenName);
        }
    }
}

// The page's Tab order is its document order: each control that takes the focus, or the frame
// that holds it, moves behind the ones before it. Nothing overlaps, so the window looks the same.
void MarkupFrontEnd::SetTabOrder(std::span<const ControlSpec* const> stops) {
    std::vector<const ControlSpec*> order;
    for (const ControlSpec* stop : stops) {
        const ControlSpec* onClient = Container(*stop) ? Container(*stop) : stop;
        if (std::find(order.begin(), order.end(), onClient) == order.end()) {
            order.push_back(onClient);
        }
    }
    for (const ControlSpec* control : order) {
        client_.MoveToEnd(Of(*control));
    }
}

void MarkupFrontEnd::ShowCaption(const ControlSpec& cell, std::string_view caption,
                                 std::string_view spokenName) {
    Of(cell).Text(caption).Set("aria-label", spokenName);
}

void MarkupFrontEnd::ShowVisible(const ControlSpec& cell, bool visible) {
    visible ? Of(cell).Unset("hidden") : Of(cell).Set("hidden");
}

void MarkupFrontEnd::ShowColour(const ControlSpec& cell, Rgb colour) {
    Of(cell).Style("background-color", Hex(colour));
}

} // namespace pebblix
