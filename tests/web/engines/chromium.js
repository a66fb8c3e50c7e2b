// chromium.js: the page in Debian's Chromium, headless, driven by playwright-core over the DevTools
// protocol, with the extras only Chromium has: touch screens, fonts, accessibility, install.
'use strict';

const { chromium } = require('playwright-core');

const name = 'chromium';
const can = { touch: true, fonts: true, ariaSnapshot: true, install: true, lighthouse: true,
    axe: true };

// We run as root, hence no sandbox; the rest keeps the browser itself from reaching out.
// PEBBLIX_BROWSER_ARGS adds arguments of its own, blank-separated (--js-flags=--jitless: a browser
// without WebAssembly).
const options = {
    executablePath: process.env.PEBBLIX_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update',
        '--disable-sync', '--no-first-run', '--disable-gpu', '--force-color-profile=srgb',
        ...(process.env.PEBBLIX_BROWSER_ARGS || '').split(' ').filter(Boolean)],
};

// Playwright's own browser, for Lighthouse, which wants a DevTools port.
const playwright = (args = []) => chromium.launch({ ...options, args: [...options.args, ...args] });

// A Playwright page as the harness's page (harness.js says what it offers). With `refuse`, every
// request but the page's own navigation is refused and listed in `refused`.
function wrap(page, close, refuse) {
    const errors = [];
    const refused = [];
    let address;
    page.on('pageerror', (error) => errors.push(String(error)));
    // Chromium 150 (a fresh Debian 12 had it) may log a reload of a file:// page, the harness's own
    // navigation and no request of the page's, as an unsafe load of the page from itself.
    page.on('console', (message) => {
        if (['error', 'warning'].includes(message.type()) && !message.text()
            .startsWith(`Unsafe attempt to load URL ${address} from frame with URL ${address}.`)) {
            errors.push(message.text());
        }
    });
    // Requests that never reach the router (the context is offline) are counted here.
    page.on('request', (request) => {
        if (refuse && request.url() !== address && !refused.includes(request.url())) {
            refused.push(request.url());
        }
    });
    const route = refuse && page.route('**/*', (handler) => {
        if (handler.request().url() === address && handler.request().isNavigationRequest()) {
            return handler.continue();
        }
        refused.push(handler.request().url());
        return handler.abort('blockedbyclient');
    });
    const devtools = async (calls) => {
        const cdp = await page.context().newCDPSession(page);
        try {
            return await calls((method, params) => cdp.send(method, params));
        } finally {
            await cdp.detach();
        }
    };
    return {
        errors, refused, close, devtools,
        click: (x, y, clickCount) => page.mouse.click(x, y, { clickCount }),
        type: (text) => page.keyboard.type(text),
        press: (key) => page.keyboard.press(key),
        addInitScript: (fn, arg) => page.addInitScript(fn, arg),
        goto: async (url) => {
            await route;
            address = url;
            return page.goto(url);
        },
        reload: () => page.reload(),
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        screenshot: () => page.screenshot(),
        tap: (selector) => page.tap(selector),
        ariaSnapshot: (selector) => page.locator(selector).ariaSnapshot(),
        // The fonts Chromium drew each element's text with, by family, as its DevTools list them.
        fonts: (ids) => devtools(async (send) => {
            await send('DOM.enable');
            await send('CSS.enable');
            const { root } = await send('DOM.getDocument', { depth: -1 });
            const fonts = {};
            for (const id of ids) {
                const { nodeId } = await send('DOM.querySelector',
                    { nodeId: root.nodeId, selector: '#' + id });
                const { fonts: used } = await send('CSS.getPlatformFontsForNode', { nodeId });
                fonts[id] = used.map((f) => f.familyName + (f.isCustomFont ? ' (embedded)' : ''));
            }
            return fonts;
        }),
        // What keeps the page from being installed as an app, as Chromium lists it.
        installErrors: () => devtools(async (send) =>
            (await send('Page.getInstallabilityErrors')).installabilityErrors),
    };
}

// With `profile`, the browser keeps its profile in that folder and its one page is an ordinary
// window, where a web app can be installed and a service worker stays; otherwise every page is a
// private window of its own. `touch` makes a page a phone or tablet in Chromium's mobile
// emulation: a layout viewport of the screen's width, a touch screen and a coarse pointer, with
// `insets` as the screen's safe-area insets.
async function launch({ profile } = {}) {
    if (profile) {
        const context = await chromium.launchPersistentContext(profile,
            { ...options, viewport: { width: 800, height: 600 }, deviceScaleFactor: 1 });
        const [page] = context.pages();
        return { newPage: async () => wrap(page, () => page.close(), false),
            close: () => context.close() };
    }
    const browser = await playwright();
    return {
        async newPage({ viewport, touch = false, insets }) {
            const context = await browser.newContext({ viewport, deviceScaleFactor: touch ? 2 : 1,
                isMobile: touch, hasTouch: touch, offline: true });
            const page = await context.newPage();
            if (insets) {
                const cdp = await context.newCDPSession(page);
                await cdp.send('Emulation.setSafeAreaInsetsOverride', { insets });
            }
            return wrap(page, () => context.close(), true);
        },
        close: () => browser.close(),
    };
}

module.exports = { name, can, launch, playwright };
