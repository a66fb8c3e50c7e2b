// play.test.js: the page played with the real mouse, keyboard and timer, against the stand-in.
'use strict';

const assert = require('node:assert/strict');
const { after, before, describe, test } = require('node:test');
const h = require('./harness.js');

let browser;
let description;

before(async () => {
    browser = await h.launch();
    description = h.description();
});

after(() => browser.close());

// A page on the paused clock, a fresh stand-in beside it, and the player that drives both.
function withPlayer(body) {
    return async () => {
        const session = await h.openPage(browser, { clock: true });
        const player = await h.Player.on(session);
        await body(player, session.page);
        await session.close();
    };
}

const board = (player) => h.boardOf(player.game.state());
const focused = (page) => page.evaluate(() => document.activeElement.id);
const focusOn = (page, id) => page.evaluate((i) => document.getElementById(i).focus(), id);
const repeat = (event, times) => Array(times).fill(event);

describe('by hand', () => {
    // Each variant solved with the move buttons, the stored solution's moves, the page compared with
    // the stand-in after each; then "Ход назад" back to the start.
    const solutions = [['three', [], '120331222133021'], ['four', ['O1'], '120331222033330222133021']];
    for (const [variant, pick, moves] of solutions) {
        test(`the ${variant}-per-side solution and back to the start`, withPlayer(async (player) => {
            await player.playAll(pick);
            const start = board(player);
            await player.playAll([...moves].map((k) => 'C' + k), 'by hand');
            assert.equal(board(player), [...start].reverse().join(''), 'the groups swapped');
            await player.playAll(repeat('C4', moves.length), 'taking back');
            assert.equal(board(player), start);
        }));
    }
});

describe('the timer', () => {
    // The real timer, once, coarsely: rows about 400 ms apart, the timer stopped after the last.
    test('the real timer plays back the three-per-side solution', async () => {
        const session = await h.openPage(browser);
        const player = await h.Player.on(session);
        const { page } = session;
        // Not compared right after the click: on a busy machine the first tick may come before
        // the page is read.
        await player.play('C6');
        const rows = description.solutions[0];
        await h.until(page, (n) => window.__pebblixProbe.ticks.length >= n &&
            !window.__pebblixProbe.running(), rows.length, 30000);
        const ticks = await page.evaluate(() => window.__pebblixProbe.ticks);
        assert.deepEqual(ticks.map((t) => t.board), rows);
        const gaps = ticks.slice(1).map((t, i) => t.t - ticks[i].t).sort((a, b) => a - b);
        assert.ok(gaps[gaps.length >> 1] > 350 && gaps[gaps.length >> 1] < 500,
            `median gap ${gaps[gaps.length >> 1]} ms`);
        rows.forEach(() => player.game.tick());
        await player.expectSame('after the playback');
        await session.close();
    });
});

describe('during a playback', () => {
    // Each case plays its events, then as many ticks as the longest playback takes; the page follows
    // the stand-in throughout and its timer stops. (What the game does in each: the same puzzle's
    // tests/puzzle/playback_test.cpp.)
    const cases = [
        { name: '"Чисти" at row 5', events: ['C6', ...repeat('.', 5), 'C5'] },
        { name: '"Подскажи" again at row 7', events: ['C1', 'C6', ...repeat('.', 7), 'C6'] },
        { name: '"Чисти" at row 20 of four per side', events: ['O1', 'C6', ...repeat('.', 20), 'C5'] },
        { name: 'from four to three at row 10', events: ['O1', 'C6', ...repeat('.', 10), 'O0'] },
        { name: 'from three to four at row 5', events: ['C6', ...repeat('.', 5), 'O1'] },
        { name: 'from four to three at row 15', events: ['O1', 'C6', ...repeat('.', 15), 'O0'] },
        { name: 'from four to three at row 16, past the end of the table of three',
            events: ['O1', 'C6', ...repeat('.', 16), 'O0'] },
        { name: 'from four to three at row 23, and a move', events: ['O1', 'C6', ...repeat('.', 23), 'O0', 'C1'] },
    ];
    for (const c of cases) {
        test(c.name, withPlayer(async (player) => {
            await player.playAll([...c.events, ...repeat('.', 26)], c.name);
            assert.equal((await h.readState(player.page)).timer, false);
        }));
    }
});

test('"Подскажи" during a playback starts the interval afresh', withPlayer(async (player, page) => {
    const ticks = () => page.evaluate(() => window.__pebblixProbe.ticks.length);
    await player.play('C6');
    await h.advance(page, 250);
    await player.play('C6');
    await h.advance(page, 399);
    assert.equal(await ticks(), 0, 'no tick within 400 ms of the second start');
    await h.advance(page, 1);
    assert.equal(await ticks(), 1);
    player.game.tick();
    await player.expectSame('after the first tick');
}));

describe('input that does nothing', () => {
    test('clicks on cells, keys in the rules text, focus changes and the selected option',
        withPlayer(async (player, page) => {
            const rules = () => page.evaluate(() => document.getElementById('Text1_0').value);
            const text = await rules();
            const keys = ['a', 'Я', '1', 'Backspace', 'Delete', 'Enter', 'Space', 'Control+a',
                'Control+x', 'Control+v', 'Shift+Tab', 'PageDown', 'End', 'Escape'];
            for (const variant of [0, 1]) {
                await player.playAll([`O${variant}`, 'C1', 'C2', 'C6', '.', '.']);
                const cells = [...Array(9).keys()];
                await player.playAll([...cells.map((i) => `L${i}`), ...cells.map((i) => `D${i}`),
                    ...keys.map((k) => `K:${k}`), `O${variant}`], 'inert');
                // The title, the cells and the frames' edges by their captions: the focus stays
                // where it was and nothing gets selected.
                await focusOn(page, variant ? 'Command1_2' : 'Text1_0');
                const focus = await focused(page);
                const selection = () => page.evaluate(() => String(getSelection()));
                const selected = await selection();
                for (const [id, at] of [['Label1_0'], ['Label2_4'], ['Frame1', [0.05, 0.1]],
                    ['Frame2', [0.1, 0.1]]]) {
                    await player.click(id, 1, at);
                    await player.click(id, 2, at);
                    assert.equal(await focused(page), focus, `focus after clicks on ${id}`);
                    assert.equal(await selection(), selected, `selection after clicks on ${id}`);
                }
                await player.expectSame('after clicks on labels and frames');
                assert.equal(await rules(), text);
            }
        }));

    test('a reload is a fresh start', withPlayer(async (player) => {
        await player.playAll(['O1', 'C1', 'C6', '.', '.', '.']);
        await player.restart();
        await player.expectSame('after the reload');
    }));
});

describe('the keyboard', () => {
    // The keyboard order the description gives: the shown controls that take the focus (not the
    // labels and frames), by tab index, with the option group as one stop at its selected button.
    const order = (selected) => description.controls
        .filter((c) => c.visible && ['CommandButton', 'TextBox', 'OptionButton'].includes(c.kind))
        .filter((c) => c.kind !== 'OptionButton' || c.index === selected)
        .sort((a, b) => a.tabIndex - b.tabIndex)
        .map(h.elementId);

    // Each way round from its first stop to its last, on a fresh page. Then the focus goes back
    // to the first stop or leaves the page for the browser's own controls, as in any page that
    // sets no keyboard trap; where it comes back from there is the browser's business. (Headless
    // Firefox, once left, keeps its page unfocused, moving the focus there without events.)
    for (const selected of [0, 1]) {
        for (const key of ['Tab', 'Shift+Tab']) {
            const variant = selected ? 'four' : 'three';
            test(`${key} goes round in the window's order on ${variant} per side`,
                withPlayer(async (player, page) => {
                    assert.equal(await focused(page), 'Text1_0', 'the focus at the start');
                    await player.playAll([`O${selected}`]);
                    const want = order(selected);
                    const round = key === 'Tab' ? want : [...want].reverse();
                    await focusOn(page, round[0]);
                    const seen = [await focused(page)];
                    for (let i = 0; i < round.length; i++) {
                        await page.press(key);
                        seen.push(await focused(page));
                    }
                    assert.deepEqual(seen.slice(0, -1), round);
                    assert.ok(['', round[0]].includes(seen.at(-1)),
                        `from the last stop to ${seen.at(-1)}`);
                    await player.expectSame('after going round');
                }));
        }
    }

    test('Space and Enter click the focused button, arrows choose the variant',
        withPlayer(async (player, page) => {
            const { game } = player;
            await page.press('Tab'); // to "1 надясно"
            await page.press('Tab'); // to "2 наляво"
            await page.press('Space');
            game.command(1);
            await player.expectSame('Space');
            await page.press('Shift+Tab');
            await page.press('Enter');
            game.command(0);
            await player.expectSame('Enter');
            await focusOn(page, 'Option1_0');
            await page.press('ArrowDown');
            game.option(1);
            await player.expectSame('ArrowDown');
        }));
});
