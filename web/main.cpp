// main.cpp: starts the web edition of Pebblix: takes the page over, lays out the first game.
//
// The page, build/web/pebblix.html, is one self-contained file: the markup and style of
// page.html.in with the window's own markup (written at build time, markupfrontend.h), this program
// as WebAssembly with its JavaScript (page.js), which takes that markup over, the icon and the
// font, put together by assemble.py. How the page meets its tests:
//   - The client area is `#Inf_Igra_Pebblix`; each visible control is one element with the id
//     `<Name>_<index>` (a member of a control array) or `<Name>`: `Label1_0`, the cells `Label2_0`
//     to `Label2_8`, `Frame1`, `Frame2` (fieldsets with their legends), the radio inputs
//     `Option1_0` and `Option1_1` (each followed by its <label>), the buttons `Command1_0` to
//     `Command1_6` and the rules text `Text1_0`, a read-only <textarea>. The lists, the quotation
//     and the timer are data and have no element.
//   - A cell has the role "img" and is named "Поле N: празно/единица/двойка" by aria-label: an
//     element of no particular role may not carry a name of its own.
//   - The client area is the page's main landmark and the title strip `Label1_0` its heading.
//   - Tab follows the description's keyboard order, which is the controls' document order, with
//     the option group as one stop at its selected button. After the last stop the focus goes on
//     to the browser's own controls and then comes back to the rules text, rather than being kept
//     inside the page.
//   - Nothing is added to `window`: the Emscripten runtime runs inside a function of its own.
#include "page.h"
#include "pagefrontend.h"

#include <emscripten.h>

namespace {
pebblix::PageFrontEnd* page = nullptr;
} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void page_click(int ordinal) {
    page->Click(ordinal);
}

EMSCRIPTEN_KEEPALIVE void page_tick() {
    page->Tick();
}

} // extern "C"

int main() {
    // Lives as long as the page: the runtime stays up after main returns, to serve the events.
    static pebblix::PageFrontEnd window;
    page = &window;
    window.Load();
    return 0;
}
