// controls.h: the few helpers the Windows window is made with: UTF-16 texts, twips as pixels at a
// DPI, the window's fonts, and one maker for every child control.
#pragma once

#include "description.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace pebblix::win32 {

// The description's UTF-8 as the wide calls take it, and back. Invalid bytes become U+FFFD.
std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// A length in twips as pixels at `dpi` dots per inch, rounded to the nearest pixel.
inline int Pixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

inline COLORREF Colour(Rgb colour) {
    return RGB(colour.r, colour.g, colour.b);
}

// The font of the description at `dpi`: its face, points, weight, style and character set.
// The caller owns it (DeleteObject).
HFONT MakeFont(const description::FontSpec& font, UINT dpi);

// A child control of `parent` at `place` (pixels on the client area) with its text and font, made
// at its size and given its text in its font, so that a text box lays its lines out once, at its
// width. Returns nullptr where CreateWindowExW fails.
HWND MakeChild(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style,
               DWORD exStyle, int id, HFONT font, const RECT& place);

} // namespace pebblix::win32
