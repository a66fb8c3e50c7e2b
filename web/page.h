// page.h: the page's script as the page's front end calls it (page.js), and the events it reports.
//
// A control is named by its ordinal in the window's description, which the markup writes on its
// element as `data-ordinal`. Strings are UTF-8 and end with a NUL.
#pragma once

extern "C" {

// Implemented in page.js.
void page_take_over();
void page_show_caption(int ordinal, const char* caption, const char* spokenName);
void page_show_visible(int ordinal, int visible);
void page_show_colour(int ordinal, int colour);
void page_set_timer(int intervalMs);
void page_focus(int ordinal);

// Implemented in main.cpp and called from page.js: a click on a command button or an option button
// becoming selected, and one tick of the timer.
void page_click(int ordinal);
void page_tick();

} // extern "C"
