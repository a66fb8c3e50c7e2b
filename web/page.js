// page.js: the page's elements, taken over and changed for the window's C++ side (pagefrontend.cpp).
//
// An Emscripten library, linked with --js-library: each function is introduced by the C prototype
// that calls it (page.h). The page's markup, written at build time, holds every element; a control
// crosses as one record, a JSON object made by the C++ side, which finds its element by id, and is
// known from then on by its row of the window's description. The script changes the cells and
// reports clicks and ticks by row; it knows nothing of the game.
'use strict';

(() => {
// Emscripten 3.1.6 has UTF8ToString in its runtime; later versions make it a library function that
// must be asked for.
const strings = '$UTF8ToString' in LibraryManager.library ? ['$UTF8ToString'] : [];
const add = typeof addToLibrary === 'function' ? addToLibrary
    : (functions) => mergeInto(LibraryManager.library, functions);

add({
    // The page's elements by row, and the running interval.
    $Page: {
        elements: [],
        timer: 0,
    },

    // void page_take_form(const char* record);
    // {id, title, style: [[property, value], ...]}: titles the document and gives the client area,
    // the element with the form's id, its size, colour and font.
    page_take_form__deps: [...strings],
    page_take_form: function (record) {
        const form = JSON.parse(UTF8ToString(record));
        document.title = form.title;
        const area = document.getElementById(form.id);
        // (Emscripten 3.1.6's minifier loses a destructuring loop variable.)
        for (const declaration of form.style) {
            area.style.setProperty(declaration[0], declaration[1]);
        }
    },

    // void page_take(int row, const char* record);
    // {id, kind, selected, text}: takes over the element of one control, which the page's markup
    // holds, and binds its events. `kind` is option, button, text or other.
    page_take__deps: ['$Page', ...strings, 'page_click'],
    page_take: function (row, record) {
        const control = JSON.parse(UTF8ToString(record));
        const element = document.getElementById(control.id);
        if (control.kind === 'option') {
            // One group per frame, so the browser keeps exactly one selected and gives the group
            // one Tab stop, at its selected button; `change` comes only to the newly selected one.
            // The selection is set again: a browser may have restored one from an earlier visit.
            element.checked = control.selected;
            element.addEventListener('change', () => _page_click(row));
        } else if (control.kind === 'button') {
            element.addEventListener('click', () => _page_click(row));
        } else if (control.kind === 'text') {
            // Its text lives in its value, not in its markup.
            element.value = control.text;
            element.textContent = '';
        }
        Page.elements[row] = element;
    },

    // void page_show_caption(int row, const char* caption, const char* spokenName);
    page_show_caption__deps: ['$Page', ...strings],
    page_show_caption: function (row, caption, spokenName) {
        const element = Page.elements[row];
        // Into the text it has: a new text node would cost the cell its layout twice over.
        element.firstChild.data = UTF8ToString(caption);
        element.setAttribute('aria-label', UTF8ToString(spokenName));
    },

    // void page_show_visible(int row, int visible);
    page_show_visible__deps: ['$Page'],
    page_show_visible: function (row, visible) {
        Page.elements[row].hidden = !visible;
    },

    // void page_show_colour(int row, int colour);
    // The colour as 0xRRGGBB.
    page_show_colour__deps: ['$Page'],
    page_show_colour: function (row, colour) {
        Page.elements[row].style.backgroundColor = '#' + colour.toString(16).padStart(6, '0');
    },

    // void page_set_timer(int intervalMs);
    // One interval at a time; setting it again starts it afresh, as re-enabling a timer does.
    // 0 stops it. Each tick calls page_tick.
    page_set_timer__deps: ['$Page', 'page_tick'],
    page_set_timer: function (intervalMs) {
        clearInterval(Page.timer);
        Page.timer = intervalMs > 0 ? setInterval(() => _page_tick(), intervalMs) : 0;
    },

    // void page_show(int row);
    // The window is ready: gives the keyboard focus to one control. A text box takes it with its
    // caret at the start and its first lines in view.
    page_show__deps: ['$Page'],
    page_show: function (row) {
        const first = Page.elements[row];
        if (first.setSelectionRange) {
            first.setSelectionRange(0, 0);
        }
        first.focus();
        first.scrollTop = 0;
    },
});
})();
