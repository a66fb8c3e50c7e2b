// soak.test.js: random real input on the page, compared after every event with the stand-in.
//
// PEBBLIX_SOAK_SEED replays a run; PEBBLIX_SOAK_EVENTS sets its length (20,000 by default).
'use strict';

const { test } = require('node:test');
const h = require('./harness.js');

const seed = Number(process.env.PEBBLIX_SOAK_SEED || Date.now() % 0x100000000);
const count = Number(process.env.PEBBLIX_SOAK_EVENTS || 20000);

// A small seeded generator (mulberry32), the same on every node.
function random32(state) {
    return () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return (t ^ (t >>> 14)) >>> 0;
    };
}

// Keys pressed in the rules text: letters, editing keys, clipboard and movement.
const keys = ['a', 'Я', '1', 'Backspace', 'Delete', 'Enter', 'Space', 'Control+a', 'Control+x',
    'Control+v', 'Control+z', 'PageDown', 'Home', 'End', 'ArrowUp', 'Escape'];

// The next event, spread as in the desktop soak: while a playback runs, ticks come more than
// half the time, so that playbacks reach their late rows and a switch from four to three per
// side meets the timer past the end of the smaller table.
function nextEvent(next, playing) {
    if (playing && next() % 100 < 55) {
        return 'T';
    }
    const roll = next() % 100;
    const pick = next() % 144;
    if (roll < 40) return `C${pick % 4}`;
    if (roll < 52) return 'C4';
    if (roll < 58) return 'C5';
    if (roll < 65) return 'C6';
    if (roll < 75) return `O${pick % 2}`;
    if (roll < 80) return 'T';
    if (roll < 84) return `D${pick % 9}`;
    if (roll < 90) return `L${pick % 9}`;
    return `K:${keys[pick % keys.length]}`;
}

test(`${count} random events, seed ${seed}`, { timeout: 15 * 60 * 1000 }, async () => {
    console.log(`soak seed ${seed} (PEBBLIX_SOAK_SEED=${seed} replays it)`);
    const browser = await h.launch();
    try {
        const session = await h.openPage(browser, { clock: true });
        const game = await h.standIn();
        const player = new h.Player(session, game, game.description());
        const next = random32(seed);
        const tally = {};
        for (let i = 0; i < count; i++) {
            const event = nextEvent(next, game.state().timer);
            tally[event[0]] = (tally[event[0]] || 0) + 1;
            await player.play(event);
            await player.expectSame(`seed ${seed}, event ${i} (${event})`);
        }
        console.log('events by kind', tally);
        await session.close();
    } finally {
        await browser.close();
    }
});
