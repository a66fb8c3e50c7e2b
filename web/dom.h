// dom.h: the page's document as the window's C++ side sees it: a thin layer over the DOM.
//
// Each function makes or changes one element of one control, or starts and stops the timer. The
// JavaScript behind them knows how to draw a kind of control and whom to tell of a click; it
// knows nothing of the game.
#pragma once

#include "description.h"
#include "windowobjects.h"

#include <cstdint>
#include <string_view>

namespace pebblix::dom {

// What kind of element a control becomes. The cells are labels to the description but boxes
// with a spoken name to the page.
enum class Element { Label = 0, Cell = 1, Frame = 2, Option = 3, Button = 4, Text = 5 };

// Titles the document and sizes the client area `#<name>` from the window's own row.
void SetUpWindow(const description::FormSpec& form);

// Makes the element of one visible control inside its container, at its place, in its colours,
// font and text. `accessibleName` names it for screen readers where its text does not (the cells,
// the rules text); empty otherwise. A button reports its clicks and an option button its
// selection to the exported handlers in main.cpp, by the control's index.
void Create(Element element, const description::ControlSpec& control, std::string_view name,
            std::string_view accessibleName);

// A cell's caption, its spoken name, its visibility and its colour.
void SetCell(std::int16_t index, std::string_view caption, std::string_view accessibleName);
void SetCellVisible(std::int16_t index, bool visible);
void SetCellColour(std::int16_t index, Rgb colour);

// Whether the option button `Option1`(index) is the selected one of its group.
bool OptionSelected(std::int16_t index);

// Starts the timer ticking every `intervalMs` from now, dropping any interval under way; 0 stops
// it. Each tick calls the exported tick handler.
void SetTimer(int intervalMs);

// Shows the client area, built and laid out, and gives the keyboard focus to one control.
void Show(std::string_view focusId);

} // namespace pebblix::dom
