// bench.js: measures the page and prints the web rows of the performance table. Run by run.sh.
//
// The page's size as shipped and gzipped; in each engine of PEBBLIX_ENGINES (all three by
// default), through the tests' harness and engine drivers, the time from navigation start to the
// first paint of the complete board against a floor page, and each handler from the event to the
// updated page; in Chromium alone, which has the tools for them, the JavaScript heap and
// WebAssembly memory before and after 100,000 events, and Lighthouse's scores.
'use strict';

const crypto = require('node:crypto');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const url = require('node:url');
const zlib = require('node:zlib');
const h = require('../../tests/web/harness.js');

// First paints spread widely from one to the next: 60 of each make a steadier median.
const runs = Number(process.env.RUNS || 60);
const engines = (process.env.PEBBLIX_ENGINES || 'chromium firefox webkit').split(/[\s,]+/)
    .filter(Boolean);
const names = { chromium: 'Chromium', firefox: 'Firefox', webkit: 'WebKit' };
// The floor pages and the browsers' profiles are the bench's own, not the build's.
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'pebblix-bench-'));
process.on('exit', () => fs.rmSync(scratch, { recursive: true, force: true }));
const scratchPage = (name, html) => {
    fs.writeFileSync(path.join(scratch, name), html);
    return url.pathToFileURL(path.join(scratch, name)).href;
};

// The floor: one label of Cyrillic text in the page's own embedded font, under the page's own
// Content-Security-Policy, whose hash of the page's style names the floor's instead; the least
// any page with that text costs.
function floorPage(page) {
    const faces = page.match(/@font-face\s*{[^}]*}/g) || [];
    const family = faces.length ? faces[0].match(/font-family:\s*([^;]+);/)[1] : 'serif';
    const style = `${faces.join('\n')}\nbody { font: 16px ${family}, serif; }`;
    const hash = crypto.createHash('sha256').update(style).digest('base64');
    const policy = (page.match(/<meta http-equiv="Content-Security-Policy"[^>]*>/i) || [''])[0]
        .replace(/style-src [^;"]*/, `style-src 'sha256-${hash}'`);
    return `<!DOCTYPE html>\n<html lang="bg"><head><meta charset="utf-8">${policy}
<title>Pebblix</title><style>${style}</style></head>
<body><div id="floor">Информатика - размени пуловете, Pebblix</div></body></html>\n`;
}

// The floor of a change of variant: a bare page of plain boxes, nine cells and two option buttons,
// where bareVariant makes the same changes directly.
const barePage = `<style>
div { position: absolute; top: 0; width: 41px; height: 73px; border: 1px solid; font: 64px serif;
  line-height: 71px; text-align: center; contain: strict; }
input { position: absolute; top: 80px; appearance: none; width: 41px; height: 20px; }
input:checked { background: #333; }
</style>${[...'111022222'].map((c, i) => `<div style="left: ${48 * i}px">${c}</div>`).join('')}
<input type="radio" name="group" checked><input type="radio" name="group" style="left: 48px">`;

// Runs in the bare page: two new captions with new colours, two cells shown or hidden, the other
// option button selected.
function bareVariant() {
    let cells;
    let options;
    window.__variant = (four) => {
        cells ??= document.querySelectorAll('div');
        options ??= document.querySelectorAll('input');
        options[four ? 1 : 0].checked = true;
        cells[3].firstChild.data = four ? '1' : '0';
        cells[3].style.backgroundColor = four ? '#c8c8c8' : '#00c800';
        cells[4].firstChild.data = four ? '0' : '2';
        cells[4].style.backgroundColor = four ? '#00c800' : '#646464';
        cells[7].style.visibility = cells[8].style.visibility = four ? '' : 'hidden';
    };
}

// Runs in the page before its own script: the time from navigation start to the first animation
// frame in which the board (or the floor's label) is complete, the frame that paints it so.
function paintProbe(selector) {
    window.__paint = new Promise((resolve) => requestAnimationFrame(function watch(frame) {
        const element = document.querySelector(selector);
        if (element?.textContent && element.checkVisibility({ visibilityProperty: true })) {
            resolve(frame);
        } else {
            requestAnimationFrame(watch);
        }
    }));
}

// The first paint of the page at `address` in a browser started for it, in the window of a fresh
// profile: a private window of the drivers refuses requests through the driver, whose round trip
// would be timed with every navigation.
async function firstPaint(engine, address, selector) {
    const browser = await engine.launch({ profile: fs.mkdtempSync(path.join(scratch, 'profile-')) });
    try {
        const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
        await page.addInitScript(paintProbe, selector);
        await page.goto(address);
        return await page.evaluate(() => window.__paint);
    } finally {
        await browser.close();
    }
}

// Each handler in a state where it acts, through the same paths as the player's input, timed in
// the page: its clock counts in 100 µs steps, so a batch of `count` events is timed, and the time
// per event is the batch's time over `count`. With `layout`, each event is followed by the style
// and layout of the updated page. Returns the medians over `repeats` batches in µs, by handler;
// on the bare page, of its change of variant.
function timeHandlers({ count, repeats, layout }) {
    const click = (id) => document.getElementById(id).click();
    // Each batch after `setUp`, its events timed `group` at a time, each group after `next`.
    const median = (event, { setUp = () => {}, group = count, next = () => {} } = {}) => {
        const times = Array.from({ length: repeats }, () => {
            setUp();
            let time = 0;
            for (let i = 0; i < count; i += group) {
                next();
                const start = performance.now();
                for (let j = i; j < i + group; j++) {
                    event(j);
                    layout && document.body.offsetHeight; // eslint-disable-line no-unused-expressions
                }
                time += performance.now() - start;
            }
            return (time * 1000) / (Math.ceil(count / group) * group);
        });
        return times.sort((a, b) => a - b)[repeats >> 1];
    };
    const variant = 'Option1_Click, a change of variant';
    if (window.__variant) {
        return { [variant]: median((i) => window.__variant(i % 2 === 0)) };
    }
    const probe = window.__pebblixProbe;
    const board = () => probe.state().cells.map((c) => c.visible && c.text).join();
    const results = {};
    // Each move acts on the three-per-side start, after "2 наляво" or after "1 надясно": played
    // and taken back once before each batch of it and its take-back.
    [[], [], [1], [0]].forEach((first, move) => {
        results[`Command1_Click(${move}) with Command1_Click(4)`] = median((i) =>
            click('Command1_' + (i % 2 ? 4 : move)), { setUp: () => {
            ['Option1_0', 'Command1_5', ...first.map((k) => 'Command1_' + k)].forEach(click);
            const before = board();
            click('Command1_' + move);
            if (board() === before) {
                throw new Error(`move ${move} does not act after ${first}`);
            }
            click('Command1_4');
        } });
    });
    results['Command1_Click(5) with Command1_Click(1), a restart after a move'] =
        median((i) => click(i % 2 ? 'Command1_5' : 'Command1_1'), { setUp: () => click('Command1_5') });
    results['Command1_Click(6), a playback start'] = median(() => click('Command1_6'));
    results[variant] = median((i) => click('Option1_' + (i % 2)));
    // The timer's own callback within a four-per-side playback, 23 ticks at a time.
    let tick;
    click('Option1_1');
    results['Timer1_Timer, one playback step'] = median(() => tick(), { group: 23, next: () => {
        click('Command1_6');
        [tick] = probe.callbacks();
    } });
    return results;
}

// Runs in the page before its own script: notes the WebAssembly memories its instances export.
// The page compiles its module at once, through the synchronous constructor.
function wasmMemories() {
    const memories = [];
    const Instance = WebAssembly.Instance;
    WebAssembly.Instance = function (...args) {
        const instance = new Instance(...args);
        memories.push(...Object.values(instance.exports).filter((v) => v instanceof WebAssembly.Memory));
        return instance;
    };
    WebAssembly.Instance.prototype = Instance.prototype;
    Object.defineProperty(window, '__memories', { value: memories });
}

// `count` random events through the same paths as the player's, seeded so runs repeat: clicks on
// the command and option buttons, and ticks (the timer's own callback, while it is armed).
function randomEvents(count) {
    let state = 12345;
    const next = () => (state = (Math.imul(state, 1103515245) + 12345) >>> 0) >>> 8;
    for (let i = 0; i < count; i++) {
        const roll = next() % 100;
        const id = roll < 70 ? `Command1_${next() % 7}` : roll < 80 ? `Option1_${next() % 2}` : null;
        id ? document.getElementById(id).click() : window.__pebblixProbe.callbacks()[0]?.();
    }
}

// Chromium's JavaScript heap after a garbage collection and the WebAssembly memory, after 1,000
// random events and again after 100,000 more.
async function memory() {
    const browser = await require('../../tests/web/engines/chromium.js').launch();
    const { page, close } = await h.openPage(browser, { clock: true, scripts: [wasmMemories] });
    const measure = async (events) => {
        await page.evaluate(randomEvents, events);
        return { heap: await page.devtools(async (send) => {
            await send('HeapProfiler.collectGarbage');
            return (await send('Runtime.getHeapUsage')).usedSize;
        }), wasm: await page.evaluate(() =>
            window.__memories.reduce((sum, m) => sum + m.buffer.byteLength, 0)) };
    };
    const [before, after] = [await measure(1000), await measure(100000)];
    await close();
    await browser.close();
    return [['JS heap', 'heap'], ['WebAssembly memory', 'wasm']].map(([what, key]) => [
        `web page in Chromium, ${what} before / after 100,000 events`,
        `${kib(before[key])} / ${kib(after[key])}`, '', '', '≤ +1 MiB', met(before[key] > 0 && after[key] - before[key] <= 1024 * 1024)]);
}

const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const met = (ok) => (ok ? 'yes' : 'no');
// The value at fraction `q` of the sorted values, halfway between two where it falls between.
const at = (values, q) => {
    const [sorted, i] = [[...values].sort((a, b) => a - b), q * (values.length - 1)];
    return (sorted[Math.floor(i)] + sorted[Math.ceil(i)]) / 2;
};
const spread = (values) =>
    `${at(values, 0.5).toFixed(1)} ms (${at(values, 0.25).toFixed(1)}–${at(values, 0.75).toFixed(1)})`;

// An engine's rows: the page's first paints against the floor's, by turns, and its handlers
// against their floors.
async function measureIn(name, floor, font) {
    const engine = require(`../../tests/web/engines/${name}.js`);
    const paints = { page: [], floor: [] };
    for (let i = 0; i < runs; i++) {
        paints.page.push(await firstPaint(engine, h.pageUrl, '#Label2_6'));
        paints.floor.push(await firstPaint(engine, floor, '#floor'));
    }
    const ratio = at(paints.page, 0.5) / at(paints.floor, 0.5);
    const rows = [[`navigation start to first paint of the complete board, median of ${runs} by ` +
        `turns (quartiles)${font ? '' : ' (no embedded font found for the floor)'}`,
    spread(paints.page), spread(paints.floor), ratio.toFixed(2), '≤ 1.25', met(ratio <= 1.25)]];
    const browser = await engine.launch();
    const time = async (layout, options) => {
        const session = await h.openPage(browser, { clock: true, ...options });
        const medians = await session.page.evaluate(timeHandlers, { count: 500, repeats: 20, layout });
        await session.close();
        return medians;
    };
    const bare = { url: scratchPage('bare.html', barePage), wait: false, scripts: [bareVariant] };
    const [handlers, laidOut, floors] = [await time(false), await time(true), await time(true, bare)];
    // By name, which is the order they are measured in: not every engine keeps an object's order
    // on its way out of the page.
    for (const [handler, us] of Object.entries(handlers).sort()) {
        const [floor, laid] = [floors[handler], laidOut[handler]];
        rows.push([`\`${handler}\`: event to updated page; with its style and layout` +
            (floor ? '; floor: the same changes on a bare page' : ''),
        `${us.toFixed(1)} µs; ${laid.toFixed(1)} µs`, floor ? `${floor.toFixed(1)} µs` : '',
        floor ? (laid / floor).toFixed(2) : '', '≤ 50 µs', met(laid <= 50)]);
    }
    await browser.close();
    return rows;
}

async function main() {
    const shipped = fs.readFileSync(h.pagePath);
    const gzipped = zlib.gzipSync(shipped, { level: 9 }).length;
    const floor = scratchPage('floor.html', floorPage(shipped.toString('utf8')));
    const rows = [['web page size as shipped; gzipped (-9)', `${kib(shipped.length)}; ${kib(gzipped)}`,
        '', '', '≤ 200 KiB', met(shipped.length <= 200 * 1024)]];
    for (const name of engines) {
        const measured = await measureIn(name, floor, /@font-face/.test(shipped)).catch((error) =>
            [[`not measured: ${String(error.message).split('\n')[0]}`, '', '', '', '', '']]);
        rows.push(...measured.map(([what, ...rest]) =>
            [`web page in ${names[name] || name}, ${what}`, ...rest]));
    }
    // Lighthouse's desktop run on the site served from 127.0.0.1.
    const host = await h.serveSite(h.sitePath);
    const report = await h.lighthouse(host.url);
    await host.stop();
    for (const [id, category] of Object.entries(report.categories)) {
        const failed = h.failedAudits(report, id);
        rows.push([`web page in Chromium, Lighthouse ${id} (desktop, from 127.0.0.1)`,
            String(Math.round(category.score * 100)), '', '', 'every audit passes',
            met(!failed.length) + (failed.length ? `: ${failed.join(', ')}` : '')]);
    }
    rows.push(...await memory());
    rows.forEach((row) => console.log(`| ${row.join(' | ')} |`));
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
