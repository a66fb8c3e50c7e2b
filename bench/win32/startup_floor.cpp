// startup_floor.cpp: the floor of the start-up: a window of the game's size with one Cyrillic
// label in the game's font, to its first painted frame.
#include "controls.h"
#include "firstpaint.h"

using namespace pebblix;

int main() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"Floor";
    RegisterClassExW(&windowClass);
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    HWND window =
        CreateWindowExW(0, L"Floor", L"Floor", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, nullptr, nullptr, windowClass.hInstance, nullptr);
    const UINT dpi = GetDpiForWindow(window);
    RECT frame{0, 0, win32::Pixels(description::kWindow.clientWidth, dpi),
               win32::Pixels(description::kWindow.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    HFONT font = win32::MakeFont(description::kWindowFont, dpi);
    const RECT place{0, 0, win32::Pixels(5415, dpi), win32::Pixels(375, dpi)};
    win32::MakeChild(window, L"STATIC", win32::Wide(description::kControls[0].text),
                     WS_VISIBLE | SS_CENTER, 0, 100, font, place);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    bench::UntilPainted();
    DeleteObject(font);
    return 0;
}
