// page.js: the page's elements, made and changed for the window's C++ side (pagewindow.cpp).
//
// An Emscripten library, linked with --js-library: each function is introduced by the C prototype
// that calls it (page.h). A control crosses as one record, a JSON object made by the C++ side, and
// is known from then on by its row of the window's description. The script knows how to draw a
// kind of control and reports clicks and ticks by row; it knows nothing of the game.
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
        // A control's element, or the client area for the row -1.
        element: (row) => (row < 0 ? Page.client : Page.elements[row]),
        client: null,
        // The element of one control, made and placed inside its container's.
        make: (control, parent) => {
            const tags = { heading: 'h1', label: 'div', cell: 'div', frame: 'fieldset',
                option: 'input', button: 'button', text: 'textarea' };
            const element = document.createElement(tags[control.kind]);
            element.id = control.id;
            element.className = control.kind;
            const box = element.style;
            [box.left, box.top, box.width, box.height] = control.box.map((v) => v + 'px');
            if (control.colour !== null) {
                box.backgroundColor = Page.hex(control.colour);
            }
            const font = control.font;
            Page.font(box, font);
            box.fontWeight = font.weight;
            box.fontStyle = font.italic ? 'italic' : 'normal';
            box.textDecoration = [font.underline ? 'underline' : '',
                font.strikethrough ? 'line-through' : ''].join(' ');
            if (control.centred) {
                element.classList.add('centred');
            }
            if (control.bordered) {
                element.classList.add('bordered');
            }
            switch (control.kind) {
            case 'cell':
                box.lineHeight = control.box[3] - 2 + 'px'; // inside its 1-px border
                element.setAttribute('role', 'img');
                element.setAttribute('aria-label', control.name);
            // fall through: a cell shows its caption as a label does, and so does the title strip
            case 'heading':
            case 'label':
                element.textContent = control.text;
                break;
            case 'frame': {
                const legend = document.createElement('legend');
                legend.textContent = control.text;
                element.append(legend);
                break;
            }
            case 'option': {
                element.type = 'radio';
                element.name = parent.id;
                const label = document.createElement('label');
                label.htmlFor = element.id;
                label.textContent = control.text;
                label.className = 'option-caption';
                label.style.cssText = box.cssText;
                label.style.backgroundColor = 'transparent';
                // The button is hit over a taller area than it is drawn: its transparent border
                // reaches `hit` pixels above and below the drawing, which fills only the padding
                // box.
                const [up, down] = control.hit;
                box.top = control.box[1] - up + 'px';
                box.height = control.box[3] + up + down + 'px';
                box.borderTopWidth = up + 'px';
                box.borderBottomWidth = down + 'px';
                parent.append(element, label);
                break;
            }
            case 'button':
                element.type = 'button';
                element.textContent = control.text;
                break;
            default:
                element.value = control.text;
                element.readOnly = control.readOnly;
                element.wrap = control.multiLine ? 'soft' : 'off';
                element.spellcheck = false;
                box.overflowY = control.scroll ? 'scroll' : 'hidden';
                if (control.name) {
                    element.setAttribute('aria-label', control.name);
                }
            }
            if (!element.isConnected) {
                parent.append(element);
            }
            return element;
        },
        hex: (colour) => '#' + colour.toString(16).padStart(6, '0'),
        // The face first, then the embedded stand-in, in the size of its points at 96 dpi.
        font: (style, font) => {
            style.fontFamily = `"${font.face}", "Pebblix Serif", serif`;
            style.fontSize = (font.points * 96) / 72 + 'px';
        },
    },

    // void page_make_form(const char* record);
    // {id, title, width, height, colour, font: {face, points}}: titles the document and sizes the
    // client area, the element with the form's id.
    page_make_form__deps: ['$Page', ...strings],
    page_make_form: function (record) {
        const form = JSON.parse(UTF8ToString(record));
        const area = document.getElementById(form.id);
        Page.client = area;
        document.title = form.title;
        area.style.width = form.width + 'px';
        area.style.height = form.height + 'px';
        area.style.backgroundColor = Page.hex(form.colour);
        Page.font(area.style, form.font);
    },

    // void page_make(int row, const char* record);
    // {id, kind, container, box: [left, top, width, height], colour, text, font: {face, points,
    // weight, italic, underline, strikethrough}, centred, bordered, selected, multiLine, scroll,
    // readOnly, name}, and for an option button hit: [up, down]. Makes the element of one control
    // inside its container's (a row, or -1 for the client area), at its place in CSS pixels.
    // `kind` is heading, label, cell, frame, option, button or text; `colour` is null for the
    // browser's default; `name` is the spoken name, or empty.
    // When the page already holds the element (its markup is written at build time by this very
    // script, see markup.js), the element is taken over: it only gets its listeners and its
    // option button's selection, which a browser may have restored from an earlier visit.
    page_make__deps: ['$Page', ...strings, 'page_click'],
    page_make: function (row, record) {
        const control = JSON.parse(UTF8ToString(record));
        const parent = Page.element(control.container);
        const element = document.getElementById(control.id) || Page.make(control, parent);
        if (control.kind === 'option') {
            // One group per frame, so the browser keeps exactly one selected and gives the group
            // one Tab stop, at its selected button; `change` comes only to the newly selected one.
            element.checked = control.selected;
            element.addEventListener('change', () => _page_click(row));
        } else if (control.kind === 'button') {
            element.addEventListener('click', () => _page_click(row));
        } else if (control.kind === 'text' && element.firstChild) {
            // Its text lives in its value, as when the script makes it, not in its markup.
            element.value = control.text;
            element.textContent = '';
        }
        Page.elements[row] = element;
    },

    // void page_set_tab_order(const char* rows);
    // The rows of the controls that take the focus, as a JSON list in the keyboard order. Tab
    // follows the document's order: each control (or the frame that holds it) moves behind the
    // ones before it. Nothing overlaps, so the window looks the same.
    page_set_tab_order__deps: ['$Page', ...strings],
    page_set_tab_order: function (rows) {
        const order = [];
        for (const row of JSON.parse(UTF8ToString(rows))) {
            let element = Page.elements[row];
            while (element.parentElement !== Page.client) {
                element = element.parentElement;
            }
            if (!order.includes(element)) {
                order.push(element);
            }
        }
        const last = [...Page.client.children].slice(-order.length);
        if (order.some((element, i) => last[i] !== element)) {
            Page.client.append(...order);
        }
    },

    // void page_show_caption(int row, const char* caption, const char* spokenName);
    page_show_caption__deps: ['$Page', ...strings],
    page_show_caption: function (row, caption, spokenName) {
        const element = Page.elements[row];
        // Into the text it has: a new text node would cost the cell its layout twice over.
        if (element.firstChild) {
            element.firstChild.data = UTF8ToString(caption);
        } else {
            element.textContent = UTF8ToString(caption);
        }
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
        Page.elements[row].style.backgroundColor = Page.hex(colour);
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
