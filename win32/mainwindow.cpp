// mainwindow.cpp: the game's window in the Win32 API, Windows' own front end to the window.
#include "mainwindow.h"

#include "controls.h"
#include "resources.h"

#include <commctrl.h>

#include <algorithm>
#include <tuple>

namespace pebblix {

using namespace description;
using win32::Pixels;
using win32::Wide;

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr DWORD kWindowExStyle = 0;

// The game's window has a fixed border with a system menu and a close box, and neither minimise
// nor maximise box.
DWORD WindowStyle(const WindowSpec& settings) {
    return WS_OVERLAPPED | WS_CAPTION | (settings.systemMenu ? WS_SYSMENU : 0) |
           (settings.minMaxBoxes ? WS_MINIMIZEBOX | WS_MAXIMIZEBOX : 0) |
           (settings.fixedBorder ? 0 : WS_THICKFRAME);
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = Inf_Igra_Pebblix::kClassName;
    // A second window of the process finds the class already there, which is as good.
    RegisterClassExW(&windowClass);
}

} // namespace

Inf_Igra_Pebblix::Inf_Igra_Pebblix(HINSTANCE instance) : instance_(instance) {
    // Version 6 of the common controls, which the manifest asks for, for the system's looks.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    RegisterWindowClass(instance, &Procedure);
    shared_.Build();
}

Inf_Igra_Pebblix::~Inf_Igra_Pebblix() {
    closing_ = true;
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    for (const auto& [described, font] : fonts_) {
        DeleteObject(font);
    }
    for (const auto& [colour, brush] : brushes_) {
        DeleteObject(brush);
    }
    DestroyIcon(bigIcon_);
    DestroyIcon(smallIcon_);
}

void Inf_Igra_Pebblix::MakeWindow(const WindowSpec& settings, std::string_view title) {
    hwnd_ = CreateWindowExW(kWindowExStyle, kClassName, Wide(title).c_str(), WindowStyle(settings),
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, instance_, this);
    windowColour_ = win32::Colour(settings.backColor);
    // The screen the window opens on gives the DPI its controls are made for.
    Layout(GetDpiForWindow(hwnd_));
}

void Inf_Igra_Pebblix::MakeControl(const ControlSpec& control, const ControlSpec*,
                                   std::string_view spokenName) {
    const std::size_t ordinal = description::Ordinal(control);
    // Arrows move within a group: only the option buttons of one frame share one.
    const bool groupGoesOn = control.kind == ControlKind::OptionButton && lastMade_ != nullptr &&
                             lastMade_->kind == ControlKind::OptionButton &&
                             lastMade_->container == control.container;
    DWORD style = WS_VISIBLE | (groupGoesOn ? 0 : WS_GROUP);
    DWORD exStyle = 0;
    const wchar_t* windowClass = WC_BUTTONW;
    switch (control.kind) {
    case ControlKind::Label:
        windowClass = WC_STATICW;
        style |= SS_NOPREFIX | (control.centred ? SS_CENTER | SS_CENTERIMAGE : SS_LEFT);
        if (control.singleBorder) {
            style |= WS_BORDER;
        }
        break;
    case ControlKind::Frame:
        style |= BS_GROUPBOX;
        break;
    case ControlKind::OptionButton:
        // The selected button of a group holds its Tab stop; the button moves it as it is checked.
        style |= BS_AUTORADIOBUTTON | (control.selected ? WS_TABSTOP : 0);
        break;
    case ControlKind::CommandButton:
        // Drawn here, since a push button's face takes no colour.
        style |= BS_OWNERDRAW | WS_TABSTOP;
        break;
    case ControlKind::TextBox:
    default:
        windowClass = WC_EDITW;
        style |= WS_TABSTOP | (control.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL) |
                 (control.readOnly ? ES_READONLY : 0) | (control.verticalScroll ? WS_VSCROLL : 0);
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    }
    HWND made = win32::MakeChild(hwnd_, windowClass, Wide(control.text), style, exStyle,
                                 kFirstId + static_cast<int>(ordinal), fonts_.at(control.font),
                                 Place(ordinal));
    controls_.at(ordinal) = made;
    lastMade_ = &control;
    if (control.backColor) {
        colours_.at(ordinal) = win32::Colour(*control.backColor);
    }
    if (control.kind == ControlKind::OptionButton && control.selected) {
        SendMessageW(made, BM_SETCHECK, BST_CHECKED, 0);
    }
    if (!spokenName.empty()) {
        spokenNames_.Name(made, spokenName);
    }
}

// The stops come first in the windows' order, in the order given, which is the order the dialog
// manager's Tab follows; the frames go last, beneath what they hold, so they never paint over it.
void Inf_Igra_Pebblix::SetTabOrder(std::span<const ControlSpec* const> stops) {
    constexpr UINT kOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    HWND previous = HWND_TOP;
    for (const ControlSpec* stop : stops) {
        SetWindowPos(control(*stop), previous, 0, 0, 0, 0, kOrderOnly);
        previous = control(*stop);
    }
    for (const ControlSpec& described : kControls) {
        if (described.kind == ControlKind::Frame && control(described) != nullptr) {
            SetWindowPos(control(described), HWND_BOTTOM, 0, 0, 0, 0, kOrderOnly);
        }
    }
    if (!stops.empty()) {
        focus_ = control(*stops.front());
    }
}

void Inf_Igra_Pebblix::ShowCaption(const ControlSpec& cell, std::string_view caption,
                                   std::string_view spokenName) {
    SetWindowTextW(control(cell), Wide(caption).c_str());
    spokenNames_.Name(control(cell), spokenName);
}

void Inf_Igra_Pebblix::ShowVisible(const ControlSpec& cell, bool visible) {
    ShowWindow(control(cell), visible ? SW_SHOWNA : SW_HIDE);
}

void Inf_Igra_Pebblix::ShowColour(const ControlSpec& cell, Rgb colour) {
    const std::size_t ordinal = description::Ordinal(cell);
    colours_.at(ordinal) = win32::Colour(colour);
    InvalidateRect(controls_.at(ordinal), nullptr, TRUE);
}

// Setting the timer again under the same id drops the interval under way and starts a new one.
void Inf_Igra_Pebblix::SetTimer(int intervalMs) {
    if (intervalMs > 0) {
        ::SetTimer(hwnd_, kTimer1, static_cast<UINT>(intervalMs), nullptr);
    } else {
        KillTimer(hwnd_, kTimer1);
    }
    timerInterval_ = intervalMs > 0 ? intervalMs : 0;
}

void Inf_Igra_Pebblix::Show() {
    const SIZE size = FrameSize(dpi_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    FitClientArea(work.left + (work.right - work.left - size.cx) / 2,
                  work.top + (work.bottom - work.top - size.cy) / 2);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(focus_);
    UpdateWindow(hwnd_);
}

int Inf_Igra_Pebblix::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

void Inf_Igra_Pebblix::Dispatch(MSG& message) {
    // Escape means nothing here. The window has no cancel button, and the rules text, a multi-line
    // text box under the dialog manager, would take Escape for a request to close the window.
    if ((message.message == WM_KEYDOWN || message.message == WM_KEYUP) &&
        message.wParam == VK_ESCAPE && hwnd_ != nullptr && IsChild(hwnd_, message.hwnd)) {
        return;
    }
    if (hwnd_ == nullptr || !IsDialogMessageW(hwnd_, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND Inf_Igra_Pebblix::control(const ControlSpec& described) const {
    return controls_.at(description::Ordinal(described));
}

HWND Inf_Igra_Pebblix::control(std::string_view name, std::int16_t index) const {
    const ControlSpec* described = Find(name, index);
    return described != nullptr ? control(*described) : nullptr;
}

LRESULT CALLBACK Inf_Igra_Pebblix::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The window's first message brings the object it belongs to.
        auto* self = static_cast<Inf_Igra_Pebblix*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<Inf_Igra_Pebblix*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->hwnd_ != hwnd) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT Inf_Igra_Pebblix::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        Command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1) {
            shared_.Tick();
        }
        return 0;
    case WM_DRAWITEM:
        DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return StaticColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_NEXTDLGCTL:
        // A multi-line text box asks for the next stop so when Tab is pressed in it.
        SetFocus(LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0));
        return 0;
    case WM_ACTIVATE:
        // The focus stays with its control while another window is active.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus != nullptr && IsChild(hwnd_, focus)) {
                focus_ = focus;
            }
            return 0;
        }
        [[fallthrough]];
    case WM_SETFOCUS:
        if (focus_ != nullptr) {
            SetFocus(focus_);
        }
        return 0;
    case WM_GETDPISCALEDSIZE:
        *reinterpret_cast<SIZE*>(lParam) = FrameSize(static_cast<UINT>(wParam));
        return TRUE;
    case WM_DPICHANGED: {
        Layout(HIWORD(wParam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        FitClientArea(suggested.left, suggested.top);
        return 0;
    }
    case WM_DESTROY:
        KillTimer(hwnd_, kTimer1);
        for (HWND control : controls_) {
            if (control != nullptr) {
                spokenNames_.Forget(control);
            }
        }
        // Closing the window ends the program; a window a test made and drops ends nothing.
        if (!closing_) {
            PostQuitMessage(0);
        }
        return 0;
    case WM_NCDESTROY: {
        HWND destroyed = hwnd_;
        hwnd_ = nullptr;
        controls_.fill(nullptr);
        return DefWindowProcW(destroyed, message, wParam, lParam);
    }
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

// A click acts once. An owner-drawn button reports a quick second click as a double click only,
// and a double click on an option button comes after a click that already selected it.
void Inf_Igra_Pebblix::Command(int id, int code, HWND control) {
    // Enter, as the dialog manager reports it: it presses the focused command button.
    const bool enter = control == nullptr && id == IDOK;
    const std::size_t ordinal = Ordinal(enter ? GetFocus() : control);
    if (ordinal == kControls.size()) {
        return;
    }
    const ControlSpec& clicked = kControls[ordinal];
    if (enter ? clicked.kind == ControlKind::CommandButton
              : code == BN_CLICKED || code == BN_DBLCLK) {
        shared_.Click(clicked);
    }
}

void Inf_Igra_Pebblix::Layout(UINT dpi) {
    dpi_ = dpi;
    const std::map<const FontSpec*, HFONT> old = std::exchange(fonts_, {});
    for (const ControlSpec& control : kControls) {
        if (!fonts_.contains(control.font)) {
            fonts_[control.font] = win32::MakeFont(*control.font, dpi);
        }
    }
    for (std::size_t ordinal = 0; ordinal < kControls.size(); ++ordinal) {
        if (controls_[ordinal] != nullptr) {
            const RECT place = Place(ordinal);
            SetWindowPos(controls_[ordinal], nullptr, place.left, place.top,
                         place.right - place.left, place.bottom - place.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(controls_[ordinal], WM_SETFONT,
                         reinterpret_cast<WPARAM>(fonts_.at(kControls[ordinal].font)), TRUE);
        }
    }
    for (const auto& [described, font] : old) {
        DeleteObject(font);
    }
    // The picture at the sizes this DPI wants of a title bar's and a task switcher's icon.
    for (const auto& [icon, which, metric] : {std::tuple{&bigIcon_, ICON_BIG, SM_CXICON},
                                              std::tuple{&smallIcon_, ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetricsForDpi(metric, dpi);
        HICON made = static_cast<HICON>(
            LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PEBBLIX), IMAGE_ICON, size, size, 0));
        SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(made));
        DestroyIcon(std::exchange(*icon, made));
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Frames hold their controls at their own corner: the place on the client area is in twips first.
RECT Inf_Igra_Pebblix::Place(std::size_t ordinal) const {
    const TwipRect& rect = kControls.at(ordinal).rect;
    const ControlSpec* frame = Container(kControls.at(ordinal));
    const int left = Pixels(rect.left + (frame ? frame->rect.left : 0), dpi_);
    const int top = Pixels(rect.top + (frame ? frame->rect.top : 0), dpi_);
    return {left, top, left + Pixels(rect.width, dpi_), top + Pixels(rect.height, dpi_)};
}

// The window at (left, top), sized so that its client area has the window's size at its DPI. Where
// the frame the system draws differs from the one it computes for that DPI (Wine keeps the frame of
// the DPI it started with), the difference is made up.
void Inf_Igra_Pebblix::FitClientArea(int left, int top) {
    constexpr UINT kPlaceOnly = SWP_NOZORDER | SWP_NOACTIVATE;
    const SIZE size = FrameSize(dpi_);
    SetWindowPos(hwnd_, nullptr, left, top, size.cx, size.cy, kPlaceOnly);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int wider = Pixels(kWindow.clientWidth, dpi_) - client.right;
    const int taller = Pixels(kWindow.clientHeight, dpi_) - client.bottom;
    if (wider != 0 || taller != 0) {
        SetWindowPos(hwnd_, nullptr, 0, 0, size.cx + wider, size.cy + taller,
                     kPlaceOnly | SWP_NOMOVE);
    }
}

SIZE Inf_Igra_Pebblix::FrameSize(UINT dpi) const {
    RECT frame{0, 0, Pixels(kWindow.clientWidth, dpi), Pixels(kWindow.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, WindowStyle(kWindow), FALSE, kWindowExStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

HBRUSH Inf_Igra_Pebblix::Brush(COLORREF colour) {
    HBRUSH& brush = brushes_[colour];
    if (brush == nullptr) {
        brush = CreateSolidBrush(colour);
    }
    return brush;
}

LRESULT Inf_Igra_Pebblix::StaticColours(HDC dc, HWND control) {
    const std::size_t ordinal = Ordinal(control);
    if (ordinal < kControls.size() && colours_[ordinal]) {
        SetBkColor(dc, *colours_[ordinal]);
        return reinterpret_cast<LRESULT>(Brush(*colours_[ordinal]));
    }
    if (ordinal < kControls.size() && kControls[ordinal].kind == ControlKind::TextBox) {
        // A read-only text box keeps the white of one that can be typed into.
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

// A raised face of the button's colour, sunken while pressed, with the system's focus marks: a
// dark outline and a dotted rectangle, unless the keyboard has not been used yet.
void Inf_Igra_Pebblix::DrawButton(const DRAWITEMSTRUCT& item) {
    const std::size_t ordinal = Ordinal(item.hwndItem);
    if (ordinal == kControls.size()) {
        return;
    }
    HDC dc = item.hDC;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused =
        (item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0;
    RECT face = item.rcItem;
    if ((item.itemState & ODS_FOCUS) != 0) {
        FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&face, -1, -1);
    }
    FillRect(dc, &face, Brush(colours_[ordinal].value_or(0)));
    DrawEdge(dc, &face, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    wchar_t text[64] = {};
    const int length = GetWindowTextW(item.hwndItem, text, static_cast<int>(std::size(text)));
    RECT label = item.rcItem;
    if (pushed) {
        OffsetRect(&label, 1, 1);
    }
    HGDIOBJ previous = SelectObject(dc, fonts_.at(kControls[ordinal].font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, text, length, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    if (focused) {
        RECT dots = item.rcItem;
        const int inset = MulDiv(4, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
        InflateRect(&dots, -inset, -inset);
        DrawFocusRect(dc, &dots);
    }
}

// The window's colour, and each frame's own inside it: a group frame paints only its line and
// caption and leaves its inside to the window beneath.
void Inf_Igra_Pebblix::EraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, Brush(windowColour_));
    for (std::size_t ordinal = 0; ordinal < kControls.size(); ++ordinal) {
        if (kControls[ordinal].kind == ControlKind::Frame && controls_[ordinal] &&
            colours_[ordinal]) {
            RECT frame{};
            GetWindowRect(controls_[ordinal], &frame);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&frame), 2);
            FillRect(dc, &frame, Brush(*colours_[ordinal]));
        }
    }
}

std::size_t Inf_Igra_Pebblix::Ordinal(HWND control) const {
    return control == nullptr ? kControls.size()
                              : static_cast<std::size_t>(std::ranges::find(controls_, control) -
                                                         controls_.begin());
}

} // namespace pebblix
