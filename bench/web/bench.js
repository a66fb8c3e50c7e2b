// bench.js: measures the page and prints the web rows of the performance table.
//
// The page's size as shipped and gzipped; in each engine of PEBBLIX_ENGINES (all three by
// default), through the tests' drivers, the time from navigation start to the first paint of the
// complete board against a floor page and each handler from the event to the updated page; in
// Chromium alone, which has the tools for them, Lighthouse's scores and the JavaScript heap and
// WebAssembly memory before and after 100,000 events. Run by run.sh.
'use strict';

const crypto = require('node:crypto');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const url = require('node:url');
const zlib = require('node:zlib');
const h = require('../../tests/web/harness.js');
const chromium = require('../../tests/web/engines/chromium.js');

// First paints spread widely from one to the next: 60 of each make a steadier median.
const runs = Number(process.env.RUNS || 60);
const engines = (process.env.PEBBLIX_ENGINES || 'chromium firefox webkit').split(/[\s,]+/)
    .filter(Boolean);
const engineNames = { chromium: 'Chromium', firefox: 'Firefox', webkit: 'WebKit' };
// The floor pages and the browsers' profiles are the bench's own, not the build's.
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'pebblix-bench-'));
process.on('exit', () => fs.rmSync(scratch, { recursive: true, force: true }));
const floorPath = path.join(scratch, 'floor.html');
const barePath = path.join(scratch, 'bare.html');

// The lower and upper quartiles, "25%–75%", of a list of times in ms.
const quartiles = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
    return `${at(0.25).toFixed(1)}–${at(0.75).toFixed(1)}`;
};

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// The floor: one label of Cyrillic text in the page's own embedded font, under the page's own
// Content-Security-Policy; the least any page with that text costs.
function writeFloor(page) {
    const faces = page.match(/@font-face\s*{[^}]*}/g) || [];
    const family = faces.length ? faces[0].match(/font-family:\s*([^;]+);/)[1] : 'serif';
    const style = `${faces.join('\n')}
body { font: 16px ${family}, serif; }`;
    // The policy names the page's own style by its hash: the floor's takes its place.
    const hash = crypto.createHash('sha256').update(style).digest('base64');
    const policy = (page.match(/<meta http-equiv="Content-Security-Policy"[^>]*>/i) || [''])[0]
        .replace(/style-src [^;"]*/, `style-src 'sha256-${hash}'`);
    fs.writeFileSync(floorPath, `<!DOCTYPE html>
<html lang="bg"><head><meta charset="utf-8">${policy}<title>Pebblix</title>
<style>${style}</style></head>
<body><div id="floor">Информатика - размени пуловете, Pebblix</div></body></html>
`);
    return faces.length;
}

// Runs in the page before its own script: the time at which the board (or the floor's label)
// is first painted complete. A paint is seen as the first animation frame after the content is
// complete, or the first contentful paint if the content was complete before it.
function paintProbe(selector) {
    const complete = () => {
        const cell = document.querySelector(selector);
        return cell && cell.textContent.length > 0 && cell.checkVisibility({ visibilityProperty: true });
    };
    window.__paint = new Promise((resolve) => {
        const done = () => requestAnimationFrame((frame) => {
            const [fcp] = performance.getEntriesByName('first-contentful-paint');
            resolve(fcp && fcp.startTime >= window.__ready ? fcp.startTime : frame);
        });
        const watch = () => {
            if (complete()) {
                window.__ready = performance.now();
                done();
            } else {
                requestAnimationFrame(watch);
            }
        };
        new MutationObserver((_, observer) => {
            if (complete() && window.__ready === undefined) {
                observer.disconnect();
                window.__ready = performance.now();
                done();
            }
        }).observe(document, { childList: true, subtree: true, characterData: true });
        requestAnimationFrame(watch);
    });
}

// The first paint of `file` in a browser of `engine` started for it, in the window of a fresh
// profile: a private window of the drivers refuses requests through the driver, whose round trip
// would be timed with every navigation. null where the engine keeps no paint timing, as the probe
// would then time only an animation frame.
async function firstPaint(engine, file, selector) {
    const profile = fs.mkdtempSync(path.join(scratch, 'profile-'));
    const browser = await engine.launch({ profile });
    try {
        const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
        await page.addInitScript(paintProbe, selector);
        await page.goto(url.pathToFileURL(file).href);
        const time = await page.evaluate(() => window.__paint);
        const timed = await page.evaluate(() => typeof PerformanceObserver !== 'undefined' &&
            PerformanceObserver.supportedEntryTypes.includes('paint'));
        return timed ? time : null;
    } finally {
        await browser.close();
        fs.rmSync(profile, { recursive: true, force: true });
    }
}

// Runs in the page before its own script: the real clock, the 400 ms timer's callbacks and the
// WebAssembly memories, for the handler and memory measurements.
function benchProbe() {
    const now = performance.now.bind(performance);
    const memories = [];
    const instantiate = WebAssembly.instantiate;
    WebAssembly.instantiate = async function (...args) {
        const result = await instantiate.apply(this, args);
        const instance = result.instance || result;
        for (const value of Object.values(instance.exports)) {
            if (value instanceof WebAssembly.Memory) {
                memories.push(value);
            }
        }
        return result;
    };
    // The page compiles its module at once, through the synchronous constructor.
    const Instance = WebAssembly.Instance;
    WebAssembly.Instance = function (...args) {
        const instance = new Instance(...args);
        for (const value of Object.values(instance.exports)) {
            if (value instanceof WebAssembly.Memory) {
                memories.push(value);
            }
        }
        return instance;
    };
    WebAssembly.Instance.prototype = Instance.prototype;
    const Memory = WebAssembly.Memory;
    WebAssembly.Memory = function (...args) {
        const memory = new Memory(...args);
        memories.push(memory);
        return memory;
    };
    WebAssembly.Memory.prototype = Memory.prototype;
    Object.defineProperty(window, '__bench', { value: { now, memories, tick: null } });
}

// Keeps the 400 ms timers from the browser, so that they fire only when the bench calls them; each
// gets an id of its own below zero, which no browser timer has.
function timerCatcher() {
    let nextId = -1;
    const arm = (original) => function (callback, ms, ...rest) {
        if (typeof callback === 'function' && Number(ms) === 400) {
            window.__bench.tick = callback; // the latest only: a long list would weigh on the heap
            return nextId--;
        }
        return original.call(this, callback, ms, ...rest);
    };
    window.setInterval = arm(window.setInterval);
    window.setTimeout = arm(window.setTimeout);
}

// Each handler in a state where it acts, timed in the page by batches: the clock there counts in
// 100 µs steps, so a batch runs `count` events, and the time per event is the batch's time over
// `count`. With `layout`, each event is followed by the style and layout of the updated page.
// Returns the median over `repeats` batches, in µs.
function timeHandlers({ count, repeats, layout }) {
    const { now } = window.__bench;
    const byId = (id) => document.getElementById(id);
    const event = (id) => {
        byId(id).click();
        return layout && document.body.offsetHeight; // the updated page laid out
    };
    const board = () => [...Array(9).keys()].map((i) => byId('Label2_' + i))
        .filter((c) => c.checkVisibility()).map((c) => c.textContent).join('');
    const batch = (setUp, body) => {
        const times = [];
        for (let r = 0; r < repeats; r++) {
            setUp();
            const start = now();
            for (let i = 0; i < count; i++) {
                body(i);
            }
            times.push(((now() - start) * 1000) / count);
        }
        return times.sort((a, b) => a - b)[times.length >> 1];
    };
    const results = {};
    // A move and its take-back, from the start position where the move can be made.
    for (const move of [0, 1, 2, 3]) {
        const setUp = () => {
            event('Option1_0');
            event('Command1_5');
            const start = board();
            for (const first of [[], [1], [0]]) {
                event('Command1_5');
                first.forEach((k) => event('Command1_' + k));
                const before = board();
                event('Command1_' + move);
                if (board() !== before) {
                    event('Command1_4');
                    return;
                }
            }
            throw new Error(`move ${move} never acts near ${start}`);
        };
        results[`Command1_Click(${move}) with Command1_Click(4)`] =
            batch(setUp, (i) => event('Command1_' + (i % 2 ? 4 : move)));
    }
    results['Command1_Click(5) with Command1_Click(1), a restart after a move'] =
        batch(() => event('Command1_5'), (i) => event(i % 2 ? 'Command1_5' : 'Command1_1'));
    results['Command1_Click(6), a playback start'] = batch(() => {}, () => event('Command1_6'));
    results['Option1_Click, a change of variant'] = batch(() => {}, (i) => event('Option1_' + (i % 2)));
    // Timer ticks: within a four-per-side playback, 23 at a time, then "Подскажи" again, untimed.
    event('Option1_1');
    const times = [];
    for (let r = 0; r < repeats; r++) {
        let total = 0;
        let made = 0;
        while (made < count) {
            event('Command1_6');
            const { tick } = window.__bench;
            const start = now();
            for (let i = 0; i < 23; i++) {
                tick();
                layout && document.body.offsetHeight;
            }
            total += now() - start;
            made += 23;
        }
        times.push((total * 1000) / made);
    }
    results['Timer1_Timer, one playback step'] = times.sort((a, b) => a - b)[times.length >> 1];
    return results;
}

// The floor of a change of variant: the same changes made directly on a bare page of plain boxes,
// nine cells and two option buttons: two new captions with new colours, two cells shown or hidden
// and the other button selected, then the style and layout. A page that shows them costs more.
const barePage = `<style>
div { position: absolute; top: 0; width: 41px; height: 73px; border: 1px solid; font: 64px serif;
  line-height: 71px; text-align: center; contain: strict; }
input { position: absolute; top: 80px; appearance: none; width: 41px; height: 20px; }
input:checked { background: #333; }
</style>${[...'111022222'].map((c, i) => `<div style="left: ${48 * i}px">${c}</div>`).join('')}
<input type="radio" name="group" checked><input type="radio" name="group" style="left: 48px">`;

function bareVariant({ count, repeats }) {
    const cells = document.querySelectorAll('div');
    const options = document.querySelectorAll('input');
    const change = (four) => {
        options[four ? 1 : 0].checked = true;
        cells[3].firstChild.data = four ? '1' : '0';
        cells[3].style.backgroundColor = four ? '#c8c8c8' : '#00c800';
        cells[4].firstChild.data = four ? '0' : '2';
        cells[4].style.backgroundColor = four ? '#00c800' : '#646464';
        cells[7].style.visibility = cells[8].style.visibility = four ? '' : 'hidden';
        return document.body.offsetHeight;
    };
    const times = [];
    for (let r = 0; r < repeats; r++) {
        const start = performance.now();
        for (let i = 0; i < count; i++) {
            change(i % 2 === 0);
        }
        times.push(((performance.now() - start) * 1000) / count);
    }
    return times.sort((a, b) => a - b)[times.length >> 1];
}

// `count` random events through the same paths as a player's, seeded so runs repeat.
function randomEvents(count) {
    let state = 12345;
    const next = () => {
        state = (Math.imul(state, 1103515245) + 12345) >>> 0;
        return state >>> 8;
    };
    for (let i = 0; i < count; i++) {
        const roll = next() % 100;
        if (roll < 70) {
            document.getElementById('Command1_' + (next() % 7)).click();
        } else if (roll < 80) {
            document.getElementById('Option1_' + (next() % 2)).click();
        } else if (window.__bench.tick) {
            window.__bench.tick();
        }
    }
}

async function memory(page) {
    const session = await page.context().newCDPSession(page);
    const measure = async () => {
        await session.send('HeapProfiler.collectGarbage');
        const { usedSize } = await session.send('Runtime.getHeapUsage');
        const wasm = await page.evaluate(() =>
            window.__bench.memories.reduce((sum, m) => sum + m.buffer.byteLength, 0));
        return { heap: usedSize, wasm };
    };
    await page.evaluate(randomEvents, 1000);
    const before = await measure();
    await page.evaluate(randomEvents, 100000);
    const after = await measure();
    return { before, after };
}

// The page's first paints against the floor's, by turns, and its handlers against their floors, in
// one engine through its driver.
async function measureIn(engine) {
    const paints = { page: [], floor: [] };
    for (let i = 0; i < runs; i++) {
        paints.page.push(await firstPaint(engine, h.pagePath, '#Label2_6'));
        paints.floor.push(await firstPaint(engine, floorPath, '#floor'));
    }
    const browser = await engine.launch();
    try {
        const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
        await page.addInitScript(benchProbe);
        await page.addInitScript(timerCatcher);
        await page.goto(h.pageUrl);
        await h.ready(page);
        const batches = { count: 500, repeats: 20 };
        const handlers = await page.evaluate(timeHandlers, { ...batches, layout: false });
        const laidOut = await page.evaluate(timeHandlers, { ...batches, layout: true });
        await page.close();
        const bare = await browser.newPage({ viewport: { width: 800, height: 600 } });
        await bare.goto(url.pathToFileURL(barePath).href);
        const floors = { 'Option1_Click, a change of variant':
            await bare.evaluate(bareVariant, batches) };
        await bare.close();
        return { paints, handlers, laidOut, floors };
    } finally {
        await browser.close();
    }
}

async function main() {
    const shipped = fs.readFileSync(h.pagePath);
    const gzipped = zlib.gzipSync(shipped, { level: 9 }).length;
    const faces = writeFloor(shipped.toString('utf8'));
    fs.writeFileSync(barePath, barePage);

    const measured = {};
    for (const name of engines) {
        try {
            measured[name] = await measureIn(require(`../../tests/web/engines/${name}.js`));
        } catch (error) {
            measured[name] = { error };
        }
    }

    // Lighthouse's desktop run on the site served from 127.0.0.1; robots.txt is waived, since the
    // page's policy refuses Lighthouse's request for it.
    const host = await h.serveSite(h.sitePath);
    const report = await h.lighthouse(host.url);
    await host.stop();

    // Playwright's own Chromium for the memory, which its DevTools measure.
    const browser = await chromium.playwright();
    const context = await browser.newContext({ viewport: { width: 800, height: 600 },
        offline: true });
    await context.addInitScript(benchProbe);
    await context.addInitScript(timerCatcher);
    const page = await context.newPage();
    await page.goto(h.pageUrl);
    await h.ready(page);
    const mem = await memory(page);
    await browser.close();

    const growth = (key) => mem.after[key] - mem.before[key];
    const rows = [
        ['web page size as shipped; gzipped (-9)', `${kib(shipped.length)}; ${kib(gzipped)}`,
            '', '', '≤ 200 KiB', met(shipped.length <= 200 * 1024)],
        ...engines.flatMap((name) => engineRows(engineNames[name] || name, measured[name], faces)),
        ...Object.entries(report.categories).map(([id, category]) => {
            const failed = h.failedAudits(report, id);
            return [`web page in Chromium, Lighthouse ${id} (desktop, from 127.0.0.1)`,
                String(Math.round(category.score * 100)), '', '', 'every audit passes',
                met(failed.length === 0) + (failed.length ? `: ${failed.join(', ')}` : '')];
        }),
        ['web page in Chromium, JS heap before / after 100,000 events',
            `${kib(mem.before.heap)} / ${kib(mem.after.heap)}`, '', '', '≤ +1 MiB',
            met(growth('heap') <= 1024 * 1024)],
        ['web page in Chromium, WebAssembly memory before / after 100,000 events',
            `${kib(mem.before.wasm)} / ${kib(mem.after.wasm)}`, '', '', '≤ +1 MiB',
            met(mem.before.wasm > 0 && growth('wasm') <= 1024 * 1024)],
    ];
    rows.forEach((row) => console.log(`| ${row.join(' | ')} |`));
}

const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const ms = (value) => `${value.toFixed(1)} ms`;
const met = (ok) => (ok ? 'yes' : 'no');

// An engine's rows: its first paint against the floor and its handlers, or what kept it from
// measuring them.
function engineRows(engine, { error, paints, handlers, laidOut, floors }, faces) {
    const first = `web page in ${engine}, navigation start to first paint of the complete board,` +
        ` median of ${runs} by turns (quartiles)` +
        (faces ? '' : ' (no embedded font found for the floor)');
    if (error) {
        return [[`web page in ${engine}`, `not measured: ${String(error.message).split('\n')[0]}`,
            '', '', '', '']];
    }
    const rows = [];
    if (paints.page.includes(null) || paints.floor.includes(null)) {
        rows.push([first, `no paint timing in ${engine}`, '', '', '≤ 1.25', '']);
    } else {
        const ratio = median(paints.page) / median(paints.floor);
        rows.push([first, `${ms(median(paints.page))} (${quartiles(paints.page)})`,
            `${ms(median(paints.floor))} (${quartiles(paints.floor)})`, ratio.toFixed(2), '≤ 1.25',
            met(ratio <= 1.25)]);
    }
    // By name, which is the order they are measured in: not every engine keeps an object's order
    // on its way out of the page.
    return rows.concat(Object.entries(handlers).sort().map(([name, us]) => [
        `web page in ${engine}, \`${name}\`: event to updated page; with its style and layout` +
            (floors[name] ? '; floor: the same changes on a bare page' : ''),
        `${us.toFixed(1)} µs; ${laidOut[name].toFixed(1)} µs`,
        floors[name] ? `${floors[name].toFixed(1)} µs` : '',
        floors[name] ? (laidOut[name] / floors[name]).toFixed(2) : '', '≤ 50 µs',
        met(laidOut[name] <= 50)]));
}

if (require.main === module) {
    main().catch((error) => {
        console.error(error);
        process.exit(1);
    });
}

module.exports = { firstPaint, median };
