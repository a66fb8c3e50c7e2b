// firefox.js: the page in Debian's Firefox ESR, headless, driven by puppeteer-core over WebDriver
// BiDi (no geckodriver, no browser of puppeteer's own). Each launch has a fresh profile.
'use strict';

const puppeteer = require('puppeteer-core');

const name = 'firefox';
// BiDi offers no touch emulation, no accessibility tree of Playwright's kind, no list of the
// fonts a text was drawn with and no install prompt.
const can = { axe: true };

// A puppeteer page as the harness's page (harness.js says what it offers). With `refuse`, every
// request but the page's own navigation is refused and listed in `refused`; Firefox reports the
// page's data: URLs (its icon) as requests too, which are the page's own and let through.
async function wrap(page, close, refuse, viewport) {
    const errors = [];
    const refused = [];
    let address;
    await page.setViewport({ ...viewport, deviceScaleFactor: 1 });
    page.on('pageerror', (error) => errors.push(String(error)));
    page.on('console', (message) => {
        if (['error', 'warn', 'warning'].includes(message.type())) {
            errors.push(message.text());
        }
    });
    if (refuse) {
        await page.setRequestInterception(true);
        page.on('request', (request) => {
            if (request.url().startsWith('data:') ||
                (request.url() === address && request.isNavigationRequest())) {
                return request.continue();
            }
            refused.push(request.url());
            return request.abort('blockedbyclient');
        });
    }
    return {
        errors, refused, close,
        click: (x, y, count) => page.mouse.click(x, y, { count }),
        type: (text) => page.keyboard.type(text),
        // A key press as Playwright names it ("Shift+Tab"): the modifiers held round the key.
        // Puppeteer calls the space bar by its character.
        async press(combination) {
            const keys = combination.split(/\+(?=.)/).map((key) => key.replace(/^Space$/, ' '));
            for (const key of keys) {
                await page.keyboard.down(key);
            }
            for (const key of keys.reverse()) {
                await page.keyboard.up(key);
            }
        },
        addInitScript: (fn, arg) => page.evaluateOnNewDocument(fn, arg),
        goto: (url) => {
            address = url;
            return page.goto(url, { waitUntil: 'load' });
        },
        reload: () => page.reload({ waitUntil: 'load' }),
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        screenshot: async () => Buffer.from(await page.screenshot()),
    };
}

// With `profile`, the browser keeps its profile in that folder and its page is an ordinary window;
// otherwise every page is a private window (a user context of its own).
async function launch({ profile } = {}) {
    const browser = await puppeteer.launch({
        browser: 'firefox',
        executablePath: process.env.PEBBLIX_FIREFOX || '/usr/bin/firefox-esr',
        headless: true,
        userDataDir: profile,
        // Pages side by side are all shown here, none a hidden tab whose timers wait a second.
        extraPrefsFirefox: { 'dom.min_background_timeout_value': 4,
            'dom.min_background_timeout_value_without_budget_throttling': 4,
            'dom.timeout.enable_budget_timer_throttling': false },
    });
    return {
        async newPage({ viewport }) {
            if (profile) {
                const [page] = await browser.pages();
                return wrap(page, () => page.close(), false, viewport);
            }
            const context = await browser.createBrowserContext();
            return wrap(await context.newPage(), () => context.close(), true, viewport);
        },
        close: () => browser.close(),
    };
}

module.exports = { name, can, launch };
