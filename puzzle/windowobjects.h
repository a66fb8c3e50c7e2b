// windowobjects.h: what the puzzle may do with the window's controls, without any toolkit.
//
// The puzzle keeps its board in the captions of nine cell labels and its history in a list box,
// as the window holds them. These small interfaces name exactly the operations it uses, and belong
// to the puzzle: whatever shows the game (the window every front end shares, the in-memory
// stand-in the tests use) implements them, so the same puzzle code drives all of them.
#pragma once

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

namespace pebblix {

// An RGB colour of three 8-bit components.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

// A cell of the board (`Label2`): its caption is the piece it holds.
class CellObject {
public:
    virtual ~CellObject() = default;
    // The text last written, exactly.
    virtual std::string Caption() const = 0;
    // Stored at once; drawn only after the running handler has returned. A hidden cell keeps its
    // caption.
    virtual void SetCaption(std::string_view text) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetBackColor(Rgb colour) = 0;
};

// A list box (`List1`): rows kept in the order they were added, never sorted.
class ListObject {
public:
    virtual ~ListObject() = default;
    virtual void Clear() = 0;
    // Appends the text as the new last row.
    virtual void AddItem(std::string_view text) = 0;
    // Removes the row at 0-based index k; later rows move up. Does nothing for k out of range.
    virtual void RemoveItem(std::int16_t k) = 0;
    virtual std::int16_t ListCount() const = 0;
    // The row at 0-based index k; an empty text for k outside 0..ListCount-1. Never fails.
    virtual std::string List(std::int16_t k) const = 0;
};

// An option button (`Option1`): exactly one button of its frame is selected.
class OptionObject {
public:
    virtual ~OptionObject() = default;
    virtual bool Value() const = 0;
};

// The playback timer (`Timer1`): while enabled it ticks every 400 ms.
class TimerObject {
public:
    virtual ~TimerObject() = default;
    virtual void SetEnabled(bool enabled) = 0;
};

// The window as the puzzle sees it: nine cells, three lists (the history and the two stored
// solutions), the two option buttons and the timer. Indices outside the arrays are the caller's
// error; the puzzle never makes one.
class WindowObjects {
public:
    virtual ~WindowObjects() = default;
    virtual CellObject& Label2(std::int16_t index) = 0;
    virtual ListObject& List1(std::int16_t index) = 0;
    virtual OptionObject& Option1(std::int16_t index) = 0;
    virtual TimerObject& Timer1() = 0;
};

// The small text functions the puzzle uses on the controls' texts.

// Decimal text of a small integer: 0 -> "0", 1 -> "1", no blank and no sign for non-negatives.
inline std::string DecimalText(int value) {
    return std::to_string(value);
}

// Numeric value of a text: the value of its leading decimal number (leading blanks and one sign
// allowed), 0 when there is none, e.g. for an empty text. Saturates instead of overflowing.
inline int NumericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = INT_MAX;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

// The one-character substring at a 1-based position; empty before the start or beyond the end.
inline std::string CharAt(std::string_view text, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > text.size()) {
        return {};
    }
    return std::string(1, text[static_cast<std::size_t>(position) - 1]);
}

// An RGB colour from three components, each clamped to 0..255.
constexpr Rgb RgbColor(int red, int green, int blue) {
    auto clamp = [](int c) { return static_cast<std::uint8_t>(c < 0 ? 0 : (c > 255 ? 255 : c)); };
    return {clamp(red), clamp(green), clamp(blue)};
}

} // namespace pebblix
