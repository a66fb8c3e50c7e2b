// page.js: the page's elements, taken over and changed for the page's front end (pagefrontend.cpp).
//
// An Emscripten library, linked with --js-library: each function is introduced by the C prototype
// that calls it (page.h). The page's markup, written at build time, holds every element and marks
// each control's with its ordinal in the window's description (data-ordinal), by which the front
// end names it. The script changes the cells, runs the timer and reports clicks and ticks; it knows
// nothing of the game.
'use strict';

(() => {
// Emscripten 3.1.6 has UTF8ToString in its runtime; later versions make it a library function that
// must be asked for.
const strings = '$UTF8ToString' in LibraryManager.library ? ['$UTF8ToString'] : [];
const add = typeof addToLibrary === 'function' ? addToLibrary
    : (functions) => mergeInto(LibraryManager.library, functions);

add({
    // The controls' elements by ordinal, and the running interval.
    $Page: {
        elements: [],
        timer: 0,
    },

    // void page_take_over();
    // Finds the controls' elements and listens to the whole page once: a command button's click
    // and an option button's `change`, which comes only to the one newly selected, go to
    // page_click. The option group's selection is set again as the markup has it: a browser may
    // have restored another from an earlier visit.
    page_take_over__deps: ['$Page', 'page_click'],
    page_take_over: function () {
        for (const element of document.querySelectorAll('[data-ordinal]')) {
            Page.elements[element.dataset.ordinal] = element;
            if (element.type === 'radio') {
                element.checked = element.defaultChecked;
            }
        }
        const report = function (event) {
            const control = event.target;
            const reporting = event.type === 'click' ? 'button' : 'radio';
            if (control.dataset.ordinal && control.type === reporting) {
                _page_click(Number(control.dataset.ordinal));
            }
        };
        document.addEventListener('click', report);
        document.addEventListener('change', report);
    },

    // void page_show_caption(int ordinal, const char* caption, const char* spokenName);
    page_show_caption__deps: ['$Page', ...strings],
    page_show_caption: function (ordinal, caption, spokenName) {
        const element = Page.elements[ordinal];
        // Into the text it has: a new text node would cost the cell its layout twice over.
        element.firstChild.data = UTF8ToString(caption);
        element.setAttribute('aria-label', UTF8ToString(spokenName));
    },

    // void page_show_visible(int ordinal, int visible);
    page_show_visible__deps: ['$Page'],
    page_show_visible: function (ordinal, visible) {
        Page.elements[ordinal].hidden = !visible;
    },

    // void page_show_colour(int ordinal, int colour);
    // The colour as 0xRRGGBB.
    page_show_colour__deps: ['$Page'],
    page_show_colour: function (ordinal, colour) {
        Page.elements[ordinal].style.backgroundColor = '#' + colour.toString(16).padStart(6, '0');
    },

    // void page_set_timer(int intervalMs);
    // One interval at a time; setting it again starts it afresh, as re-enabling a timer does.
    // 0 stops it. Each tick calls page_tick.
    page_set_timer__deps: ['$Page', 'page_tick'],
    page_set_timer: function (intervalMs) {
        clearInterval(Page.timer);
        Page.timer = intervalMs > 0 ? setInterval(() => _page_tick(), intervalMs) : 0;
    },

    // void page_focus(int ordinal);
    // Gives the keyboard focus to one control. A text box takes it with its caret at the start and
    // its first lines in view.
    page_focus__deps: ['$Page'],
    page_focus: function (ordinal) {
        const first = Page.elements[ordinal];
        if (first.setSelectionRange) {
            first.setSelectionRange(0, 0);
        }
        first.focus();
        first.scrollTop = 0;
    },
});
})();
