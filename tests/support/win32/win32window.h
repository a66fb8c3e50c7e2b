// win32window.h: the Windows window driven as the player and its timer drive it, through its own
// message loop, read back from its controls as a snapshot, and mirrored on the stand-in.
#pragma once

#include "controls.h"
#include "events.h"
#include "gamestate.h"
#include "mainwindow.h"
#include "standin.h"

#include <vector>

namespace pebblix::testing {

inline std::string TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return win32::Narrow(text);
}

// What the window paints a static control with: the brush it answers WM_CTLCOLORSTATIC with.
inline Rgb PaintOf(const Inf_Igra_Pebblix& window, HWND control) {
    HDC dc = GetDC(control);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(window.hwnd(), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(control)));
    ReleaseDC(control, dc);
    LOGBRUSH logical{};
    GetObjectW(brush, sizeof logical, &logical);
    return RgbColor(GetRValue(logical.lbColor), GetGValue(logical.lbColor),
                    GetBValue(logical.lbColor));
}

// The game as the window's controls show it; the lists and counters as its SharedWindow keeps them.
inline GameState Observe(const Inf_Igra_Pebblix& window) {
    GameState state = Observe(window.shared());
    for (std::int16_t i = 0; i < 9; ++i) {
        HWND cell = window.control("Label2", i);
        state.captions.at(i) = TextOf(cell);
        state.visible.at(i) = (GetWindowLongW(cell, GWL_STYLE) & WS_VISIBLE) != 0;
        state.colours.at(i) = PaintOf(window, cell);
    }
    for (std::int16_t i = 0; i < 2; ++i) {
        state.options.at(i) =
            SendMessageW(window.control("Option1", i), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    state.timerRunning = window.timerInterval() > 0;
    return state;
}

// A left click, or a quick second one, at the middle of a control or near its top left corner,
// posted to whichever window the system finds at that point: a hidden cell's click reaches what
// lies behind it.
inline void ClickAt(HWND control, bool twice = false, bool corner = false) {
    RECT rect{};
    GetWindowRect(control, &rect);
    POINT at{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (corner) {
        at = {rect.left + 3, rect.top + 3};
    }
    HWND target = WindowFromPoint(at);
    ScreenToClient(target, &at);
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(target, WM_LBUTTONUP, 0, where);
    if (twice) {
        PostMessageW(target, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
        PostMessageW(target, WM_LBUTTONUP, 0, where);
    }
}

// A key pressed and released in the focused control, with Shift or Ctrl held as asked.
inline void Press(UINT key, UINT modifier = 0) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    if (modifier != 0) {
        keys[modifier] = 0x80;
        SetKeyboardState(keys);
    }
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
}

// Keys a player might press in the rules text: typing, editing, moving, selecting, the clipboard.
inline constexpr std::array<std::pair<UINT, UINT>, kRulesKeyCount> kRulesKeys{{
    {'A', 0},
    {'1', 0},
    {VK_SPACE, 0},
    {VK_RETURN, 0},
    {VK_BACK, 0},
    {VK_DELETE, 0},
    {VK_DOWN, 0},
    {VK_NEXT, 0},
    {VK_END, VK_CONTROL},
    {VK_RIGHT, VK_SHIFT},
    {'A', VK_CONTROL},
    {'X', VK_CONTROL},
    {'V', VK_CONTROL},
    {'Z', VK_CONTROL},
    {VK_ESCAPE, 0},
    {VK_F4, 0},
}};

// The window and the stand-in, given the same events. Every tick that reaches the window, posted
// here or from its own timer, ticks the stand-in too, so that a tick the window takes otherwise
// than the stand-in shows as a difference.
class Mirror {
public:
    explicit Mirror(Inf_Igra_Pebblix& window) : window_(window) { model.Load(); }

    void Play(const Event& event) {
        switch (event.kind) {
        case EventKind::Command:
            ClickAt(window_.control("Command1", event.index));
            break;
        case EventKind::Option:
            ClickAt(window_.control("Option1", event.index));
            break;
        case EventKind::Tick:
            PostMessageW(window_.hwnd(), WM_TIMER, 1, 0);
            break;
        case EventKind::CellClick:
            ClickAt(window_.control("Label2", event.index));
            break;
        case EventKind::RulesKey: {
            SetFocus(window_.control("Text1", 0));
            const auto [key, modifier] = kRulesKeys.at(static_cast<std::size_t>(event.index));
            Press(key, modifier);
            break;
        }
        }
        if (event.kind != EventKind::Tick) {
            Apply(model, event);
        }
        Pump();
    }

    // Handles every waiting message as the program's loop does.
    void Pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_TIMER && message.hwnd == window_.hwnd()) {
                Apply(model, {EventKind::Tick});
            }
            if (message.message != WM_QUIT) {
                window_.Dispatch(message);
            }
        }
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }

    StandIn model;

private:
    Inf_Igra_Pebblix& window_;
};

// The window's client area as drawn, read back from its device context.
struct Capture {
    explicit Capture(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width = client.right;
        height = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC screen = GetDC(window);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        const auto* first = static_cast<const std::uint32_t*>(bits);
        pixels.assign(first, first + static_cast<std::ptrdiff_t>(width) * height);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, screen);
    }
    Rgb At(int x, int y) const {
        const std::uint32_t p = pixels.at(static_cast<std::size_t>(y * width + x));
        return RgbColor((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

} // namespace pebblix::testing
