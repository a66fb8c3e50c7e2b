// mainwindow.h: the game's window in the Win32 API, Windows' own front end to the window.
//
// SharedWindow (window/sharedwindow.h) walks the description and calls this class back to make each
// control from the system's own classes, to show the cells the puzzle changed and to run the timer.
// The seven command buttons, the option buttons and the timer report to it; nothing else the player
// does changes anything. Every length in twips becomes pixels at the window's DPI, and is made
// again when the window moves to a screen of another DPI.
#pragma once

#include "description.h"
#include "frontend.h"
#include "sharedwindow.h"
#include "spokennames.h"

#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <utility>

namespace pebblix {

class Inf_Igra_Pebblix final : private FrontEnd {
public:
    // The window's class, by which tools find it.
    static constexpr const wchar_t* kClassName = L"Inf_Igra_Pebblix";
    // The id of a control is kFirstId plus its ordinal in the description.
    static constexpr int kFirstId = 100;

    // Makes the window, hidden, with every control of the description at the DPI of the screen
    // it opens on. The cells show the description's layout until Form_Load lays out a game.
    explicit Inf_Igra_Pebblix(HINSTANCE instance);
    ~Inf_Igra_Pebblix();
    Inf_Igra_Pebblix(const Inf_Igra_Pebblix&) = delete;
    Inf_Igra_Pebblix& operator=(const Inf_Igra_Pebblix&) = delete;

    // Start-up: call once before the window is first shown.
    void Form_Load() { shared_.Load(); }
    // Shows the window centred on the work area of its screen, the focus in the rules text.
    void Show();

    // The program's message loop, till the window is closed; returns the exit code.
    int Run();
    // Handles one message as Run does: the keyboard order's keys first (Tab, Shift+Tab, the
    // arrows in the option group, Enter), then the rest.
    void Dispatch(MSG& message);

    // For tests and tools, read-only in spirit.
    HWND hwnd() const { return hwnd_; }
    // The system control made for a shown control of the description; nullptr for one kept as data.
    HWND control(const description::ControlSpec& described) const;
    HWND control(std::string_view name, std::int16_t index = -1) const;
    const SharedWindow& shared() const { return shared_; }
    UINT dpi() const { return dpi_; }
    // The playback timer's interval while it runs, else 0.
    int timerInterval() const { return timerInterval_; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void MakeWindow(const description::WindowSpec& settings, std::string_view title) override;
    void MakeControl(const description::ControlSpec& control,
                     const description::ControlSpec* container,
                     std::string_view spokenName) override;
    void SetTabOrder(std::span<const description::ControlSpec* const> stops) override;
    void ShowCaption(const description::ControlSpec& cell, std::string_view caption,
                     std::string_view spokenName) override;
    void ShowVisible(const description::ControlSpec& cell, bool visible) override;
    void ShowColour(const description::ControlSpec& cell, Rgb colour) override;
    void SetTimer(int intervalMs) override;

    // Places and sizes every control, and makes the fonts and icons, for `dpi`.
    void Layout(UINT dpi);
    // Where the control of an ordinal lies on the client area, in pixels at the window's DPI.
    RECT Place(std::size_t ordinal) const;
    SIZE FrameSize(UINT dpi) const;
    void FitClientArea(int left, int top);
    HBRUSH Brush(COLORREF colour);
    // What a static control, a group frame or an option button is painted with.
    LRESULT StaticColours(HDC dc, HWND control);
    void DrawButton(const DRAWITEMSTRUCT& item);
    void EraseBackground(HDC dc);
    // The ordinal of a control of this window, or kControls.size() for any other window.
    std::size_t Ordinal(HWND control) const;
    void Command(int id, int code, HWND control);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    int timerInterval_ = 0;
    bool closing_ = false;
    COLORREF windowColour_ = 0;
    // The control made last, while the window is built.
    const description::ControlSpec* lastMade_ = nullptr;
    // The control that had the focus when the window was last deactivated.
    HWND focus_ = nullptr;
    std::array<HWND, description::kControls.size()> controls_{};
    // The colour each control is painted in, where it has its own.
    std::array<std::optional<COLORREF>, description::kControls.size()> colours_{};
    std::map<const description::FontSpec*, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    win32::SpokenNames spokenNames_;
    SharedWindow shared_{*this};
};

} // namespace pebblix
