// firefox.js: the page in Debian's Firefox ESR, headless, driven by puppeteer-core over WebDriver
// BiDi (no geckodriver, no browser of puppeteer's own). Each launch has a fresh profile.
'use strict';

const puppeteer = require('puppeteer-core');

const name = 'firefox';

// BiDi offers no touch emulation, no accessibility tree of Playwright's kind, no list of the
// fonts a text was drawn with and no install prompt.
const can = { requests: true, touch: false, install: false, ariaSnapshot: false, fonts: false,
    initScripts: true, console: true, lighthouse: false, axe: true };

// A key press as Playwright names it ("Shift+Tab", "Control+a"): the modifiers held round the key.
// Puppeteer calls the space bar by its character.
async function press(keyboard, combination) {
    const keys = combination.split(/\+(?=.)/);
    const key = keys.pop().replace(/^Space$/, ' ');
    for (const modifier of keys) {
        await keyboard.down(modifier);
    }
    await keyboard.press(key);
    for (const modifier of keys.reverse()) {
        await keyboard.up(modifier);
    }
}

// A puppeteer page as the harness's page. Uncaught exceptions and console errors and warnings go
// to `errors`. With `refuse`, every request but the page's own navigation is refused and listed
// in `refused`; Firefox reports the page's data: URLs (its icon) as requests too, which are the
// page's own and let through.
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
        errors, refused,
        mouse: {
            click: (x, y, { clickCount = 1 } = {}) => page.mouse.click(x, y, { count: clickCount }),
        },
        keyboard: {
            type: (text) => page.keyboard.type(text),
            press: (key) => press(page.keyboard, key),
        },
        addInitScript: (fn, arg) => page.evaluateOnNewDocument(fn, arg),
        goto: (url) => {
            address = url;
            return page.goto(url, { waitUntil: 'load' });
        },
        reload: () => page.reload({ waitUntil: 'load' }),
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        focus: (selector) => page.focus(selector),
        screenshot: async () => Buffer.from(await page.screenshot()),
        close,
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
        async newPage({ viewport = { width: 800, height: 600 } } = {}) {
            if (profile) {
                const [page] = await browser.pages();
                return wrap(page, () => browser.close(), false, viewport);
            }
            const context = await browser.createBrowserContext();
            return wrap(await context.newPage(), () => context.close(), true, viewport);
        },
        close: () => browser.close(),
    };
}

module.exports = { name, can, launch };
