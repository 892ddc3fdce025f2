// The page on a touch phone held upright: a game played with taps on the keypad and the
// text line, and the layout at two widths of phone.

import assert from 'node:assert/strict';
import test from 'node:test';
import { GamePage, openBrowser, panel, serveSite } from './harness.mjs';

// What a player sees: the terminal's font and columns, whether a row of the screen wraps,
// the keypad's buttons within the window, the text line's font, whether the page scrolls,
// and where the focus is.
const layout = (page) => page.evaluate(async () => {
  const term = window.geekpathTestTerminal;
  await new Promise((resolve) => term.write('', resolve));
  const rows = Array.from({ length: term.rows }, (_, y) => term.buffer.active.getLine(term.buffer.active.baseY + y));
  const buttons = [...document.querySelectorAll('#keypad button')].map((button) => button.getBoundingClientRect());
  return { fontSize: term.options.fontSize, wrapped: rows.some((row) => row.isWrapped),
    day: rows.some((row) => row.translateToString(true) === 'Подключкние TV:         |        Большой монитор:'),
    buttons: buttons.length, bigInside: buttons.every((b) => b.width >= 48 && b.height >= 48 && b.left >= 0 &&
      b.top >= 0 && b.right <= innerWidth && b.bottom <= innerHeight) &&
      [...document.querySelectorAll('#keypad button')].every((b) => b.scrollWidth <= b.clientWidth),
    lineFont: parseFloat(getComputedStyle(document.getElementById('typed-line')).fontSize),
    scrolls: document.documentElement.scrollHeight > innerHeight,
    focus: `${document.activeElement === term.textarea ? 'terminal' : document.activeElement.id} ${document.activeElement.inputMode}` };
});
const readable = (fontSize) => ({ fontSize, wrapped: false, day: true, buttons: 12, bigInside: true,
  lineFont: 16, scrolls: false, focus: 'terminal none' });

test('on a touch phone the keypad and the text line play a day and save, one wait an action, readable at 390, 360 and 320 wide', async () => {
  const site = await serveSite();
  const browser = await openBrowser({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
  try {
    const game = await GamePage.open(browser.context, site.url);
    const [opening, fitted] = await game.sizes();
    assert.deepEqual(opening, fitted);
    // Taps buttons by name, or sends a line from the text line; returns the state after
    // the wait that the last ends.
    const act = async (names, line = null) => {
      const seen = await game.waits();
      for (const name of names) await game.page.getByRole('button', { name, exact: true }).tap();
      if (line !== null) {
        await game.page.getByRole('textbox', { name: 'Строка ввода' }).fill(line);
        await game.page.getByRole('button', { name: 'Ввод' }).tap();
      }
      return game.nextWait(seen);
    };
    const seen = await game.waits();
    // At a key wait the text line is one key, its first, the rest dropped; at the menu a
    // typed 7 is erased (17 would end the program).
    const states = [await act(['Enter']), await act([], 'вася')];
    // The logo's screen, narrower than the day's: the day's font, and no row wraps.
    assert.deepEqual(await layout(game.page), { ...readable(12), day: false });
    states.push(await act([], '1abc'), await act(['Enter']), await act(['Enter']),
      await act(['7', 'Backspace', '1', 'Enter']), await act(['1', 'Enter']));
    assert.deepEqual(states, ['line', 'key', 'key', 'key', 'line', 'line', 'line']);
    assert.equal(await game.waits(), seen + 7);
    assert.deepEqual(await layout(game.page), readable(12));

    await game.page.setViewportSize({ width: 360, height: 740 });
    await game.page.waitForFunction(() => window.innerWidth === 360);
    assert.equal(await act(['8', 'Enter']), 'line');
    assert.equal(panel(await game.rows()).day, 2);
    assert.deepEqual(await layout(game.page), readable(11));
    // The narrowest phones: the keypad fits, every label inside its button, and the day's
    // screen at 10 pixels.
    await game.page.setViewportSize({ width: 320, height: 568 });
    await game.page.waitForFunction(() => window.innerWidth === 320);
    assert.equal(await act(['8', 'Enter']), 'line');
    assert.deepEqual(await layout(game.page), readable(10));
    assert.deepEqual([await act(['1', '0', 'Enter']), await act(['1', 'Enter'])], ['line', 'key']);
    assert.ok((await game.rows()).includes('Успешно сохранено'));
    assert.deepEqual((await game.files())['save1.sav'].subarray(0, 5), Buffer.from([0xa2, 0xa0, 0xe1, 0xef, 0x3b]));
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});
