// The page on a touch phone held upright: a game played with taps on the keypad and the
// text line, and the layout at two widths of phone.

import assert from 'node:assert/strict';
import test from 'node:test';
import { GamePage, openBrowser, panel, serveSite } from './harness.mjs';

const PHONE = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 };
const DAY_ROW = 'Подключкние TV:         |        Большой монитор:';

// What a player sees of the layout: the terminal's font and columns, whether a row of the
// screen wraps, the keypad's buttons, the text line's font, and whether the page scrolls.
const layout = (page) => page.evaluate(async () => {
  const term = window.geekpathTerminal;
  await new Promise((resolve) => term.write('', resolve));
  const buffer = term.buffer.active;
  const rows = Array.from({ length: term.rows }, (_, y) => buffer.getLine(buffer.baseY + y));
  const buttons = [...document.querySelectorAll('#keypad button')].map((button) => button.getBoundingClientRect())
    .map(({ left, top, right, bottom }) => ({ left, top, right, bottom }));
  return { fontSize: term.options.fontSize, cols: term.cols, wrapped: rows.some((row) => row.isWrapped),
    rows: rows.map((row) => row.translateToString(true)), buttons, width: innerWidth, height: innerHeight,
    lineFont: parseFloat(getComputedStyle(document.getElementById('typed-line')).fontSize),
    scrolls: document.documentElement.scrollHeight > innerHeight };
});

function assertReadable(shown, fontSize) {
  const at = JSON.stringify({ ...shown, rows: undefined });
  assert.ok(shown.fontSize >= fontSize && shown.cols >= 52 && !shown.wrapped && shown.rows.includes(DAY_ROW), at);
  assert.ok(shown.lineFont >= 16 && !shown.scrolls, at);
  assert.equal(shown.buttons.length, 12);
  for (const { left, top, right, bottom } of shown.buttons) {
    assert.ok(left >= 0 && top >= 0 && right <= shown.width && bottom <= shown.height, at);
    assert.ok(right - left >= 48 && bottom - top >= 48, at);
  }
}

test('on a touch phone the keypad and the text line play a day and save, one wait a tap, with no system keyboard', async () => {
  const site = await serveSite();
  const browser = await openBrowser(PHONE);
  try {
    const game = await GamePage.open(browser.context, site.url);
    const { page } = game;
    const focus = () => page.evaluate(() => `${document.activeElement.className} ${document.activeElement.inputMode}`);
    // Taps the buttons of the keys (a digit each, or the names of other keys); returns the
    // state after the last, which ends a wait.
    const tap = async (...names) => {
      const seen = await game.waits();
      for (const name of names) await page.getByRole('button', { name, exact: true }).tap();
      return game.nextWait(seen);
    };
    const sendLine = async (text) => {
      const seen = await game.waits();
      await page.getByRole('textbox', { name: 'Строка ввода' }).fill(text);
      await page.getByRole('button', { name: 'Ввод' }).tap();
      return game.nextWait(seen);
    };

    assert.equal(await tap('Enter'), 'line');
    assert.equal(await focus(), 'xterm-helper-textarea none', 'the terminal keeps the focus and asks for no keyboard');
    assert.equal(await sendLine('вася'), 'key');
    assert.equal(await focus(), 'xterm-helper-textarea none', 'the text line gives the focus back');
    // At a key wait the text line is one key: its first, the rest dropped.
    const seen = await game.waits();
    assert.equal(await sendLine('1abc'), 'key');
    assert.equal(await tap('Enter'), 'key');
    assert.equal(await tap('Enter'), 'line');
    assert.equal(await game.waits(), seen + 3);
    assert.match((await game.rows()).join('\n'), /Новая игра\s+1[\s\S]*version 3\s*$/, 'nothing typed into the menu');

    // A digit echoes and Backspace erases it, as typed keys do.
    const cursor = await game.cursorRow();
    await page.getByRole('button', { name: '7', exact: true }).tap();
    assert.equal(await game.cursorRow(), `${cursor}7`);
    await page.getByRole('button', { name: 'Backspace' }).tap();
    assert.equal(await game.cursorRow(), cursor);
    assert.equal(await tap('1', 'Enter'), 'line');
    assert.equal(await tap('1', 'Enter'), 'line');
    assertReadable(await layout(page), 12);

    // A smaller phone: the day after, at 360 pixels wide.
    await page.setViewportSize({ width: 360, height: 740 });
    await page.waitForFunction(() => window.innerWidth === 360);
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
    assert.equal(await tap('8', 'Enter'), 'line');
    assert.equal(panel(await game.rows()).day, 2);
    assertReadable(await layout(page), 11);

    assert.equal(await tap('1', '0', 'Enter'), 'line');
    assert.equal(await tap('1', 'Enter'), 'key');
    assert.ok((await game.rows()).includes('Успешно сохранено'));
    const files = await game.files();
    assert.deepEqual(files['save1.sav'].subarray(0, 5), Buffer.from([0xa2, 0xa0, 0xe1, 0xef, 0x3b]), 'вася; in CP866');
    assert.equal(await focus(), 'xterm-helper-textarea none');
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});
