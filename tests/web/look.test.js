// look.test.js: the page as it first appears: places, colours, texts, fonts and what a screen reader finds.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const { after, before, beforeEach, test } = require('node:test');
const h = require('./harness.js');

let browser;
let session;
let game;
let description;
let player;

// The controls the page shows: everything but the timer, the lists and the hidden quotation.
const shownControls = () => description.controls.filter((c) => c.visible && c.kind !== 'Timer');
const pieceNames = { 0: 'празно', 1: 'единица', 2: 'двойка' };

before(async () => {
    browser = await h.launch();
    session = await h.openPage(browser);
    description = h.description();
    player = await h.Player.on(session);
    ({ game } = player);
});

beforeEach(() => player.restart());

after(async () => {
    try {
        await session.close();
    } finally {
        await browser.close();
    }
});

// The client area's box in the viewport, and every control's within it, by id. An option button's
// box is its label, which holds the round button and the caption.
const boxes = (page) => page.evaluate(() => {
    const client = document.getElementById('Inf_Igra_Pebblix').getBoundingClientRect();
    const within = (element) => {
        const { x, y, width, height } = (element.type === 'radio' ? element.labels[0] : element)
            .getBoundingClientRect();
        return [element.id, { x: x - client.x, y: y - client.y, width, height }];
    };
    const { x, y, width, height } = client;
    return Object.fromEntries([['Inf_Igra_Pebblix', { x, y, width, height }],
        ...[...document.querySelectorAll('#Inf_Igra_Pebblix [id]')].map(within)]);
});

// The window is centred on the screen, and every control sits at its twips / 15 times the window's
// scale: 1 where the window fits, less where it must shrink to fit; on a touch screen the window
// also grows to fill a large one, where every control is then at least 24 CSS pixels each way; taps
// play. It keeps clear of what a screen's corners, status bar and home indicator leave out
// (`insets`, as an app on an iPad's or an iPhone's Home Screen has them). Only Chromium emulates a
// touch screen (mobile emulation); elsewhere the touch screens are skipped.
const screens = [
    { name: 'a desktop window', viewport: { width: 800, height: 600 } },
    { name: 'a narrow desktop window', viewport: { width: 320, height: 480 } },
    { name: 'a phone held upright', viewport: { width: 390, height: 844 }, touch: true },
    { name: 'a phone held sideways', viewport: { width: 844, height: 390 }, touch: true,
        insets: { top: 0, right: 47, bottom: 21, left: 47 } },
    { name: 'a tablet held sideways', viewport: { width: 1180, height: 820 }, touch: true,
        insets: { top: 24, right: 0, bottom: 20, left: 0 } },
    { name: 'a tablet held upright', viewport: { width: 820, height: 1180 }, touch: true },
];
for (const screen of screens) {
    test(`on ${screen.name} the whole window is centred on the screen, unchanged but for its scale`,
        { skip: screen.touch && !h.can.touch && `no touch screen in ${h.engine}` }, async () => {
        const small = await h.openPage(browser, screen);
        try {
            // Four per side, so that all nine cells are shown.
            await small.page.evaluate(() => document.getElementById('Option1_1').click());
            const { top, right, bottom, left } = screen.insets || { top: 0, right: 0, bottom: 0, left: 0 };
            const [width, height] = [screen.viewport.width - left - right,
                screen.viewport.height - top - bottom];
            const got = await boxes(small.page);
            const client = got.Inf_Igra_Pebblix;
            const form = description.form;
            const fit = Math.min(width / (form.width / form.twipsPerPixel),
                height / (form.height / form.twipsPerPixel));
            const scale = screen.touch ? fit : Math.min(1, fit);
            const [x, y] = [client.x - left, client.y - top];
            assert.ok(Math.abs(x - (width - client.width) / 2) <= 1 &&
                Math.abs(y - (height - client.height) / 2) <= 1, `the window at ${JSON.stringify(client)}`);
            assert.ok(Math.abs(client.width / scale - form.width / form.twipsPerPixel) < 0.5,
                `scaled by ${client.width / (form.width / form.twipsPerPixel)}, not ${scale}`);
            const expected = h.expectedBoxes(description);
            for (const control of shownControls()) {
                const id = h.elementId(control);
                for (const side of ['x', 'y', 'width', 'height']) {
                    assert.ok(Math.abs(got[id][side] - expected.get(id)[side] * scale) < 0.05,
                        `${id} ${side}: ${got[id][side]}, expected ${expected.get(id)[side] * scale}`);
                }
            }
            if (!screen.touch) {
                return;
            }
            if (Math.min(width, height) >= 768) {
                const targets = await small.page.evaluate(() => [...document.querySelectorAll(
                    'button, input, textarea')].map((e) => [e.id, e.getBoundingClientRect()])
                    .map(([id, r]) => [id, Math.min(r.width, r.height)]));
                for (const [id, size] of targets) {
                    assert.ok(size >= 24, `${id} is ${size} CSS px`);
                }
            }
            await small.page.tap('#Option1_0');
            await small.page.tap('#Command1_1');
            assert.equal(h.boardOf(await h.readState(small.page)), '1112022');
        } finally {
            await small.close();
        }
    });
}

// Where the system has Times New Roman (or a font it stands in with, as fontconfig puts Liberation
// Serif), the page draws with that. Only Chromium's DevTools tell which font a text was drawn with.
// That the embedded font loads: below; that it holds every character: tests/page/check_page.py.
test('every text is drawn in one font', { skip: !h.can.fonts && `no list of used fonts in ${h.engine}` },
    async () => {
        const { page } = session;
        await player.play('O1');
        const ids = shownControls().filter((c) => c.text && c.kind !== 'OptionButton').map(h.elementId);
        const families = new Set(Object.values(await page.fonts(ids)).flat());
        assert.equal(families.size, 1, [...families].join(', '));
    });

test('the lists, the quotation and the timer are data, not elements', async () => {
    const hidden = description.controls.filter((c) => !c.visible || c.kind === 'Timer');
    const { page } = session;
    for (const control of hidden) {
        assert.equal(await page.evaluate((id) => document.getElementById(id), h.elementId(control)),
            null, h.elementId(control));
    }
    const quotation = hidden.find((c) => c.name === 'Text1').text.split('\r\n')[0];
    assert.ok(!(await page.evaluate(() => document.body.innerText)).includes(quotation.trim()));
});

test('the page\'s icon and font load from the page itself, and its policy refuses the network', async () => {
    const { page } = session;
    const found = await page.evaluate(async () => {
        const icon = new Image();
        icon.src = document.querySelector('link[rel~="icon"]').href;
        await icon.decode();
        const fonts = await Promise.all([...document.fonts].map(async (face) => (await face.load()).status));
        const refused = [];
        document.addEventListener('securitypolicyviolation', (e) => refused.push(e.effectiveDirective));
        const settled = (promise) => Promise.race([promise.catch(() => {}),
            new Promise((resolve) => setTimeout(resolve, 2000))]);
        await settled(fetch('http://example.org/'));
        await settled(new Promise((resolve) => {
            const image = new Image();
            image.onload = image.onerror = resolve;
            image.src = 'http://example.org/icon.png';
        }));
        return { refused, fonts, icon: [icon.src.slice(0, 15), icon.naturalWidth, icon.naturalHeight] };
    });
    assert.deepEqual(found.refused.sort(), ['connect-src', 'img-src']);
    assert.deepEqual(found.icon, ['data:image/png;', 32, 32]);
    assert.deepEqual(found.fonts, ['loaded']);
    // The browser's reports of the refusals above, and the image it announced before refusing.
    session.forgive('example.org');
});

test('a screenshot shows every cell, button and option in its own colour', async () => {
    const { page } = session;
    for (const variant of [1, 0]) {
        await player.play(`O${variant}`);
        // A frame painted since the click: WebKit's WebDriver takes the last one it has.
        await page.evaluate(() => new Promise((done) =>
            requestAnimationFrame(() => requestAnimationFrame(done))));
        const image = h.decodePng(await page.screenshot());
        const got = await boxes(page);
        const origin = got.Inf_Igra_Pebblix;
        const at = (id) => ({ ...got[id], x: origin.x + got[id].x, y: origin.y + got[id].y });
        const state = game.state();
        state.cells.forEach((cell, i) => {
            if (cell.visible) {
                assert.deepEqual(h.fillColour(image, at('Label2_' + i)), cell.colour, `cell ${i}`);
            }
        });
        for (const control of shownControls().filter((c) => c.name !== 'Label2' && c.backColor)) {
            const id = h.elementId(control);
            const box = control.kind === 'Frame' ? { ...at(id), y: at(id).y + 12, height: 8 } : at(id);
            assert.deepEqual(h.fillColour(image, box), control.backColor, id);
        }
        // The window's own colour, at its top left corner where no control lies.
        assert.deepEqual(image.at(Math.ceil(origin.x) + 1, Math.ceil(origin.y) + 1),
            description.form.backColor);
    }
});

test('every text, exactly, and the fonts in their sizes', async () => {
    const { page } = session;
    const texts = await page.evaluate(() => {
        const all = { title: document.title };
        for (const element of document.querySelectorAll('#Inf_Igra_Pebblix [id]')) {
            const shown = element.tagName === 'FIELDSET' ? element.querySelector('legend')
                : element.type === 'radio' ? element.labels[0] : element;
            all[element.id] = {
                text: element.tagName === 'TEXTAREA' ? element.value : shown.innerText,
                px: parseFloat(getComputedStyle(shown).fontSize),
                readOnly: element.readOnly,
            };
        }
        return all;
    });
    assert.equal(texts.title, description.form.title);
    const state = game.state();
    for (const control of shownControls()) {
        const id = h.elementId(control);
        const want = control.name === 'Label2' ? state.cells[control.index].text
            : control.text.replace(/\r\n/g, '\n');
        if (control.name !== 'Label2' || state.cells[control.index].visible) {
            assert.equal(texts[id].text, want, id);
        }
        assert.equal(texts[id].px, control.fontPoints * 96 / 72, `${id} font size`);
    }
    assert.equal(texts.Text1_0.readOnly, true);
});

// The accessibility tree of the window, as Chromium gives it to screen readers: one
// {role, name, checked} per node, depth first. Playwright's snapshot of it is Chromium's alone;
// axe-core checks the same roles and names in every engine.
async function accessibleNodes(page) {
    const yaml = await page.ariaSnapshot('#Inf_Igra_Pebblix');
    return yaml.split('\n').map((line) => {
        const [, role, name = '', rest] = line.match(/^\s*- '?([a-z]+)(?: "((?:[^"\\]|\\.)*)")?(.*)$/);
        return { role, name, checked: /\[checked\]/.test(rest) };
    });
}

test('axe-core finds no violation of WCAG 2.2 A and AA or of its best practices',
    { skip: !h.can.axe && `axe-core does not run to its end in ${h.engine}` }, async () => {
    const { page } = session;
    // As a function of its own source: a driver passes functions, and the page's policy forbids
    // compiling a string inside the page.
    const axe = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
    await page.evaluate(new Function(axe)); // eslint-disable-line no-new-func
    for (const variant of [1, 0]) {
        await player.play(`O${variant}`);
        // Only the violations leave the page: WebKit's WebDriver cannot carry axe's whole report.
        const violations = await page.evaluate(async () => (await axe.run(document, { runOnly: {
            type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa',
                'best-practice'] } })).violations
            .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
        assert.deepEqual(violations, [], `on ${variant ? 'four' : 'three'} per side`);
    }
});

test('a screen reader finds the buttons, the radio group, the named cells and the rules',
    { skip: !h.can.ariaSnapshot && `no accessibility snapshot in ${h.engine}` }, async () => {
    const { page } = session;
    const cellNames = () => game.state().cells.flatMap((cell, i) =>
        (cell.visible ? [`Поле ${i + 1}: ${pieceNames[cell.text]}`] : []));
    const buttons = description.controls.filter((c) => c.kind === 'CommandButton').map((c) => c.text);
    for (const events of [[], ['C1', 'C2'], ['O1']]) {
        await player.playAll(events, 'a11y');
        const nodes = await accessibleNodes(page);
        const named = (role) => nodes.filter((n) => n.role === role);
        assert.deepEqual(nodes.filter((n) => n.name.startsWith('Поле ')).map((n) => n.name),
            cellNames(), `cells after ${events}`);
        assert.deepEqual(named('button').map((n) => n.name), buttons);
        const { options } = game.state();
        assert.deepEqual(named('radio').map((n) => [n.name, n.checked]),
            [['3', options[0]], ['4', options[1]]]);
        assert.deepEqual(named('textbox').map((n) => n.name), ['Правила на играта']);
    }
});
