// controls.cpp: the few helpers the Windows window is made with.
#include "controls.h"

namespace pebblix::win32 {

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), length);
    return text;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

HFONT MakeFont(const description::FontSpec& font, UINT dpi) {
    LOGFONTW logical{};
    // A negative height asks for the character height, as a point size means it.
    logical.lfHeight = -MulDiv(font.points, static_cast<int>(dpi), 72);
    logical.lfWeight = font.weight;
    logical.lfItalic = font.italic;
    logical.lfUnderline = font.underline;
    logical.lfStrikeOut = font.strikethrough;
    logical.lfCharSet = static_cast<BYTE>(font.charset);
    logical.lfOutPrecision = OUT_TT_PRECIS;
    logical.lfQuality = DEFAULT_QUALITY;
    logical.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    const std::wstring face = Wide(font.face);
    face.copy(logical.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&logical);
}

HWND MakeChild(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style,
               DWORD exStyle, int id, HFONT font, const RECT& place) {
    // Made without its text, which comes once the font is set: a text box lays its lines out
    // only in its own font then.
    HWND control = CreateWindowExW(
        exStyle, windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (control != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetWindowTextW(control, std::wstring(text).c_str());
    }
    return control;
}

} // namespace pebblix::win32
