// The page against the native game in a terminal: the keys of native-terminal/ played one
// wait at a time, and at every wait the page's terminal holds what a terminal widget of
// the same size shows for the bytes the native game's terminal received by then (its
// output and the echo of the typed lines). The keys start with a Cyrillic nickname, skip
// a screen with an arrow key, answer two reads with one line, fail a read, play five days,
// save to slot 1 and quit.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import { GamePage, NATIVE_TERMINAL, keyLines, openBrowser, serveSite } from './harness.mjs';

const keys = keyLines(path.join(NATIVE_TERMINAL, 'keys'));
const transcript = fs.readFileSync(path.join(NATIVE_TERMINAL, 'terminal-output'));
const waits = keyLines(path.join(NATIVE_TERMINAL, 'waits')).map((line) => {
  const [kind, offset] = line.split(' ');
  return { kind, offset: Number(offset) };
});
const nativeSave = fs.readFileSync(path.join(NATIVE_TERMINAL, 'expected-files/save1.sav'));

// A second terminal widget in the page, of the page terminal's size, fed the transcript.
async function openNativeScreen(page) {
  await page.evaluate(async () => {
    const { Terminal } = await import('./xterm.mjs');
    const shown = window.geekpathTestTerminal;
    window.nativeTerminal = new Terminal({ cols: shown.cols, rows: shown.rows, scrollback: shown.options.scrollback });
  });
  return {
    // Writes the bytes and returns every row, the scrollback included.
    async feed(bytes) {
      return page.evaluate(async (data) => {
        const term = window.nativeTerminal;
        await new Promise((resolve) => term.write(new Uint8Array(data), resolve));
        const buffer = term.buffer.active;
        const rows = [];
        for (let i = 0; i < buffer.baseY + term.rows; i += 1) rows.push(buffer.getLine(i).translateToString(true));
        return rows;
      }, Array.from(bytes));
    },
  };
}

// Where two screens first differ, with a few rows around it.
function firstDifference(actual, expected) {
  const at = actual.findIndex((row, i) => row !== expected[i]);
  const index = at < 0 ? Math.min(actual.length, expected.length) : at;
  const around = (rows) => rows.slice(Math.max(0, index - 3), index + 3).map((row) => `  |${row}|`).join('\n');
  return `row ${index} of ${actual.length} (native: ${expected.length})\npage:\n${around(actual)}\nnative:\n${around(expected)}`;
}

test('a scripted game shows on the page what the native game shows in a terminal', async () => {
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, site.url);
    const native = await openNativeScreen(game.page);
    let fed = 0;
    for (const [i, line] of keys.entries()) {
      const state = await game.state();
      assert.equal(state, waits[i].kind, `wait ${i + 1}: the native game waited for a ${waits[i].kind}`);
      const expected = await native.feed(transcript.subarray(fed, waits[i].offset));
      fed = waits[i].offset;
      const shown = await game.rows({ all: true });
      assert.ok(shown.length === expected.length && shown.every((row, r) => row === expected[r]),
        `wait ${i + 1} (then ${JSON.stringify(line)}): ${firstDifference(shown, expected)}`);
      await game.answer(line);
    }
    assert.equal(await game.state(), 'ended');
    const expected = await native.feed(transcript.subarray(fed));
    const shown = await game.rows({ all: true });
    assert.deepEqual(shown, expected, 'the screen after the game');

    // The page's slot 1 holds what the native game saved, the nickname as its CP866 bytes.
    const files = await game.files();
    assert.deepEqual(Object.keys(files), ['save1.sav']);
    assert.deepEqual(files['save1.sav'], nativeSave);
    assert.deepEqual(files['save1.sav'].subarray(0, 7), Buffer.from([0xa2, 0xa0, 0xe1, 0xef, 0x3b, 0x0d, 0x0a]),
      'the first record: вася in CP866, then ";" CR LF');

    // The end of the game offers a new one, which starts from the first screen.
    await game.page.locator('#again', { hasText: 'Начать заново' }).waitFor({ state: 'visible' });
    assert.equal(await game.status(), 'Игра окончена.');
    const seen = await game.waits();
    await game.page.locator('#again').click();
    assert.equal(await game.nextWait(seen), 'key');
    assert.match((await game.rows({ all: true })).join('\n'), /^\n*\s+загрузка\.\.\. калi ласка, пачакайце!\n/);
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});

test('the terminal fits its box as the window changes: 80 columns or more inside it, the font as large as they allow', async () => {
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, site.url);
    // It opens at the size it is fitted to: the fit changes nothing.
    const [opening, fitted] = await game.sizes();
    assert.deepEqual(opening, fitted);
    // The font sizes for DejaVu Sans Mono: 18 at most; at 800 x 600 the 32 rows need a
    // smaller one; at 480 x 360 only 80 columns count.
    const windows = [
      { width: 480, height: 360, fontSize: 9 },
      { width: 800, height: 600, fontSize: 14 },
      { width: 1024, height: 768, fontSize: 18 },
    ];
    for (const { width, height, fontSize } of windows) {
      await game.page.setViewportSize({ width, height });
      await game.page.waitForFunction((w) => window.innerWidth === w, width);
      // The window's resize event comes with its next frame.
      await game.page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
      const fitted = await game.page.evaluate(() => {
        const term = window.geekpathTestTerminal;
        const box = document.getElementById('terminal').getBoundingClientRect();
        const screen = term.element.querySelector('.xterm-screen').getBoundingClientRect();
        return { fontSize: term.options.fontSize, cols: term.cols, rows: term.rows,
          inside: screen.right <= box.right && screen.bottom <= box.bottom && box.bottom <= window.innerHeight };
      });
      const at = `${width} x ${height}: ${JSON.stringify(fitted)}`;
      assert.equal(fitted.fontSize, fontSize, at);
      assert.ok(fitted.cols >= 80 && fitted.inside, at);
      assert.ok(fitted.fontSize <= 12 || fitted.rows >= 32, at);
    }
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});
