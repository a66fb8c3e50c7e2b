// webkit.js: the page in WebKit, WebKitGTK's MiniBrowser driven through WebKitWebDriver (Debian's
// webkit2gtk-driver) over the W3C WebDriver protocol.
//
// WebKitWebDriver holds one session at a time, so every page is a driver and a browser of its own:
// a fresh window with nothing shared, at a start of one to a few seconds. The browser needs a display:
// under xvfb-run it takes that one, without one it starts an Xvfb of its own.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const url = require('node:url');
const { guarded, startSession, callText } = require('./webdriver.js');

const name = 'webkit';

// WebDriver classic reports no console and no uncaught errors, offers no request interception,
// touch emulation, accessibility tree, list of used fonts or install prompt. Init scripts take a
// way round (see withScripts).
// axe-core: WebKitGTK 2.50's web process crashes during its run, about one run in three here.
const can = { requests: false, touch: false, install: false, ariaSnapshot: false, fonts: false,
    initScripts: true, console: false, lighthouse: false, axe: false };

// The MiniBrowser of whichever WebKitGTK is installed (4.1 on GTK 3, 6.0 on GTK 4).
function miniBrowser() {
    if (process.env.PEBBLIX_MINIBROWSER) {
        return process.env.PEBBLIX_MINIBROWSER;
    }
    const found = fs.readdirSync('/usr/lib').filter((dir) => dir.endsWith('-linux-gnu'))
        .flatMap((dir) => ['webkit2gtk-4.1', 'webkitgtk-6.0', 'webkit2gtk-4.0']
            .map((flavour) => path.join('/usr/lib', dir, flavour, 'MiniBrowser')))
        .find((file) => fs.existsSync(file));
    if (!found) {
        throw new Error('no WebKitGTK MiniBrowser found (Debian package webkit2gtk-driver)');
    }
    return found;
}

// An X server on the first free display, which it names on the pipe given as its fd 3.
async function startXvfb() {
    const server = guarded('Xvfb', ['-displayfd', '3', '-screen', '0', '2560x1600x24',
        '-nolisten', 'tcp'], ['pipe']);
    const pipe = server.child.stdio[3];
    let text = '';
    for await (const chunk of pipe) {
        text += chunk;
        if (text.includes('\n')) {
            break;
        }
    }
    pipe.destroy();
    if (!/^\d+\n/.test(text)) {
        await server.stop();
        throw new Error('Xvfb did not start');
    }
    return { display: ':' + text.trim(), stop: server.stop };
}

// Temporary folders (page copies, the browser's config), removed however node leaves.
const folders = new Set();
process.on('exit', () => folders.forEach(removeFolder));

function makeFolder(prefix) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), prefix));
    folders.add(folder);
    return folder;
}

function removeFolder(folder) {
    fs.rmSync(folder, { recursive: true, force: true });
    folders.delete(folder);
}

// WebDriver classic cannot run a script before a page's own. So the init scripts are put into the
// page's HTML right after <head>: they run first, and the page's Content-Security-Policy <meta>,
// which comes after them, still governs everything of the page's own. A file:// page is opened as
// such a copy in a folder of the page's; a page from a web host reaches the browser through a
// proxy of the page's (injectingProxy), which puts them into every HTML document on its way.
function withScripts(html, scripts) {
    const match = /<head[^>]*>/i.exec(html);
    if (!scripts.length || !match) {
        return html;
    }
    const head = match.index + match[0].length;
    // "</" would end the script element early wherever it stands in the source.
    const elements = scripts.map((s) => `<script>${s.replace(/<\//g, '<\\/')}</script>`);
    return html.slice(0, head) + elements.join('') + html.slice(head);
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
                    const html = Buffer.concat(chunks).toString();
                    const body = Buffer.from(withScripts(html, scripts));
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

class Page {
    constructor(session, folder, scripts, proxy) {
        this.session = session;
        this.folder = folder;
        this.scripts = scripts;
        this.proxy = proxy;
        this.errors = [];
        this.mouse = { click: (x, y, { clickCount = 1 } = {}) => session.click(x, y, clickCount) };
        this.keyboard = {
            type: (text) => session.type(text),
            press: (key) => session.press(key),
        };
    }

    async addInitScript(fn, arg) {
        this.scripts.push(callText(fn, arg));
    }

    // A file:// page with init scripts is opened as a copy with them; only a self-contained page
    // works so.
    async goto(address) {
        if (this.scripts.length && address.startsWith('file:')) {
            const file = url.fileURLToPath(address);
            const copy = path.join(this.folder, path.basename(file));
            fs.writeFileSync(copy, withScripts(fs.readFileSync(file, 'utf8'), this.scripts));
            address = url.pathToFileURL(copy).href;
        }
        await this.session.command('POST', '/url', { url: address });
    }

    reload() {
        return this.session.command('POST', '/refresh', {});
    }

    evaluate(fn, arg) {
        return this.session.evaluate(fn, arg);
    }

    focus(selector) {
        return this.session.evaluate((s) => {
            const element = document.querySelector(s);
            if (!element) {
                throw new Error(`no element ${s}`);
            }
            element.focus();
        }, selector);
    }

    screenshot() {
        return this.session.screenshot();
    }

    async close() {
        try {
            await this.session.close();
        } finally {
            await this.proxy.close();
            removeFolder(this.folder);
        }
    }
}

// The window sized so that its viewport, not its outside, is `width` by `height` CSS pixels: the
// browser's frame and toolbar are measured and added.
async function sizeViewport(session, { width, height }) {
    let outer = { x: 0, y: 0, width, height };
    for (let tries = 0; tries < 5; tries++) {
        const actual = await session.command('POST', '/window/rect', outer);
        // The X server resizes the window a moment after the command has returned.
        await new Promise((resolve) => setTimeout(resolve, 100 * (tries + 1)));
        const inner = await session.evaluate(() => ({ width: innerWidth, height: innerHeight }));
        if (inner.width === width && inner.height === height) {
            return;
        }
        outer = { x: 0, y: 0, width: actual.width + width - inner.width,
            height: actual.height + height - inner.height };
    }
    throw new Error(`no window of ${width}x${height} CSS pixels inside`);
}

// MiniBrowser's toolbar keeps its window at least about 450 pixels wide. A GTK style sheet of
// the browser's own, in a config folder of its own, shrinks the toolbar so that narrow windows
// fit; GTK styles only the browser's own controls, not the page.
const toolbarStyle = `* { font-size: 4px; }
button, entry { min-width: 0; min-height: 0; padding: 0; }
image { -gtk-icon-transform: scale(0.3); }
`;

// A profile folder (launch({ profile })) changes nothing: every page is a browser of its own,
// which keeps its service workers and caches for as long as it is open.
async function launch() {
    const xvfb = process.env.DISPLAY ? null : await startXvfb();
    const config = makeFolder('pebblix-webkit-config-');
    for (const gtk of ['gtk-3.0', 'gtk-4.0']) {
        fs.mkdirSync(path.join(config, gtk));
        fs.writeFileSync(path.join(config, gtk, 'gtk.css'), toolbarStyle);
    }
    const environment = { ...process.env, XDG_CONFIG_HOME: config };
    if (xvfb) {
        environment.DISPLAY = xvfb.display;
    }
    const binary = miniBrowser();
    const pages = new Set();
    return {
        async newPage({ viewport = { width: 800, height: 600 } } = {}) {
            const scripts = [];
            const proxy = await injectingProxy(scripts);
            let session;
            try {
                session = await startSession('WebKitWebDriver', [], {
                    'webkitgtk:browserOptions': { binary, args: ['--automation'] },
                    proxy: { proxyType: 'manual', httpProxy: proxy.address },
                }, environment);
            } catch (error) {
                await proxy.close();
                throw error;
            }
            const page = new Page(session, makeFolder('pebblix-webkit-'), scripts, proxy);
            try {
                await sizeViewport(session, viewport);
            } catch (error) {
                await page.close();
                throw error;
            }
            const close = page.close.bind(page);
            page.close = () => {
                pages.delete(page);
                return close();
            };
            pages.add(page);
            return page;
        },
        async close() {
            await Promise.all([...pages].map((page) => page.close()));
            removeFolder(config);
            if (xvfb) {
                await xvfb.stop();
            }
        },
    };
}

module.exports = { name, can, launch };
