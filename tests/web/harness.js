// harness.js: opens the page in a browser for the browser tests and benchmarks.
//
// The browser is PEBBLIX_ENGINE's: chromium (the default), firefox or webkit, each driven by a
// small module of engines/ through a library of its field (playwright-core, puppeteer-core,
// selenium-webdriver). Each offers launch({ profile }) and, from the browser it starts,
// newPage({ viewport, touch, insets }) and close(). A page offers click(x, y, count), type(text),
// press(key, as Playwright names keys), addInitScript(fn, arg), goto(url), reload(),
// evaluate(fn, arg), screenshot() as PNG, close(), and `errors`, what the engine reported of the
// page, and, where the engine can count them, `refused`, the requests it refused; `can` says what
// an engine has beyond that. Every page is opened from file:// in a private window, which refuses
// every request where the engine can. Beside the page runs the game's own in-memory stand-in,
// compiled to WebAssembly (standin.cpp). The site, the folder for a web host, is served from a
// small web server of the harness's own on 127.0.0.1.
'use strict';

const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const url = require('node:url');
const { PNG } = require('pngjs');

const engine = require(`./engines/${process.env.PEBBLIX_ENGINE || 'chromium'}.js`);

const pagePath = path.resolve(process.env.PEBBLIX_PAGE || 'pebblix.html');
const pageUrl = url.pathToFileURL(pagePath).href;
const sitePath = path.resolve(process.env.PEBBLIX_SITE || path.join(pagePath, '..', 'site'));

// The window's description as window/describe.cpp writes it at build time: the file, and what it
// holds, {form, controls, solutions}. The tests take every coordinate, colour and text from it.
const descriptionPath = () => path.resolve(process.env.PEBBLIX_DESCRIPTION ||
    path.join(pagePath, '..', 'window', 'description.json'));
const description = () => JSON.parse(fs.readFileSync(descriptionPath(), 'utf8'));

// Watches the page's 400 ms timer from inside the page, before the page's own script runs: which
// timers are armed, and the board right after each tick. The page itself offers nothing to tests.
// With `hold`, the probe keeps those timers itself instead of the browser: they fire only when
// the test advances the probe's clock (advance(ms)), so every engine runs on the same paused clock;
// callbacks() gives the held timers' own callbacks, to call without the probe. state() is what
// the page shows of the game. It also notes the page's uncaught errors and its policy's refusals,
// which not every engine reports to its driver.
function timerProbe({ intervalMs, hold }) {
    const active = new Set();
    const ticks = [];
    const errors = [];
    const held = new Map();
    let now = 0;
    let nextId = -1;
    const byId = (id) => document.getElementById(id);
    const state = () => ({
        cells: [...Array(9).keys()].map((i) => byId('Label2_' + i)).map((cell) => ({
            text: cell.textContent,
            visible: cell.checkVisibility({ visibilityProperty: true }),
            colour: getComputedStyle(cell).backgroundColor.match(/\d+/g).slice(0, 3).map(Number),
        })),
        options: [0, 1].map((i) => byId('Option1_' + i).checked),
        timer: active.size > 0,
    });
    const arm = (original, once) => function (callback, ms, ...rest) {
        if (typeof callback !== 'function' || Number(ms) !== intervalMs) {
            return original.call(this, callback, ms, ...rest);
        }
        const run = () => callback.apply(window, rest);
        const tick = () => {
            if (once) {
                active.delete(id);
                held.delete(id);
            }
            run();
            ticks.push({ t: hold ? now : performance.now(),
                board: state().cells.filter((c) => c.visible).map((c) => c.text).join('') });
        };
        // A held timer's id is negative, so it never meets one of the browser's.
        const id = hold ? nextId-- : original.call(this, tick, ms);
        if (hold) {
            held.set(id, { due: now + intervalMs, tick, run });
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
        for (let due; (due = [...held.values()].filter((t) => t.due <= end)
            .sort((a, b) => a.due - b.due)[0]);) {
            now = due.due;
            due.due += intervalMs;
            due.tick();
        }
        now = end;
    };
    window.addEventListener('error', (e) => errors.push(`${e.message} (${e.filename}:${e.lineno})`));
    window.addEventListener('unhandledrejection', (e) => errors.push(`unhandled: ${e.reason}`));
    document.addEventListener('securitypolicyviolation', (e) =>
        errors.push(`the policy's ${e.effectiveDirective} refused ${e.blockedURI}`));
    window.setInterval = arm(window.setInterval, false);
    window.setTimeout = arm(window.setTimeout, true);
    window.clearInterval = disarm(window.clearInterval);
    window.clearTimeout = disarm(window.clearTimeout);
    Object.defineProperty(window, '__pebblixProbe', { value: { running: () => active.size > 0,
        ticks, errors, advance, state, callbacks: () => [...held.values()].map((t) => t.run) } });
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

// Opens a page with the timer probe in a fresh private window of `browser` (its one window if it
// keeps a profile). With `clock`, the page's 400 ms timers stand still and move only by advance()
// (Player.tick). close() fails if the page made requests or reported errors, but for what
// `forgive(text)` named: a test's own provocations, whose reports some engines send late. With
// `touch` (where the engine can), the window is a phone or a tablet: a layout viewport of the
// screen's width, a touch screen and a coarse pointer; `insets` are then the screen's safe-area
// insets in CSS pixels, {top, right, bottom, left}. `url` opens another page than the built one
// (null: none yet); `wait: false` does not wait for its program. `program`, by default
// PEBBLIX_PROGRAM, is the program that must take the page over, "webassembly" or "javascript"; the
// JavaScript one runs in a script element the page makes with the text it keeps for it. `scripts`
// are further init scripts, run after the probe.
async function openPage(browser, { clock = false, viewport = { width: 800, height: 600 },
    touch = false, insets = undefined, url: address = pageUrl, wait = true,
    program = process.env.PEBBLIX_PROGRAM, scripts = [] } = {}) {
    const page = await browser.newPage({ viewport, touch, insets });
    await page.addInitScript(timerProbe, { intervalMs: 400, hold: clock });
    for (const script of scripts) {
        await page.addInitScript(script);
    }
    if (address) {
        await page.goto(address);
    }
    if (address && wait) {
        await ready(page);
    }
    if (address && wait && program) {
        assert.equal(await page.evaluate(() => ([...document.scripts].some((script) => !script.type &&
            script.text === document.getElementById('fallback').text) ? 'javascript' : 'webassembly')),
        program, 'the program that took the page over');
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
            assert.deepEqual(unforgiven([...page.errors, ...reported]), [], 'the page reported errors');
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
async function lighthouse(address) {
    const at = (name) => url.pathToFileURL(require.resolve(name)).href;
    const { default: run } = await import(at('lighthouse'));
    const { default: desktop } = await import(at('lighthouse/core/config/desktop-config.js'));
    const port = 9300 + (process.pid % 500);
    const { playwright } = require('./engines/chromium.js');
    const browser = await playwright([`--remote-debugging-port=${port}`]);
    try {
        return (await run(address, { port, output: 'json', logLevel: 'error' }, desktop)).lhr;
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
    const manifest = JSON.parse(fs.readFileSync(path.join(sitePath, 'manifest.webmanifest')));
    execFileSync(process.env.PEBBLIX_PYTHON || 'python3', [source('web', 'assemble.py'),
        '--site', folder, '--page', path.join(folder, 'pebblix.html'), '--summary', manifest.description,
        '--icons', source('window', 'icons'),
        '--worker', source('web', 'sw.js.in'), '--description', descriptionPath()]);
    return folder;
}

// The stand-in module, fresh and loaded as at start-up.
async function standIn() {
    const m = await require(path.resolve(process.env.PEBBLIX_STANDIN || 'web_standin.js'))();
    m._standin_reset();
    return { reset: m._standin_reset, command: m._standin_command, option: m._standin_option,
        tick: m._standin_tick, seed: m._standin_seed, nextEvent: m._standin_next_event,
        state: () => JSON.parse(m.UTF8ToString(m._standin_state())) };
}

// The element id of a control row: `Name_index` in an array, `Name` otherwise.
const elementId = (control) => (control.index >= 0 ? `${control.name}_${control.index}` : control.name);

// Every control's box in CSS pixels within the client area, from the description's twips.
function expectedBoxes(description) {
    const perPixel = description.form.twipsPerPixel;
    const byName = new Map(description.controls.map((c) => [c.name, c]));
    return new Map(description.controls.map((control) => {
        const [left, top, width, height] = control.rect;
        const [x, y] = control.container ? byName.get(control.container).rect : [0, 0];
        return [elementId(control), { x: (left + x) / perPixel, y: (top + y) / perPixel,
            width: width / perPixel, height: height / perPixel }];
    }));
}

// What the page shows of the game: every cell's text, visibility and colour, the option buttons
// and whether the timer is armed.
const readState = (page) => page.evaluate(() => window.__pebblixProbe.state());

// The visible board as one position string, e.g. "1110222".
const boardOf = (state) => state.cells.filter((c) => c.visible).map((c) => c.text).join('');

// Real input on the page, and the same event for the stand-in. The page side clicks at the centre
// of the control's box as the description places it, with the real mouse.
class Player {
    constructor(session, game) {
        this.page = session.page;
        this.game = game;
        this.boxes = expectedBoxes(description());
        this.origin = null;
    }

    // A player on `session`'s page with a fresh stand-in.
    static async on(session) {
        return new Player(session, await standIn());
    }

    // A reload: a fresh start for the page, as for the stand-in. What the probe noted goes with
    // its document, so it is kept with the page's errors first.
    async restart() {
        this.page.errors.push(...await this.page.evaluate(() => window.__pebblixProbe.errors));
        await this.page.reload();
        await ready(this.page);
        this.game.reset();
    }

    // Clicks a point of the control's box as the description places it: its centre unless `at`
    // gives other fractions of its width and height.
    async click(id, count = 1, at = [0.5, 0.5]) {
        this.origin ??= await this.page.evaluate(() => {
            const { x, y } = document.getElementById('Inf_Igra_Pebblix').getBoundingClientRect();
            return { x, y };
        });
        const box = this.boxes.get(id);
        await this.page.click(this.origin.x + box.x + box.width * at[0],
            this.origin.y + box.y + box.height * at[1], count);
    }

    // One event written as in the tests' tables: "C3" clicks Command1(3), "O1" Option1(1), "." is
    // one interval of the paused clock (a tick if the timer is armed), "L4" and "D4" click and
    // double-click cell 4 (which must do nothing), "K:Delete" clicks into the rules text and presses
    // a key there: a letter is typed, a named key ("Delete", "Control+v") pressed.
    async play(event) {
        const index = Number(event.slice(1));
        switch (event[0]) {
        case 'C':
            await this.click('Command1_' + index);
            return this.game.command(index);
        case 'O':
            await this.click('Option1_' + index);
            return this.game.option(index);
        case '.':
            await advance(this.page, 400);
            return this.game.tick();
        case 'L': return this.click('Label2_' + index);
        case 'D': return this.click('Label2_' + index, 2);
        case 'K': {
            const key = event.slice(2);
            await this.click('Text1_0');
            return key.length === 1 ? this.page.type(key) : this.page.press(key);
        }
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

    // Fails, showing where they differ, unless the page shows what the stand-in holds.
    async expectSame(context) {
        assert.deepEqual(await readState(this.page), this.game.state(),
            `${context}: the page (actual) and the stand-in (expected) differ`);
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
    engine: engine.name, can: engine.can, launch: engine.launch, openPage, advance, serveSite,
    siteVersion, lighthouse, failedAudits, until, ready, standIn, description, elementId,
    expectedBoxes, readState, boardOf, Player, decodePng, fillColour, pageUrl, pagePath, sitePath,
};
