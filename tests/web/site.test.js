// site.test.js: the site on a web host: an app to install, offline after one visit, and updated.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { after, before, test } = require('node:test');
const h = require('./harness.js');

let scratch;
let host;
let browser;
let session;
let page;
let player;
let description;

const siteFile = (name) => fs.readFileSync(path.join(h.sitePath, name));
const hex = (rgb) => '#' + rgb.map((v) => v.toString(16).padStart(2, '0')).join('');

// The browser keeps a profile of its own: its window is an ordinary one, where a web app can be
// installed and a service worker stays.
before(async () => {
    scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'pebblix-site-'));
    host = await h.serveSite(h.sitePath);
    browser = await h.launch({ profile: path.join(scratch, 'profile') });
    session = await h.openPage(browser, { url: null });
    ({ page } = session);
    player = await h.Player.on(session);
    description = h.description();
});

after(async () => {
    try {
        await session.close();
    } finally {
        await browser.close();
        await host.stop();
        fs.rmSync(scratch, { recursive: true, force: true });
    }
});

test('the folder: the page itself, a manifest from the description, icons from the picture', () => {
    assert.ok(siteFile('index.html').equals(fs.readFileSync(h.pagePath)), 'index.html is the page');
    const manifest = JSON.parse(siteFile('manifest.webmanifest'));
    const strip = description.controls.find((c) => c.name === 'Label1');
    const { form } = description;
    assert.deepEqual(
        [manifest.name, manifest.short_name, manifest.theme_color, manifest.background_color],
        [strip.text, form.title.split(' - ').pop(), hex(strip.backColor), hex(form.backColor)]);
    assert.deepEqual([manifest.lang, manifest.display, manifest.start_url, manifest.scope],
        ['bg', 'standalone', './', './']);
    assert.deepEqual(manifest.icons.map((i) => `${i.sizes} ${i.purpose}`).sort(),
        ['192x192 any', '192x192 maskable', '512x512 any', '512x512 maskable']);
    // Against the page's own icon, which is the window's picture pixel for pixel (tests/page).
    const favicon = siteFile('index.html').toString('latin1').match(/rel="icon"[^>]*base64,([^"]+)/);
    const picture = h.decodePng(Buffer.from(favicon[1], 'base64'));
    const colour = (image, x, y) => (image.alpha(x, y) ? image.at(x, y).join() : 'none');
    // Safari's Home Screen icon, which the page names once it is on a host, is opaque: the
    // picture at a whole scale in the middle of a square of the window's colour.
    const touchIcon = { src: 'apple-touch-icon.png', sizes: '180x180', purpose: 'opaque' };
    for (const { src, sizes, purpose } of [...manifest.icons, touchIcon]) {
        const icon = h.decodePng(siteFile(src));
        const size = icon.width;
        assert.equal(`${icon.width}x${icon.height}`, sizes, src);
        // A plain icon repeats each pixel of the picture. A maskable one is opaque, and only the
        // background outside the circle that every mask keeps. An opaque one is the picture on
        // the background.
        const faults = [];
        for (let i = 0; i < size * size; i++) {
            const [x, y] = [i % size, Math.floor(i / size)];
            const got = colour(icon, x, y);
            const kept = Math.hypot(x + 0.5 - size / 2, y + 0.5 - size / 2) <= 0.4 * size;
            const k = Math.floor(size / Math.max(picture.width, picture.height));
            const px = Math.floor((x - Math.floor((size - k * picture.width) / 2)) / k);
            const py = Math.floor((y - Math.floor((size - k * picture.height) / 2)) / k);
            const drawn = purpose === 'opaque' && px >= 0 && py >= 0 && px < picture.width &&
                py < picture.height ? colour(picture, px, py) : 'none';
            const want = purpose === 'any' ? colour(picture, Math.floor(x * picture.width / size),
                Math.floor(y * picture.height / size)) : purpose === 'opaque'
                ? drawn.replace('none', form.backColor.join())
                : (kept ? got.replace('none', 'opaque') : form.backColor.join());
            if (got !== want) {
                faults.push(`(${x}, ${y}) is ${got}, not ${want}`);
            }
        }
        assert.deepEqual(faults.slice(0, 5), [], src);
    }
});

// Only Chromium tells whether it would offer to install the app.
test('the worker takes the first visit over and serves the next; the app is installable', async () => {
    await page.goto(host.url);
    await h.until(page, () => navigator.serviceWorker.controller !== null);
    await player.restart();
    assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
    assert.equal(await page.evaluate(() => document.querySelector('link[rel=apple-touch-icon]').href),
        host.url + 'apple-touch-icon.png');
    if (h.can.install) {
        assert.deepEqual(await page.installErrors(), []);
    }
});

test('with the host gone the page loads again and plays', async () => {
    await host.stop();
    await player.restart();
    const start = h.boardOf(player.game.state());
    await player.playAll(['C0', 'C3'], 'offline');
    assert.notEqual(h.boardOf(player.game.state()), start);
});

test('a new version put on the host takes over, and the next visit shows it', async () => {
    const marker = 'pebblix.html, the next version:';
    host.folder = h.siteVersion(path.join(scratch, 'next'),
        (html) => html.replace('pebblix.html:', marker));
    const before = await page.evaluate(() => caches.keys());
    await host.start();
    await player.restart();
    // Taken over: the old version's cache is gone, which the new worker does as it activates,
    // and the page's worker is active, so not the old one. (The page may be born under the new
    // worker, which can claim it during the reload: Firefox often does, then no change is seen.)
    // The new worker fetches every file of the new version first: on a busy machine, a while.
    await h.until(page, async (old) => (await caches.keys()).every((k) => !old.includes(k)) &&
        navigator.serviceWorker.controller?.state === 'activated', before, 30000);
    await player.restart();
    assert.match(await page.evaluate(() => document.childNodes[1].data), new RegExp(marker));
    const kept = await page.evaluate(() => caches.keys());
    assert.ok(kept.length === 1 && !before.includes(kept[0]), 'the new version\'s cache alone');
    await player.playAll(['C1', 'C2'], 'the next version');
});

// The categories whose audits do not hang on the machine's speed; performance is measured in
// bench/web. A fresh host, so that nothing of the worker's takes part. Lighthouse runs in Chromium
// alone.
test('Lighthouse finds nothing to mend in accessibility, best practices and SEO',
    { skip: !h.can.lighthouse && `Lighthouse is Chromium's` }, async () => {
    const fresh = await h.serveSite(h.sitePath);
    try {
        const report = await h.lighthouse(fresh.url);
        for (const category of ['accessibility', 'best-practices', 'seo']) {
            assert.deepEqual(h.failedAudits(report, category), [], category);
        }
    } finally {
        await fresh.stop();
    }
});
