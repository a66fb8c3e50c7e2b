// webkit.js: the page in WebKit, WebKitGTK's MiniBrowser driven by selenium-webdriver through
// WebKitWebDriver (Debian's webkit2gtk-driver), on the display xvfb-run gives.
//
// WebKitWebDriver holds one session at a time, so every page is a driver and a browser of its own:
// a fresh window with nothing shared, at a start of one to a few seconds.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const url = require('node:url');
const { Capabilities, Key, WebDriver } = require('selenium-webdriver');
const { Executor, HttpClient } = require('selenium-webdriver/http');
const { DriverService } = require('selenium-webdriver/remote');

const name = 'webkit';
// WebDriver classic reports no console and no uncaught errors (the timer probe notes them), offers
// no request interception, touch emulation, accessibility tree, list of used fonts or install
// prompt. axe-core: WebKitGTK 2.50's web process crashes during its run, about one run in three.
const can = {};

// WebKitWebDriver's words for what WebKitGTK itself gets wrong now and then: its web process loses
// the result of a script (as it does when it crashes or hangs), the browser fails to start or ends.
const engineFaults = new RegExp(['Could not (parse|retrieve) script result',
    'Failed to connect to browser', 'Session terminated without a reply',
    'did not start within'].join('|'));

// `call` once more if it fails through one of the engine's own faults; each retry is printed. If
// the second try fails too, its error names the first's.
async function retried(what, call) {
    try {
        return await call();
    } catch (error) {
        if (!engineFaults.test(error.message)) {
            throw error;
        }
        console.error(`webkit: ${what} failed (${error.message.split('\n')[0]}); retrying it once`);
        return call().catch((again) => {
            again.message += ` (on a second try, after: ${error.message})`;
            throw again;
        });
    }
}

// The MiniBrowser of whichever WebKitGTK is installed (4.1 on GTK 3, 6.0 on GTK 4).
function miniBrowser() {
    const found = process.env.PEBBLIX_MINIBROWSER || fs.readdirSync('/usr/lib')
        .filter((dir) => dir.endsWith('-linux-gnu'))
        .flatMap((dir) => ['webkit2gtk-4.1', 'webkitgtk-6.0', 'webkit2gtk-4.0']
            .map((flavour) => path.join('/usr/lib', dir, flavour, 'MiniBrowser')))
        .find((file) => fs.existsSync(file));
    if (!found) {
        throw new Error('no WebKitGTK MiniBrowser found (Debian package webkit2gtk-driver)');
    }
    return found;
}

// The browser's GTK config (below) and the pages' copies, removed however node leaves.
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'pebblix-webkit-'));
process.on('exit', () => fs.rmSync(scratch, { recursive: true, force: true }));
let copies = 0;

// WebDriver classic cannot run a script before a page's own. So the init scripts are put into the
// page's HTML right after <head> (or at its start): they run first, and the page's
// Content-Security-Policy <meta>, which comes after them, still governs everything of the page's
// own. A file:// page is opened as such a copy in `scratch`; a page from a web host reaches the
// browser through a proxy of the page's (injectingProxy), which puts them into every HTML
// document on its way.
function withScripts(html, scripts) {
    const head = /<head[^>]*>/i.exec(html);
    const at = head ? head.index + head[0].length : 0;
    // "</" would end the script element early wherever it stands in the source.
    const elements = scripts.map((s) => `<script>${s.replace(/<\//g, '<\\/')}</script>`);
    return html.slice(0, at) + elements.join('') + html.slice(at);
}

// An HTTP proxy on 127.0.0.1 that passes everything on unchanged but HTML, which gets `scripts`.
// So a service worker's copies of the page hold them too, as its pages then need. A host that
// is down is a network error to the browser as well, not an answer of the proxy's.
async function injectingProxy(scripts) {
    const server = http.createServer((request, response) => {
        const upstream = http.request(request.url,
            { method: request.method, headers: request.headers }, (answer) => {
                if (!/^text\/html/.test(answer.headers['content-type'] || '')) {
                    response.writeHead(answer.statusCode, answer.headers);
                    answer.pipe(response);
                    return;
                }
                const chunks = [];
                answer.on('data', (chunk) => chunks.push(chunk));
                answer.on('end', () => {
                    const body = Buffer.from(withScripts(Buffer.concat(chunks).toString(), scripts));
                    const headers = { ...answer.headers, 'content-length': body.length };
                    delete headers['transfer-encoding'];
                    response.writeHead(answer.statusCode, headers).end(body);
                });
            });
        upstream.on('error', () => response.socket.destroy());
        request.pipe(upstream);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        address: `127.0.0.1:${server.address().port}`,
        close: () => new Promise((resolve) => {
            server.close(resolve);
            server.closeAllConnections();
        }),
    };
}

// A WebKitWebDriver of its own and its one session, whose browser takes its init scripts through
// the proxy. The session is made before this returns, so that a browser that fails to start
// fails here; WebKitWebDriver waits for one that never answers, here for a minute.
async function startSession(environment, proxy) {
    const service = new DriverService.Builder('WebKitWebDriver').setLoopback(true)
        .setEnvironment(environment).build();
    const driver = WebDriver.createSession(new Executor(new HttpClient(await service.start())),
        new Capabilities({
            'webkitgtk:browserOptions': { binary: miniBrowser(), args: ['--automation'] },
            proxy: { proxyType: 'manual', httpProxy: proxy.address },
        }), () => service.kill());
    let timer;
    const late = new Promise((resolve, reject) => {
        timer = setTimeout(() => reject(new Error('the browser did not start within 60 s')), 60000);
    });
    try {
        await Promise.race([driver.getSession(), late]);
    } catch (error) {
        await service.kill();
        throw error;
    } finally {
        clearTimeout(timer);
    }
    return driver;
}

// The window sized so that its viewport, not its outside, is `width` by `height` CSS pixels: the
// browser's frame and toolbar are measured and added.
async function sizeViewport(page, { width, height }) {
    let outer = { x: 0, y: 0, width, height };
    for (let tries = 0; tries < 5; tries++) {
        const actual = await page.driver.manage().window().setRect(outer);
        // The X server resizes the window a moment after the command has returned.
        await new Promise((resolve) => setTimeout(resolve, 100 * (tries + 1)));
        const inner = await page.evaluate(() => ({ width: innerWidth, height: innerHeight }));
        if (inner.width === width && inner.height === height) {
            return;
        }
        outer = { x: 0, y: 0, width: actual.width + width - inner.width,
            height: actual.height + height - inner.height };
    }
    throw new Error(`no window of ${width}x${height} CSS pixels inside`);
}

// Playwright's names of keys ("PageDown", "Control") as WebDriver's key values; other keys are
// their own character.
const keyValue = (key) => ({ Backspace: Key.BACK_SPACE, Space: ' ' })[key] ??
    Key[key.replace(/\B[A-Z]/g, '_$&').toUpperCase()] ?? key;

// A selenium-webdriver session as the harness's page (harness.js says what it offers).
function wrap(driver, scripts, proxy, pages) {
    const actions = () => driver.actions();
    return {
        driver, errors: [],
        // `count` presses of the left button in one sequence: a double click when there are two.
        click(x, y, count = 1) {
            const sequence = actions().move({ x: Math.round(x), y: Math.round(y), duration: 0 });
            for (let i = 0; i < count; i++) {
                sequence.press().release();
            }
            return sequence.perform();
        },
        type: (text) => actions().sendKeys(text).perform(),
        // The keys of a press such as "Shift+Tab" down in order, then up in reverse order.
        press(combination) {
            const keys = combination.split(/\+(?=.)/).map(keyValue);
            const sequence = actions();
            keys.forEach((key) => sequence.keyDown(key));
            keys.reverse().forEach((key) => sequence.keyUp(key));
            return sequence.perform();
        },
        addInitScript: async (fn, arg) => scripts.push(`(${fn})(${JSON.stringify(arg) ?? ''})`),
        // A file:// page with init scripts is opened as a copy with them; only a self-contained
        // page works so.
        goto(address) {
            if (scripts.length && address.startsWith('file:')) {
                const file = url.fileURLToPath(address);
                const copy = path.join(scratch, `${++copies}-${path.basename(file)}`);
                fs.writeFileSync(copy, withScripts(fs.readFileSync(file, 'utf8'), scripts));
                address = url.pathToFileURL(copy).href;
            }
            return driver.get(address);
        },
        reload: () => driver.navigate().refresh(),
        // fn(arg) in the page, awaited if it returns a promise. The result travels in an object,
        // so that an exception in the page comes back as the page's own message.
        async evaluate(fn, arg) {
            const result = await retried('a script', () => driver.executeAsyncScript(
                `const done = arguments[1];
                Promise.resolve(arguments[0]).then(${fn})
                    .then((value) => done({ value }), (error) => done({ error: String(error) }));`,
                arg));
            if (result && 'error' in result) {
                throw new Error(`in the page: ${result.error}`);
            }
            return result?.value;
        },
        screenshot: async () => Buffer.from(await retried('a screenshot',
            () => driver.takeScreenshot()), 'base64'),
        async close() {
            pages.delete(this);
            try {
                await driver.quit();
            } finally {
                await proxy.close();
            }
        },
    };
}

// MiniBrowser's toolbar keeps its window at least about 450 pixels wide. A GTK style sheet of
// the browser's own, in the config folder it is given, shrinks the toolbar so that narrow windows
// fit; GTK styles only the browser's own controls, not the page.
for (const gtk of ['gtk-3.0', 'gtk-4.0']) {
    fs.mkdirSync(path.join(scratch, gtk));
    fs.writeFileSync(path.join(scratch, gtk, 'gtk.css'), `* { font-size: 4px; }
button, entry { min-width: 0; min-height: 0; padding: 0; }
image { -gtk-icon-transform: scale(0.3); }
`);
}

// A profile folder (launch({ profile })) changes nothing: every page is a browser of its own,
// which keeps its service workers and caches for as long as it is open.
async function launch() {
    if (!process.env.DISPLAY) {
        throw new Error('WebKitGTK needs a display: run under xvfb-run -a');
    }
    const environment = { ...process.env, XDG_CONFIG_HOME: scratch };
    const pages = new Set();
    return {
        async newPage({ viewport }) {
            const scripts = [];
            const proxy = await injectingProxy(scripts);
            const driver = await retried('the start of a browser', () =>
                startSession(environment, proxy)).catch(async (error) => {
                await proxy.close();
                throw error;
            });
            const page = wrap(driver, scripts, proxy, pages);
            pages.add(page);
            await sizeViewport(page, viewport).catch(async (error) => {
                await page.close();
                throw error;
            });
            return page;
        },
        close: () => Promise.all([...pages].map((page) => page.close())),
    };
}

module.exports = { name, can, launch };
