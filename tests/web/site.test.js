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

// The icons are window/icons' files, each checked pixel for pixel there (qt/icon_test.cpp); here,
// that each is of the size and kind the manifest, or Safari's link, says it is: a plain icon clear
// at its corners, a maskable or opaque one the window's colour there.
test('the icons are of the sizes and kinds the manifest names', () => {
    const { icons } = JSON.parse(siteFile('manifest.webmanifest'));
    const touchIcon = { src: 'apple-touch-icon.png', sizes: '180x180', purpose: 'opaque' };
    for (const { src, sizes, purpose } of [...icons, touchIcon]) {
        const icon = h.decodePng(siteFile(src));
        assert.equal(`${icon.width}x${icon.height}`, sizes, src);
        assert.deepEqual(icon.alpha(0, 0) ? icon.at(0, 0) : 'clear',
            purpose === 'any' ? 'clear' : description.form.backColor, src);
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
    await player.playAll(['C0', 'C3'], 'offline');
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
