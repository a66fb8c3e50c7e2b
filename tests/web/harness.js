// harness.js: opens the page in a browser for the browser tests and benchmarks.
//
// The browser is PEBBLIX_ENGINE's: chromium (the default), firefox or webkit, each driven by a
// small module of engines/ that offers the same few calls; `can` says what an engine has beyond
// them. Every page is opened from file:// in a private window. Where the engine can, that window
// refuses every request and counts it, so a test can insist that the page asked for nothing.
// Beside the page runs the game's own in-memory stand-in, compiled to WebAssembly (standin.cpp).
// The window's description comes from description.json, which window/describe.cpp writes at build
// time: the tests take every coordinate, colour and text from it. The site, the folder
// for a web host, is served from a small web server of the harness's own on 127.0.0.1.
'use strict';

const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const url = require('node:url');
const { isDeepStrictEqual } = require('node:util');
const { PNG } = require('pngjs');

const engine = require(`./engines/${process.env.PEBBLIX_ENGINE || 'chromium'}.js`);
const { can } = engine;

const pagePath = path.resolve(process.env.PEBBLIX_PAGE || 'pebblix.html');
const pageUrl = url.pathToFileURL(pagePath).href;
const sitePath = path.resolve(process.env.PEBBLIX_SITE || path.join(pagePath, '..', 'site'));
const exportPath = path.resolve(process.env.PEBBLIX_EXPORT || path.join(pagePath, '..', 'window', 'description.json'));

// The window's description: {form, controls, solutions} (window/describe.cpp says what each holds).
const description = () => JSON.parse(fs.readFileSync(exportPath, 'utf8'));

const launch = () => engine.launch();

// The same browser with a profile of its own in `folder`, and its one page: an ordinary window,
// where a web app can be installed (launch()'s pages are private ones, where it cannot), with the
// timer probe.
async function launchProfile(folder) {
    const browser = await engine.launch({ profile: folder });
    const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
    await page.addInitScript(timerProbe, { intervalMs: 400 });
    return { browser, page };
}

// Watches the page's 400 ms timer from inside the page, before the page's own script runs: which
// timers are armed, and the board right after each tick. The page itself offers nothing to tests.
// With `hold`, the probe keeps those timers itself instead of the browser: they fire only when
// the test advances the probe's clock (advance(ms)), so every engine runs on the same paused clock.
// It also notes the page's uncaught errors and its policy's refusals, which not every engine
// reports to its driver.
function timerProbe({ intervalMs, hold = false }) {
    const active = new Set();
    const ticks = [];
    const errors = [];
    const held = new Map();
    let now = 0;
    let nextId = -1;
    const board = () => {
        let text = '';
        for (let i = 0; i < 9; i++) {
            const cell = document.getElementById('Label2_' + i);
            if (cell && cell.checkVisibility({ visibilityProperty: true })) {
                text += cell.textContent;
            }
        }
        return text;
    };
    const arm = (original, once) => function (callback, ms, ...rest) {
        if (typeof callback !== 'function' || Number(ms) !== intervalMs) {
            return original.call(this, callback, ms, ...rest);
        }
        let id;
        const tick = function (...args) {
            if (once) {
                active.delete(id);
                held.delete(id);
            }
            const result = callback.apply(this, args);
            ticks.push({ t: hold ? now : performance.now(), board: board() });
            return result;
        };
        // A held timer's id is negative, so it never meets one of the browser's.
        if (hold) {
            id = nextId--;
            held.set(id, { due: now + intervalMs, tick: () => tick(...rest), once });
        } else {
            id = original.call(this, tick, ms, ...rest);
        }
        active.add(id);
        return id;
    };
    const disarm = (original) => function (id) {
        active.delete(id);
        held.delete(id);
        return original.call(this, id);
    };
    // Fires the held timers due within `ms`, earliest first, each at its own time.
    const advance = (ms) => {
        const end = now + ms;
        for (;;) {
            const due = [...held.values()].filter((t) => t.due <= end)
                .sort((a, b) => a.due - b.due)[0];
            if (!due) {
                break;
            }
            now = due.due;
            due.due += intervalMs;
            due.tick();
        }
        now = end;
    };
    window.addEventListener('error',
        (e) => errors.push(`${e.message} (${e.filename}:${e.lineno})`));
    window.addEventListener('unhandledrejection', (e) => errors.push(`unhandled: ${e.reason}`));
    document.addEventListener('securitypolicyviolation', (e) =>
        errors.push(`the policy's ${e.effectiveDirective} refused ${e.blockedURI}`));
    window.setInterval = arm(window.setInterval, false);
    window.setTimeout = arm(window.setTimeout, true);
    window.clearInterval = disarm(window.clearInterval);
    window.clearTimeout = disarm(window.clearTimeout);
    Object.defineProperty(window, '__pebblixProbe', {
        value: { running: () => active.size > 0, ticks, errors, advance },
    });
}

// Waits until `predicate` holds in the page. Playwright's own waitForFunction compiles its
// predicate from a string, which the page's Content-Security-Policy rightly forbids.
async function until(page, predicate, arg, timeout = 10000) {
    const end = Date.now() + timeout;
    while (!(await page.evaluate(predicate, arg))) {
        if (Date.now() > end) {
            throw new Error(`timed out waiting for ${predicate}`);
        }
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
}

// The page is ready for input once its program has taken over the markup and given the focus to
// its first control: the board itself is complete before that, at the first paint.
const ready = (page) => until(page, () => document.activeElement !== document.body);

// Which of the page's two programs took it over: the JavaScript one runs in a script element the
// page makes with the text it keeps for it.
const program = (page) => page.evaluate(() => ([...document.scripts]
    .some((script) => !script.type && script.text === document.getElementById('fallback').text)
    ? 'javascript' : 'webassembly'));

// Opens the page in a fresh private window. With `clock`, the page's 400 ms timers stand still
// and move only by advance() (Player.tick). Returns the page with the list of requests it made
// (each refused, where the engine can count them) and of the errors it reported; close() fails
// unless both are empty, but for what `forgive(text)` named: a test's own provocations, whose
// reports some engines send late. With `touch` (where the engine can), the window is a phone or
// a tablet: a layout viewport of the screen's width, a touch screen and a coarse pointer; `insets`
// are then the screen's safe-area insets in CSS pixels, {top, right, bottom, left}. `url` opens
// another page than the built one; `wait: false` does not wait for its program. `program`, by
// default PEBBLIX_PROGRAM, is the program that must take the page over, "webassembly" or
// "javascript".
async function openPage(browser, { clock = false, viewport = { width: 800, height: 600 },
    intervalMs = 400, touch = false, insets = undefined, url: address = pageUrl, wait = true,
    program: expected = process.env.PEBBLIX_PROGRAM } = {}) {
    const page = await browser.newPage({ viewport, touch, insets });
    await page.addInitScript(timerProbe, { intervalMs, hold: clock });
    await page.goto(address);
    if (wait) {
        await ready(page);
    }
    if (wait && expected) {
        assert.equal(await program(page), expected, 'the program that took the page over');
    }
    const forgiven = [];
    const unforgiven = (list) => list.filter((entry) => !forgiven.some((t) => entry.includes(t)));
    return {
        page, viewport,
        forgive: (text) => forgiven.push(text),
        async close() {
            const reported = await page.evaluate(() => window.__pebblixProbe.errors);
            await page.close();
            assert.deepEqual(unforgiven(page.refused || []), [], 'the page made requests');
            assert.deepEqual(unforgiven([...page.errors, ...reported]), [],
                'the page reported errors');
        },
    };
}

// Moves the probe's held clock on by `ms`, firing the timers that fall due.
const advance = (page, ms) => page.evaluate((n) => window.__pebblixProbe.advance(n), ms);

// A static web host on 127.0.0.1 at a port the system picks, serving the files of `host.folder`
// and letting browsers keep them for an hour, as hosts do: put another folder there and it is a new
// version put on the host. stop() takes the host off the network, dropping open connections;
// start() brings it back at the same address, `host.url`.
async function serveSite(folder) {
    const types = { '.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png',
        '.webmanifest': 'application/manifest+json' };
    const host = { folder };
    const server = http.createServer((request, response) => {
        const name = new URL(request.url, 'http://host').pathname.slice(1) || 'index.html';
        fs.readFile(path.join(host.folder, name), (error, body) => response
            .writeHead(error ? 404 : 200, { 'Content-Type': types[path.extname(name)],
                'Cache-Control': 'max-age=3600' }).end(body));
    });
    let port = 0;
    host.start = () => new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
    // Node 18's close() returns nothing to chain on.
    host.stop = () => new Promise((resolve) => {
        server.close(resolve);
        server.closeAllConnections();
    });
    await host.start();
    port = server.address().port;
    host.url = `http://127.0.0.1:${port}/`;
    return host;
}

// Lighthouse's report of a page served from 127.0.0.1, with its desktop settings, in a Chromium of
// its own that Lighthouse drives through its DevTools port. Lighthouse is an ES module, which
// NODE_PATH does not reach: it is imported by its path.
async function lighthouse(pageUrl) {
    const at = (name) => url.pathToFileURL(require.resolve(name)).href;
    const { default: run } = await import(at('lighthouse'));
    const { default: desktop } = await import(at('lighthouse/core/config/desktop-config.js'));
    const port = 9300 + (process.pid % 500);
    const { playwright } = require('./engines/chromium.js');
    const browser = await playwright([`--remote-debugging-port=${port}`]);
    try {
        return (await run(pageUrl, { port, output: 'json', logLevel: 'error' }, desktop)).lhr;
    } finally {
        await browser.close();
    }
}

// The weighted audits of a Lighthouse category that did not pass; robots.txt is waived, as the
// page's policy rightly refuses Lighthouse's request for it.
const failedAudits = (lhr, category) => lhr.categories[category].auditRefs
    .filter((ref) => ref.weight > 0 && ref.id !== 'robots-txt')
    .map((ref) => lhr.audits[ref.id])
    .filter((audit) => audit.score !== null && audit.score < 1)
    .map((audit) => `${audit.id}: ${audit.displayValue || audit.title}`);

// A new version of the site in `folder`: the page changed by `edit`, made into a site by the
// build's own step, with the summary the built site's manifest gives.
function siteVersion(folder, edit) {
    const source = (...names) => path.join(__dirname, '..', '..', ...names);
    fs.mkdirSync(folder);
    fs.writeFileSync(path.join(folder, 'pebblix.html'), edit(fs.readFileSync(pagePath, 'utf8')));
    const { description } = JSON.parse(fs.readFileSync(path.join(sitePath, 'manifest.webmanifest')));
    execFileSync(process.env.PEBBLIX_PYTHON || 'python3', [source('web', 'assemble.py'),
        '--site', folder, '--page', path.join(folder, 'pebblix.html'), '--summary', description,
        '--icons', source('window', 'icons'),
        '--worker', source('web', 'sw.js.in'), '--description', exportPath]);
    return folder;
}

// The stand-in module, fresh and loaded as at start-up.
async function standIn() {
    const create = require(path.resolve(process.env.PEBBLIX_STANDIN || 'web_standin.js'));
    const m = await create();
    const json = (pointer) => JSON.parse(m.UTF8ToString(pointer));
    m._standin_reset();
    return {
        reset: () => m._standin_reset(),
        command: (i) => m._standin_command(i),
        option: (i) => m._standin_option(i),
        tick: () => m._standin_tick(),
        state: () => json(m._standin_state()),
        seed: (seed) => m._standin_seed(seed),
        nextEvent: () => m._standin_next_event(),
    };
}

// The element id of a control row: `Name_index` in an array, `Name` otherwise.
const elementId = (control) => (control.index >= 0 ? `${control.name}_${control.index}` : control.name);

// Every control's box in CSS pixels within the client area, from the description's twips.
function expectedBoxes(description) {
    const perPixel = description.form.twipsPerPixel;
    const byName = new Map(description.controls.map((c) => [c.name, c]));
    const boxes = new Map();
    for (const control of description.controls) {
        let [left, top, width, height] = control.rect;
        if (control.container) {
            left += byName.get(control.container).rect[0];
            top += byName.get(control.container).rect[1];
        }
        boxes.set(elementId(control), {
            x: left / perPixel, y: top / perPixel, width: width / perPixel, height: height / perPixel,
        });
    }
    return boxes;
}

// What the page shows of the game: every cell's text, visibility and colour, the option buttons
// and whether the timer is armed.
function readState(page) {
    return page.evaluate(() => {
        const rgb = (css) => css.match(/\d+/g).slice(0, 3).map(Number);
        const cells = [];
        for (let i = 0; i < 9; i++) {
            const cell = document.getElementById('Label2_' + i);
            cells.push({
                text: cell.textContent,
                visible: cell.checkVisibility({ visibilityProperty: true }),
                colour: rgb(getComputedStyle(cell).backgroundColor),
            });
        }
        return {
            cells,
            options: [0, 1].map((i) => document.getElementById('Option1_' + i).checked),
            timer: window.__pebblixProbe.running(),
        };
    });
}

// The stand-in's state cut down to what the page shows.
const shown = ({ cells, options, timer }) => ({ cells, options, timer });

// The visible board as one position string, e.g. "1110222".
const boardOf = (state) => state.cells.filter((c) => c.visible).map((c) => c.text).join('');

// Real input on the page, and the same event for the stand-in. The page side clicks at the centre
// of the control's box as the description places it, with the real mouse.
class Player {
    constructor(session, game, description) {
        this.page = session.page;
        this.game = game;
        this.boxes = expectedBoxes(description);
        this.origin = null;
    }

    // A reload: a fresh start for the page, as for the stand-in. What the probe noted goes with
    // its document, so it is kept with the page's errors first.
    async restart() {
        this.page.errors.push(...await this.page.evaluate(() => window.__pebblixProbe.errors));
        await this.page.reload();
        await ready(this.page);
        this.game.reset();
    }

    // A point of the control's box as the description places it: its centre unless `at` gives
    // other fractions of its width and height.
    async centre(id, at = [0.5, 0.5]) {
        if (!this.origin) {
            this.origin = await this.page.evaluate(() => {
                const r = document.getElementById('Inf_Igra_Pebblix').getBoundingClientRect();
                return { x: r.x, y: r.y };
            });
        }
        const box = this.boxes.get(id);
        return [this.origin.x + box.x + box.width * at[0], this.origin.y + box.y + box.height * at[1]];
    }

    async click(id, clickCount = 1, at = undefined) {
        const [x, y] = await this.centre(id, at);
        await this.page.mouse.click(x, y, { clickCount });
    }

    async command(index) {
        await this.click('Command1_' + index);
        this.game.command(index);
    }

    async option(index) {
        await this.click('Option1_' + index);
        this.game.option(index);
    }

    // One interval of the paused clock: a tick if the timer is armed.
    async tick() {
        await advance(this.page, 400);
        this.game.tick();
    }

    // Input that must do nothing: a click or double click on a cell, shown or hidden.
    async cell(index, clickCount = 1) {
        await this.click('Label2_' + index, clickCount);
    }

    // A key pressed in the rules text, after a click into it: a letter is typed, a named key
    // ("Delete", "Control+v") pressed.
    async key(key) {
        await this.click('Text1_0');
        await (key.length === 1 ? this.page.keyboard.type(key) : this.page.keyboard.press(key));
    }

    // One event written as in the tests' tables: "C3" clicks Command1(3), "O1" Option1(1), "T" is
    // one timer interval, "L4" and "D4" click and double-click cell 4, "K:Delete" presses a key in
    // the rules text.
    async play(event) {
        const index = Number(event.slice(1));
        switch (event[0]) {
        case 'C': return this.command(index);
        case 'O': return this.option(index);
        case 'T': return this.tick();
        case 'L': return this.cell(index);
        case 'D': return this.cell(index, 2);
        case 'K': return this.key(event.slice(2));
        default: throw new Error('unknown event ' + event);
        }
    }

    // Plays the events one by one, comparing page and stand-in after each.
    async playAll(events, context = '') {
        for (const [i, event] of events.entries()) {
            await this.play(event);
            await this.expectSame(`${context} event ${i} (${event})`);
        }
    }

    // Fails with both states unless the page shows what the stand-in holds.
    async expectSame(context) {
        const page = await readState(this.page);
        const game = shown(this.game.state());
        if (!isDeepStrictEqual(page, game)) {
            assert.fail(`${context}: the page and the stand-in differ\n` +
                `page:     ${JSON.stringify(page)}\nstand-in: ${JSON.stringify(game)}`);
        }
    }
}

// A PNG (as screenshots are) as pixels: at() gives a pixel's colour, alpha() its opacity.
function decodePng(buffer) {
    const { width, height, data } = PNG.sync.read(buffer);
    const start = (x, y) => (y * width + x) * 4;
    return { width, height, at: (x, y) => [...data.subarray(start(x, y), start(x, y) + 3)],
        alpha: (x, y) => data[start(x, y) + 3] };
}

// The commonest colour inside a box, a few pixels in from its edges: the fill, not the caption.
function fillColour(image, box, inset = 3) {
    const counts = new Map();
    for (let y = Math.ceil(box.y + inset); y < box.y + box.height - inset; y++) {
        for (let x = Math.ceil(box.x + inset); x < box.x + box.width - inset; x++) {
            const key = image.at(x, y).join(',');
            counts.set(key, (counts.get(key) || 0) + 1);
        }
    }
    const [best] = [...counts.entries()].sort((p, q) => q[1] - p[1]);
    return best[0].split(',').map(Number);
}

module.exports = {
    engine: engine.name, can, launch, launchProfile, openPage, advance, serveSite, siteVersion,
    lighthouse, failedAudits, until, ready, standIn, description,
    elementId, expectedBoxes, readState, shown, boardOf, Player, decodePng, fillColour, pageUrl,
    pagePath, sitePath,
};
