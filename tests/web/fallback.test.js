// fallback.test.js: copies of the page whose policy refuses its WebAssembly, or both its programs.
// (A browser without WebAssembly at all: the play suite and a soak in Chromium without its JIT.)
'use strict';

const assert = require('node:assert/strict');
const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');
const url = require('node:url');
const { after, before, test } = require('node:test');
const h = require('./harness.js');

let browser;
before(async () => { browser = await h.launch(); });
after(() => browser.close());

const page = fs.readFileSync(h.pagePath, 'utf8');
const fallback = page.match(/<script type="text\/plain" id="fallback">(.*?)<\/script>/s)[1];
const fallbackHash = `'sha256-${crypto.createHash('sha256').update(fallback).digest('base64')}'`;

// The page beside the built one, its policy without the sources given.
function copy(name, ...sources) {
    const file = path.join(path.dirname(h.pagePath), `${name}.html`);
    fs.writeFileSync(file, sources.reduce((text, source) => text.replace(` ${source}`, ''), page));
    return url.pathToFileURL(file).href;
}

// As a browser that does not know 'wasm-unsafe-eval' (Safari 15) reads the policy.
test('without \'wasm-unsafe-eval\' the program in JavaScript plays', async () => {
    const session = await h.openPage(browser, { url: copy('no-wasm', "'wasm-unsafe-eval'"),
        clock: true, program: 'javascript' });
    const player = await h.Player.on(session);
    await player.playAll(['C1', 'C0', 'C3', 'O1', 'C2', 'C4', 'C6', '.', '.', 'C5']);
    // The policy's refusal of the empty module the page tries first, and nothing else.
    session.forgive('refused wasm-eval');
    await session.close();
});

test('where neither program may run, a phone shows a message in place of the board', async () => {
    const session = await h.openPage(browser, { url: copy('refused', "'wasm-unsafe-eval'",
        fallbackHash), wait: false, touch: true, viewport: { width: 360, height: 640 } });
    await h.until(session.page, () => document.getElementById('unplayable').checkVisibility());
    assert.deepEqual(await session.page.evaluate(() => {
        const message = document.getElementById('unplayable');
        const box = message.getBoundingClientRect();
        return { board: document.getElementById('Inf_Igra_Pebblix').checkVisibility(),
            role: message.getAttribute('role'),
            large: parseFloat(getComputedStyle(message).fontSize) >= 16,
            fits: box.left >= 0 && box.right <= innerWidth && box.bottom <= innerHeight };
    }), { board: false, role: 'alert', large: true, fits: true });
    // The policy's refusal of the inline script, as the browser's console and the page report it.
    assert.match(session.page.errors.join('\n'), /^Executing inline script violates [^\n]*$/);
    session.forgive('Executing inline script violates');
    session.forgive('refused inline');
    session.forgive('refused wasm-eval');
    await session.close();
});
