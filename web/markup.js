// markup.js: a small document for writing the page's markup at build time, under node.
//
// The page's program runs once at build time with this in place of the browser's document (linked
// before it with --pre-js). It builds the window from the description and lays out the first game
// just as in the browser, through the same page.js; when it is done, the client area is printed
// as one line of JSON: {title, style, markup}, the document's title, a style sheet with every
// style the script set (the page's policy allows no style attributes) and the client area's
// HTML. assemble.py puts them into the page, so that the board is complete at the first paint; in
// the browser the program then takes those elements over (page.js).
'use strict';

const escapeText = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
const escapeAttribute = (text) => escapeText(text).replace(/"/g, '&quot;');
const kebab = (name) => name.replace(/[A-Z]/g, (c) => '-' + c.toLowerCase());

// An element's style: the properties the script set, in the order it set them.
function makeStyle() {
    const properties = new Map();
    const text = () => [...properties].map(([name, value]) => `${name}: ${value};`).join(' ');
    return new Proxy({}, {
        get: (_, name) => (name === 'cssText' ? text() : properties.get(kebab(String(name))) ?? ''),
        set: (_, name, value) => {
            if (name === 'cssText') {
                properties.clear();
                for (const declaration of String(value).split(';')) {
                    const colon = declaration.indexOf(':');
                    if (colon > 0) {
                        properties.set(declaration.slice(0, colon).trim(), declaration.slice(colon + 1).trim());
                    }
                }
            } else if (String(value).trim() === '') {
                properties.delete(kebab(name));
            } else {
                properties.set(kebab(name), String(value));
            }
            return true;
        },
    });
}

// The properties the script sets that a browser reflects as attributes.
const reflected = { id: 'id', className: 'class', type: 'type', name: 'name', htmlFor: 'for',
    wrap: 'wrap' };
const flags = { hidden: 'hidden', checked: 'checked', readOnly: 'readonly' };

class Element {
    constructor(tag) {
        this.tag = tag;
        this.attributes = new Map();
        this.children = [];
        this.parentElement = null;
        this.style = makeStyle();
        this.text = '';
        // (Emscripten 3.1.6's minifier loses a destructuring loop variable: hence forEach.)
        Object.keys(reflected).forEach((property) => Object.defineProperty(this, property, {
            get: () => this.attributes.get(reflected[property]) ?? '',
            set: (value) => this.attributes.set(reflected[property], String(value)),
        }));
        Object.keys(flags).forEach((property) => Object.defineProperty(this, property, {
            get: () => this.attributes.has(flags[property]),
            set: (value) => (value ? this.attributes.set(flags[property], '')
                : this.attributes.delete(flags[property])),
        }));
        this.classList = { add: (name) => (this.className = (this.className + ' ' + name).trim()) };
    }

    set spellcheck(value) {
        this.attributes.set('spellcheck', String(value));
    }

    // A text box's value is its content in the markup.
    set value(text) {
        this.text = text;
    }

    set textContent(text) {
        this.text = text;
        this.children = [];
    }

    get textContent() {
        return this.text;
    }

    get isConnected() {
        let element = this;
        while (element.parentElement) {
            element = element.parentElement;
        }
        return element === document.client;
    }

    setAttribute(name, value) {
        this.attributes.set(name, String(value));
    }

    append(...elements) {
        for (const element of elements) {
            if (element.parentElement) {
                const siblings = element.parentElement.children;
                siblings.splice(siblings.indexOf(element), 1);
            }
            element.parentElement = this;
            this.children.push(element);
        }
    }

    get lastElementChild() {
        return this.children[this.children.length - 1] ?? null;
    }

    // Events, focus and scrolling belong to the browser.
    addEventListener() {}
    focus() {}
    setSelectionRange() {}

    // Where the style sheet finds the element: by its id, or an option's caption by its button.
    selector() {
        if (this.id) {
            return '#' + this.id;
        }
        if (this.htmlFor) {
            return `label[for="${this.htmlFor}"]`;
        }
        throw new Error(`markup.js: a styled <${this.tag}> without an id`);
    }

    html(rules) {
        if (this.style.cssText) {
            rules.push(`${this.selector()} { ${this.style.cssText} }`);
        }
        const attributes = [...this.attributes]
            .map(([name, value]) => (value === '' ? ` ${name}` : ` ${name}="${escapeAttribute(value)}"`))
            .join('');
        const inside = escapeText(this.text) + this.children.map((child) => child.html(rules)).join('');
        return this.tag === 'input' ? `<input${attributes}>` : `<${this.tag}${attributes}>${inside}</${this.tag}>`;
    }
}

// The first element the script asks for by id is the client area, the page's <main class="client">;
// every other
// element it asks for is one it made.
const document = {
    client: null,
    title: '',
    createElement: (tag) => new Element(tag),
    getElementById(id) {
        if (!this.client) {
            this.client = new Element('main');
            this.client.id = id;
            this.client.className = 'client';
            return this.client;
        }
        const find = (element) => (element.id === id ? element
            : element.children.map(find).find((found) => found) ?? null);
        return find(this.client);
    },
};
globalThis.document = document;

process.on('exit', () => {
    const rules = [];
    const markup = document.client.html(rules);
    process.stdout.write(JSON.stringify({ title: document.title, style: rules.join('\n'), markup }) + '\n');
});
