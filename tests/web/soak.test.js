// soak.test.js: random real input on the page, compared after every event with the stand-in.
//
// PEBBLIX_SOAK_SEED replays a run; PEBBLIX_SOAK_EVENTS sets its length (20,000 by default).
// PEBBLIX_ENGINE picks the browser, as for every browser test.
'use strict';

const { test } = require('node:test');
const h = require('./harness.js');

const seed = Number(process.env.PEBBLIX_SOAK_SEED || Date.now() % 0x100000000);
const count = Number(process.env.PEBBLIX_SOAK_EVENTS || 20000);

// Keys pressed in the rules text, by the stream's key number: letters, editing keys, clipboard
// and movement.
const keys = ['a', 'Я', '1', 'Backspace', 'Delete', 'Enter', 'Space', 'Control+a', 'Control+x',
    'Control+v', 'Control+z', 'PageDown', 'Home', 'End', 'ArrowUp', 'Escape'];

// The desktop soak's stream of events (tests/support/core/events.h, drawn in the stand-in), as
// the events the player plays.
function nextEvent(game) {
    const drawn = game.nextEvent();
    const index = drawn % 100;
    return [`C${index}`, `O${index}`, '.', `L${index}`, `K:${keys[index]}`][Math.floor(drawn / 100)];
}

const name = `${count} random events in ${h.engine}, seed ${seed}`;
test(name, { timeout: 15 * 60 * 1000 }, async () => {
    console.log(`soak seed ${seed} (PEBBLIX_SOAK_SEED=${seed} replays it)`);
    const browser = await h.launch();
    try {
        const session = await h.openPage(browser, { clock: true });
        const player = await h.Player.on(session);
        const { game } = player;
        game.seed(seed);
        const tally = {};
        for (let i = 0; i < count; i++) {
            const event = nextEvent(game);
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
