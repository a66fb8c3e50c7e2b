// page.h: the page's script as the window's C++ side calls it (page.js), and the events it reports.
//
// Records are JSON objects, made by pagefrontend.cpp; page.js says what each holds. Strings are
// UTF-8 and end with a NUL. A control is named by its row of the description.
#pragma once

extern "C" {

// Implemented in page.js.
void page_take_form(const char* record);
void page_take(int row, const char* record);
void page_show_caption(int row, const char* caption, const char* spokenName);
void page_show_visible(int row, int visible);
void page_show_colour(int row, int colour);
void page_set_timer(int intervalMs);
void page_show(int row);

// Implemented in main.cpp and called from page.js: a click on the control of a row (a button, or
// an option button becoming selected), and one tick of the timer.
void page_click(int row);
void page_tick();

} // extern "C"
