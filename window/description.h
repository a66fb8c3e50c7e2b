// description.h: the window of the game as data.
//
// Every control of the window is one entry of `kControls`: its kind, its container, its place and
// size in twips, colour, text, font, keyboard order, visibility and other settings. Every front end
// is built from this table by one loop (SharedWindow::Build), the window's description for what is
// not C++ is written from it (describe.cpp), and the tests read the same entries, so each value is
// written down exactly once.
#pragma once

#include "windowobjects.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pebblix::description {

// 1440 twips make an inch; at 96 dots per inch a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

enum class ControlKind { Label, Frame, OptionButton, CommandButton, TextBox, ListBox, Timer };

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FontSpec {
    std::string_view face{};
    int points = 0;
    int weight = 400; // 400 is regular
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int charset = 204; // Cyrillic
};

inline constexpr FontSpec kWindowFont{.face = "Times New Roman", .points = 12};
inline constexpr FontSpec kCellFont{.face = "Times New Roman", .points = 48};

// The window's own settings.
struct WindowSpec {
    std::string_view name{};
    std::string_view address{}; // the maker's web-site address, first in the title bar
    std::string_view caption{}; // follows the address
    int clientWidth = 0;        // twips
    int clientHeight = 0;       // twips
    Rgb backColor{};
    FontSpec font{};
    bool fixedBorder = true; // the border cannot be dragged
    bool minMaxBoxes = false;
    bool systemMenu = true; // with its close box
    bool centred = true;    // opens centred on the screen
};

inline constexpr WindowSpec kWindow{
    .name = "Inf_Igra_Pebblix",
    .address = "www.example.org",
    .caption = " Информатика - Pebblix",
    .clientWidth = 7965,
    .clientHeight = 5985,
    .backColor = RgbColor(192, 192, 255),
    .font = kWindowFont,
};

// One control. Rows of one control array share the name and differ by index; `index` is -1 for a
// control that is not in an array (the frames and the timer).
struct ControlSpec {
    std::string_view name{};
    std::int16_t index = -1;
    ControlKind kind = ControlKind::Label;
    std::string_view container{};   // empty for the window itself, else the frame's name
    TwipRect rect{};                // relative to the client area or to the containing frame
    std::optional<Rgb> backColor{}; // none: the platform's default
    std::string_view text{};        // caption, or a text box's text, or empty
    const FontSpec* font = &kWindowFont;
    std::int16_t tabIndex = -1; // -1: not in the keyboard order at all (the timer)
    bool visible = true;
    bool centred = false;      // caption centred
    bool singleBorder = false; // a fixed single border around a label
    bool selected = false;     // an option button's Value
    bool multiLine = false;
    bool verticalScroll = false;
    bool readOnly = false;
    int intervalMs = 0; // a timer's interval
    bool enabled = true;
};

// The rules of the game, shown in the lower part of the window. Every line ends with CR LF.
inline constexpr std::string_view kRulesText =
    "Дадени са две отделни групи с равен брой пулове: бели/черни или означени с единици/двойки, "
    "като всеки пул заема по едно поле.\r\n"
    "В началото пуловете от всяка група са един до друг - единиците отляво, двойките отдясно, а "
    "групите са разделени - средното поле е свободно. \r\n"
    "Целта е пуловете да разменят местата си, като се ползват следните правила:\r\n"
    "Всяка фигура от дадена група се движи еднопосочно, т.е. ходовете в обратна посока са "
    "забранени.\r\n"
    "Произволен пул може да се премести (еднопосочно) в съседно свободно поле.\r\n"
    "Пул от дадена група може да прескача противников пул, ако след него се намира свободното "
    "поле.\r\n"
    "При преместването не е задължително редуването на пуловете означени с единици и двойки.\r\n"
    "Да се реализира проект по Информатика, осъществяващ играта Pebblix.\r\n"
    "\r\n"
    "В примерния проект се ползват следните командни бутони:\r\n"
    "за местене: 1 надясно, 2 наляво, за прескачане: 1 прескача, 2 прескача, корекция на ход: Ход "
    "назад (връща предходната ситуация), Чисти (играта в начално положение), Подскажи (примерно "
    "решение).\r\n"
    "Реализирани са два варианта на играта - всяка от групите съдържа съответно по 3 (общ брой "
    "полета 7) или 4 пула (общ брой полета 9). Чрез група радиобутони се определя варианта.\r\n";

// A quotation the window keeps but never shows.
inline constexpr std::string_view kQuotation =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

// The sample solution for three pieces per side: the start position, then one move a row, ending
// on the swapped position.
inline constexpr std::array<std::string_view, 16> kSolutionThree{
    "1110222", "1112022", "1102122", "1012122", "1210122", "1212102", "1212120", "1212021",
    "1202121", "0212121", "2012121", "2210121", "2212101", "2212011", "2202111", "2220111",
};

// The sample solution for four pieces per side. Its first row is already the position after the
// first move; the start position is not in the table.
inline constexpr std::array<std::string_view, 24> kSolutionFour{
    "111120222", "111021222", "110121222", "112101222", "112121022", "112121202",
    "112120212", "112021212", "102121212", "012121212", "210121212", "212101212",
    "212121012", "212121210", "212121201", "212120211", "212021211", "202121211",
    "220121211", "222101211", "222121011", "222120111", "222021111", "222201111",
};

namespace detail {
constexpr ControlSpec Cell(std::int16_t index, int left, std::string_view caption, Rgb colour) {
    return {.name = "Label2",
            .index = index,
            .kind = ControlKind::Label,
            .container = "Frame1",
            .rect = {left, 360, 615, 1095},
            .backColor = colour,
            .text = caption,
            .font = &kCellFont,
            .tabIndex = static_cast<std::int16_t>(13 + index),
            .centred = true,
            .singleBorder = true};
}

constexpr ControlSpec Button(std::int16_t index, std::string_view caption, TwipRect rect,
                             Rgb colour, std::int16_t tabIndex) {
    return {.name = "Command1",
            .index = index,
            .kind = ControlKind::CommandButton,
            .rect = rect,
            .backColor = colour,
            .text = caption,
            .tabIndex = tabIndex};
}

// An option button of Frame2; its group keeps exactly one selected.
constexpr ControlSpec Option(std::int16_t index, int top, std::string_view caption,
                             std::int16_t tabIndex, bool selected) {
    return {.name = "Option1",
            .index = index,
            .kind = ControlKind::OptionButton,
            .container = "Frame2",
            .rect = {120, top, 615, 300},
            .backColor = RgbColor(128, 128, 255),
            .text = caption,
            .tabIndex = tabIndex,
            .selected = selected};
}

// A read-only text box of several lines with a vertical scroll bar.
constexpr ControlSpec TextBox(std::int16_t index, TwipRect rect, std::string_view text,
                              std::int16_t tabIndex, bool visible) {
    return {.name = "Text1",
            .index = index,
            .kind = ControlKind::TextBox,
            .rect = rect,
            .text = text,
            .tabIndex = tabIndex,
            .visible = visible,
            .multiLine = true,
            .verticalScroll = true,
            .readOnly = true};
}

constexpr ControlSpec HiddenList(std::int16_t index, int top, std::int16_t tabIndex) {
    return {.name = "List1",
            .index = index,
            .kind = ControlKind::ListBox,
            .rect = {6480, top, 1095, 345},
            .tabIndex = tabIndex,
            .visible = false};
}

inline constexpr Rgb kMoveColour = RgbColor(128, 255, 128);
inline constexpr Rgb kStartLeft = RgbColor(224, 224, 224);
inline constexpr Rgb kStartMiddle = RgbColor(0, 255, 0);
inline constexpr Rgb kStartRight = RgbColor(128, 128, 128);
} // namespace detail

// Every control, containers before what they contain.
inline constexpr std::array<ControlSpec, 27> kControls{{
    {.name = "Label1",
     .index = 0,
     .kind = ControlKind::Label,
     .rect = {600, 0, 5415, 375},
     .backColor = RgbColor(255, 192, 128),
     .text = "Информатика - размени пуловете, Pebblix",
     .tabIndex = 2,
     .centred = true},
    {.name = "Frame1",
     .kind = ControlKind::Frame,
     .rect = {120, 480, 6375, 1575},
     .backColor = RgbColor(192, 192, 255),
     .text = "Две групи с пулове",
     .tabIndex = 12},
    detail::Cell(0, 120, "1", detail::kStartLeft),
    detail::Cell(1, 840, "1", detail::kStartLeft),
    detail::Cell(2, 1560, "1", detail::kStartLeft),
    detail::Cell(3, 2280, "1", detail::kStartLeft),
    detail::Cell(4, 3000, "0", detail::kStartMiddle),
    detail::Cell(5, 3720, "2", detail::kStartRight),
    detail::Cell(6, 4440, "2", detail::kStartRight),
    detail::Cell(7, 5040, "2", detail::kStartRight),
    detail::Cell(8, 5640, "2", detail::kStartRight),
    {.name = "Frame2",
     .kind = ControlKind::Frame,
     .rect = {6840, 1440, 855, 975},
     .backColor = RgbColor(192, 192, 255),
     .text = "Колко",
     .tabIndex = 23},
    detail::Option(0, 300, "3", 24, true),
    detail::Option(1, 600, "4", 25, false),
    detail::Button(0, "1 надясно", {6600, 480, 1215, 375}, detail::kMoveColour, 3),
    detail::Button(1, "2 наляво", {6600, 960, 1215, 375}, detail::kMoveColour, 4),
    detail::Button(2, "1 прескача", {120, 2160, 1335, 375}, detail::kMoveColour, 5),
    detail::Button(3, "2 прескача", {1560, 2160, 1335, 375}, detail::kMoveColour, 6),
    detail::Button(4, "Ход назад", {3000, 2160, 1335, 375}, RgbColor(255, 128, 0), 7),
    detail::Button(5, "Чисти", {4440, 2160, 1335, 375}, RgbColor(255, 0, 0), 8),
    detail::Button(6, "Подскажи", {6600, 0, 1215, 375}, RgbColor(128, 128, 255), 10),
    detail::TextBox(0, {120, 2640, 7695, 3255}, kRulesText, 0, true),
    detail::TextBox(1, {600, 4680, 6735, 1815}, kQuotation, 1, false),
    detail::HiddenList(0, 3120, 9),
    detail::HiddenList(1, 3480, 11),
    detail::HiddenList(2, 3840, 22),
    {.name = "Timer1", .kind = ControlKind::Timer, .intervalMs = 400, .enabled = false},
}};

// A control's entry; nullptr when the window has no such control.
constexpr const ControlSpec* Find(std::string_view name, std::int16_t index = -1) {
    for (const ControlSpec& control : kControls) {
        if (control.name == name && control.index == index) {
            return &control;
        }
    }
    return nullptr;
}

// A control's place in kControls, counted from 0, by which front ends keep their own objects.
constexpr std::size_t Ordinal(const ControlSpec& control) {
    return static_cast<std::size_t>(&control - kControls.data());
}

// The frame a control sits in; nullptr for a control on the window itself.
constexpr const ControlSpec* Container(const ControlSpec& control) {
    return control.container.empty() ? nullptr : Find(control.container);
}

// The cells of the board, `Label2`(0..8).
constexpr bool IsCell(const ControlSpec& control) {
    return control.name == "Label2";
}

// The title strip `Label1`(0), across the top of the window.
constexpr bool IsTitle(const ControlSpec& control) {
    return control.name == "Label1";
}

// The rules text `Text1`(0), which a screen reader calls kRulesName.
constexpr bool IsRules(const ControlSpec& control) {
    return control.name == "Text1" && control.index == 0;
}

// The stored rows of a list: the two solution tables for `List1`(1) and (2); none for the history.
constexpr std::span<const std::string_view> ListRows(std::int16_t index) {
    switch (index) {
    case 1:
        return kSolutionThree;
    case 2:
        return kSolutionFour;
    default:
        return {};
    }
}

} // namespace pebblix::description
