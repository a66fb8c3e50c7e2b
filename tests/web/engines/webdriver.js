// webdriver.js: a small client of the W3C WebDriver protocol (the classic one, over HTTP), enough
// for the browser tests: a driver process of its own, one session, scripts, real pointer and key
// input, screenshots. Node's own fetch is the whole transport.
'use strict';

const { spawn } = require('node:child_process');
const net = require('node:net');

// Every process group started here, ended on the way out however node leaves: 'exit' covers
// normal ends and uncaught errors. A signal or a kill ends node without 'exit'; then each group's
// guard (see guarded()) sees its pipe from node close and ends the group itself.
const groups = new Set();
process.on('exit', () => {
    for (const pid of groups) {
        try {
            process.kill(-pid, 'SIGTERM');
        } catch {
            // Already gone.
        }
    }
});

// Starts `command` in a process group of its own under a guarding shell, which ends the whole
// group (the command and whatever it starts, such as the browser) once its standard input, a pipe
// from node, closes. `extra` adds file descriptors from fd 3 on. Returns { child, stop() }.
function guarded(command, args, extra = [], env = process.env) {
    const guard = '"$@" </dev/null & read _; kill -TERM 0';
    const child = spawn('sh', ['-c', guard, 'sh', command, ...args],
        { detached: true, stdio: ['pipe', 'ignore', 'ignore', ...extra], env });
    groups.add(child.pid);
    const exited = new Promise((resolve) => child.once('exit', resolve));
    exited.then(() => groups.delete(child.pid));
    // Nothing here keeps node running: a test that forgets to close still ends, and 'exit' cleans
    // up after it.
    child.unref();
    child.stdin.unref();
    return {
        child,
        stop() {
            child.ref();
            child.stdin.end();
            return exited;
        },
    };
}

// A port nobody listens on now.
function freePort() {
    return new Promise((resolve, reject) => {
        const server = net.createServer().once('error', reject);
        server.listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
    });
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Playwright's names of keys as WebDriver's key values; other keys are their own character.
const keyValues = {
    Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009',
    Alt: '\uE00A', Escape: '\uE00C', Space: ' ', PageUp: '\uE00E', PageDown: '\uE00F',
    End: '\uE010', Home: '\uE011', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014',
    ArrowDown: '\uE015', Insert: '\uE016', Delete: '\uE017', Meta: '\uE03D',
    ControlOrMeta: '\uE009',
};
for (let i = 1; i <= 12; i++) {
    keyValues['F' + i] = String.fromCharCode(0xE030 + i);
}

function keyValue(name) {
    if (name in keyValues) {
        return keyValues[name];
    }
    if ([...name].length !== 1) {
        throw new Error(`unknown key ${name}`);
    }
    return name;
}

// The key actions of a press such as "Control+a" or "Shift+Tab": the modifiers down in order,
// the key down and up, the modifiers up in reverse order.
function pressActions(combination) {
    const keys = combination.split(/\+(?=.)/).map(keyValue);
    return [...keys.map((value) => ({ type: 'keyDown', value })),
        ...keys.reverse().map((value) => ({ type: 'keyUp', value }))];
}

// The text of a function called with a JSON argument inside the page. A function reaches the page
// as its source text, so it sees none of node's variables: only what `arg` carries.
const callText = (fn, arg) => `(${fn})(${arg === undefined ? '' : JSON.stringify(arg)})`;

// A WebDriver server started from `binary` on a free port, with one session of `capabilities`.
// Returns the session: command(method, path, body) and the few calls the page needs.
async function startSession(binary, args, capabilities, env = process.env) {
    const port = await freePort();
    const driver = guarded(binary, [`--port=${port}`, ...args], [], env);
    const base = `http://127.0.0.1:${port}`;
    const send = async (method, route, body) => {
        const response = await fetch(base + route, {
            method,
            headers: { 'Content-Type': 'application/json; charset=utf-8' },
            body: body === undefined ? undefined : JSON.stringify(body),
        });
        const { value } = await response.json();
        if (!response.ok) {
            throw new Error(`WebDriver ${method} ${route}: ${value.error}: ${value.message}`);
        }
        return value;
    };
    try {
        for (let end = Date.now() + 20000; ;) {
            try {
                if ((await send('GET', '/status')).ready) {
                    break;
                }
            } catch (error) {
                if (Date.now() > end) {
                    throw new Error(`${binary} did not answer on port ${port}: ${error.message}`);
                }
            }
            await sleep(50);
        }
        const { sessionId } = await send('POST', '/session',
            { capabilities: { alwaysMatch: capabilities } });
        return new Session(send, `/session/${sessionId}`, driver);
    } catch (error) {
        await driver.stop();
        throw error;
    }
}

class Session {
    constructor(send, prefix, driver) {
        this.send = send;
        this.prefix = prefix;
        this.driver = driver;
    }

    command(method, route, body) {
        return this.send(method, this.prefix + route, body);
    }

    // fn(arg) in the page, awaited if it returns a promise; its value back as JSON. The result
    // travels in an object so that an exception in the page comes back as the page's own message.
    async evaluate(fn, arg) {
        const script = `const done = arguments[0];
            Promise.resolve().then(() => ${callText(fn, arg)})
                .then((value) => done({ value }), (error) => done({ error: String(error) }));`;
        const result = await this.command('POST', '/execute/async', { script, args: [] });
        if (result && 'error' in result) {
            throw new Error(`in the page: ${result.error}`);
        }
        return result ? result.value : undefined;
    }

    actions(actions) {
        return this.command('POST', '/actions', { actions });
    }

    // Clicks at CSS pixels of the viewport: `count` presses of the left button in one sequence,
    // so the browser sees them as a double click when there are two.
    click(x, y, count = 1) {
        const press = [{ type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }];
        return this.actions([{
            type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
            actions: [{ type: 'pointerMove', origin: 'viewport', x: Math.round(x),
                y: Math.round(y), duration: 0 }, ...Array(count).fill(press).flat()],
        }]);
    }

    keys(actions) {
        return this.actions([{ type: 'key', id: 'keyboard', actions }]);
    }

    type(text) {
        return this.keys([...text].flatMap((value) =>
            [{ type: 'keyDown', value }, { type: 'keyUp', value }]));
    }

    press(combination) {
        return this.keys(pressActions(combination));
    }

    async screenshot() {
        return Buffer.from(await this.command('GET', '/screenshot'), 'base64');
    }

    // Ends the session (the browser with it) and the driver.
    async close() {
        try {
            await this.command('DELETE', '');
        } finally {
            await this.driver.stop();
        }
    }
}

module.exports = { guarded, startSession, callText };
