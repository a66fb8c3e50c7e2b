// pagestyle.h: the window's settings as the page's style gives them: pixels, colours and fonts.
//
// Shared by the markup written at build time (markupfrontend.h) and the page's program, which
// gives its client area the same style when it takes the markup over.
#pragma once

#include "description.h"

#include <string>
#include <utility>
#include <vector>

namespace pebblix::page {

// Style properties with their values, in the order they are set.
using Declarations = std::vector<std::pair<std::string, std::string>>;

// A length in twips as whole CSS pixels, at 96 of them to the inch.
inline int Pixels(int twips) {
    return twips / description::kTwipsPerPixel;
}

inline std::string Px(int pixels) {
    return DecimalText(pixels) + "px";
}

// "#rrggbb", in lower case.
inline std::string Hex(Rgb colour) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex = "#";
    for (const std::uint8_t component : {colour.r, colour.g, colour.b}) {
        hex += kDigits[component >> 4];
        hex += kDigits[component & 15];
    }
    return hex;
}

// The font's own face first, then the page's embedded stand-in for it, in the size of its points
// at 96 pixels to the inch (the window's 12 and 48 points are whole pixels).
inline Declarations FontStyle(const description::FontSpec& font) {
    return {{"font-family", "\"" + std::string(font.face) + "\", \"Pebblix Serif\", serif"},
            {"font-size", Px(font.points * 96 / 72)}};
}

// The client area: the form's size, colour and font.
inline Declarations WindowStyle(const description::WindowSpec& form) {
    Declarations style{{"width", Px(Pixels(form.clientWidth))},
                       {"height", Px(Pixels(form.clientHeight))},
                       {"background-color", Hex(form.backColor)}};
    for (auto& declaration : FontStyle(form.font)) {
        style.push_back(std::move(declaration));
    }
    return style;
}

} // namespace pebblix::page
