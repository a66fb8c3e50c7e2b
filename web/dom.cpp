// dom.cpp: the page's elements made and changed from C++, through a few JavaScript functions.
//
// Strings cross as UTF-8 bytes with their length, read by one decoder kept for the page's life.
// The elements are found by id: a control's name, and "_<index>" for a member of a control array,
// as in the description.
#include "dom.h"

#include <emscripten.h>

#include <string>

namespace {

using namespace pebblix;
using description::kTwipsPerPixel;

// clang-format off
EM_JS(void, js_set_up_window, (const char* id, int idLength, const char* title, int titleLength,
                               int width, int height, int colour, const char* face, int faceLength,
                               int points), {
    const text = (p, n) =>
        (Module.pebblixText ||= new TextDecoder()).decode(HEAPU8.subarray(p, p + n));
    const area = document.getElementById(text(id, idLength));
    document.title = text(title, titleLength);
    area.style.width = width + "px";
    area.style.height = height + "px";
    area.style.backgroundColor = "#" + colour.toString(16).padStart(6, "0");
    area.style.fontFamily = '"' + text(face, faceLength) + '", "Pebblix Serif", serif';
    area.style.fontSize = points * 96 / 72 + "px";
});

EM_JS(void, js_create, (int kind, const char* id, int idLength, const char* container,
                        int containerLength, int index, int left, int top, int width, int height,
                        int colour, const char* caption, int captionLength, const char* face,
                        int faceLength, int points, int weight, int flags, int tabIndex,
                        const char* spoken, int spokenLength), {
    const text = (p, n) =>
        (Module.pebblixText ||= new TextDecoder()).decode(HEAPU8.subarray(p, p + n));
    const [centred, border, selected, multiLine, scroll, readOnly, italic, underline, strike] =
        [...Array(9).keys()].map((bit) => (flags >> bit & 1) == 1);
    const parent = document.getElementById(text(container, containerLength));
    const tags = ["div", "div", "fieldset", "input", "button", "textarea"];
    const element = document.createElement(tags[kind]);
    element.id = text(id, idLength);
    element.className = ["label", "cell", "frame", "option", "button", "text"][kind];
    const box = element.style;
    [box.left, box.top, box.width, box.height] = [left, top, width, height].map((v) => v + "px");
    if (colour >= 0) {
        box.backgroundColor = "#" + colour.toString(16).padStart(6, "0");
    }
    box.fontFamily = '"' + text(face, faceLength) + '", "Pebblix Serif", serif';
    box.fontSize = points * 96 / 72 + "px";
    box.fontWeight = weight;
    box.fontStyle = italic ? "italic" : "normal";
    box.textDecoration = [underline ? "underline" : "", strike ? "line-through" : ""].join(" ");
    if (centred) {
        element.classList.add("centred");
    }
    if (border) {
        element.classList.add("bordered");
    }
    const name = text(spoken, spokenLength);
    const words = text(caption, captionLength);
    if (kind == 0 || kind == 1) {
        element.textContent = words;
        if (kind == 1) {
            element.setAttribute("role", "img");
            element.setAttribute("aria-label", name);
        }
    } else if (kind == 2) {
        const legend = document.createElement("legend");
        legend.textContent = words;
        element.append(legend);
    } else if (kind == 3) {
        // One group per frame, so the browser keeps exactly one selected and gives the group one
        // Tab stop, at its selected button; `change` comes only to the newly selected one.
        element.type = "radio";
        element.name = parent.id;
        element.checked = selected;
        element.addEventListener("change", () => _pebblix_option(index));
        const label = document.createElement("label");
        label.htmlFor = element.id;
        label.textContent = words;
        label.className = "option-caption";
        label.style.cssText = box.cssText;
        label.style.backgroundColor = "transparent";
        parent.append(element, label);
    } else if (kind == 4) {
        element.type = "button";
        element.textContent = words;
        element.addEventListener("click", () => _pebblix_command(index));
    } else {
        element.value = words;
        element.readOnly = readOnly;
        element.wrap = multiLine ? "soft" : "off";
        element.spellcheck = false;
        box.overflowY = scroll ? "scroll" : "hidden";
        if (name) {
            element.setAttribute("aria-label", name);
        }
    }
    if (tabIndex >= 0) {
        element.tabIndex = tabIndex;
    }
    if (kind != 3) {
        parent.append(element);
    }
});

EM_JS(void, js_set_cell, (int index, const char* caption, int captionLength, const char* spoken,
                          int spokenLength), {
    const text = (p, n) =>
        (Module.pebblixText ||= new TextDecoder()).decode(HEAPU8.subarray(p, p + n));
    const cell = document.getElementById("Label2_" + index);
    cell.textContent = text(caption, captionLength);
    cell.setAttribute("aria-label", text(spoken, spokenLength));
});

EM_JS(void, js_set_cell_visible, (int index, int visible), {
    document.getElementById("Label2_" + index).hidden = !visible;
});

EM_JS(void, js_set_cell_colour, (int index, int colour), {
    document.getElementById("Label2_" + index).style.backgroundColor =
        "#" + colour.toString(16).padStart(6, "0");
});

EM_JS(int, js_option_selected, (int index), {
    return document.getElementById("Option1_" + index).checked ? 1 : 0;
});

// One interval at a time; setting it again starts it afresh, as re-enabling a timer does.
EM_JS(void, js_set_timer, (int intervalMs), {
    clearInterval(Module.pebblixTimer);
    Module.pebblixTimer = intervalMs > 0 ? setInterval(() => _pebblix_tick(), intervalMs) : 0;
});

EM_JS(void, js_show, (const char* id, int idLength), {
    const text = (p, n) =>
        (Module.pebblixText ||= new TextDecoder()).decode(HEAPU8.subarray(p, p + n));
    document.querySelector(".client").style.visibility = "visible";
    const first = document.getElementById(text(id, idLength));
    // A text box takes the focus with its caret at the start and its first lines in view.
    if (first.setSelectionRange) {
        first.setSelectionRange(0, 0);
    }
    first.focus();
    first.scrollTop = 0;
});
// clang-format on

int Colour(Rgb colour) {
    return colour.r << 16 | colour.g << 8 | colour.b;
}

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

} // namespace

namespace pebblix::dom {

void SetUpWindow(const description::FormSpec& form) {
    const std::string title = std::string(form.address) + std::string(form.caption);
    js_set_up_window(form.name.data(), Length(form.name), title.data(), Length(title),
                     form.clientWidth / kTwipsPerPixel, form.clientHeight / kTwipsPerPixel,
                     Colour(form.backColor), form.font.face.data(), Length(form.font.face),
                     form.font.points);
}

void Create(Element element, const description::ControlSpec& control, std::string_view name,
            std::string_view accessibleName) {
    const std::string_view container =
        control.container.empty() ? description::kForm.name : control.container;
    const description::FontSpec& font = *control.font;
    const bool flags[] = {control.centred,   control.singleBorder,   control.selected,
                          control.multiLine, control.verticalScroll, control.readOnly,
                          font.italic,       font.underline,         font.strikethrough};
    int bits = 0;
    for (int bit = 0; bit < static_cast<int>(std::size(flags)); ++bit) {
        bits |= flags[bit] ? 1 << bit : 0;
    }
    // The browser's tabindex 0 means "in document order", so the table's order starts at 1; a
    // control out of the keyboard order gets none.
    const bool focusable =
        element == Element::Option || element == Element::Button || element == Element::Text;
    const int tabIndex = focusable && control.tabIndex >= 0 ? control.tabIndex + 1 : -1;
    const description::TwipRect& r = control.rect;
    js_create(static_cast<int>(element), name.data(), Length(name), container.data(),
              Length(container), control.index, r.left / kTwipsPerPixel, r.top / kTwipsPerPixel,
              r.width / kTwipsPerPixel, r.height / kTwipsPerPixel,
              control.backColor ? Colour(*control.backColor) : -1, control.text.data(),
              Length(control.text), font.face.data(), Length(font.face), font.points, font.weight,
              bits, tabIndex, accessibleName.data(), Length(accessibleName));
}

void SetCell(std::int16_t index, std::string_view caption, std::string_view accessibleName) {
    js_set_cell(index, caption.data(), Length(caption), accessibleName.data(),
                Length(accessibleName));
}

void SetCellVisible(std::int16_t index, bool visible) {
    js_set_cell_visible(index, visible ? 1 : 0);
}

void SetCellColour(std::int16_t index, Rgb colour) {
    js_set_cell_colour(index, Colour(colour));
}

bool OptionSelected(std::int16_t index) {
    return js_option_selected(index) != 0;
}

void SetTimer(int intervalMs) {
    js_set_timer(intervalMs);
}

void Show(std::string_view focusId) {
    js_show(focusId.data(), Length(focusId));
}

} // namespace pebblix::dom
