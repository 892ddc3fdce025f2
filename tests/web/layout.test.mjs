// The terminal in windows of every shape: the whole day's screen in view on a phone on its
// side and in a small window, and the rows filling the box after a resize, with the saves
// panel open and when it closes.

import assert from 'node:assert/strict';
import test from 'node:test';
import { GamePage, openBrowser, serveSite } from './harness.mjs';

const TO_THE_FIRST_DAY = ['', 'ник', '', '', '', '1', '1'];

// The font, the day's screen in view (its first and last rows), and whether the cells fill
// the box: less than a row of it left over below them.
const view = (page) => page.evaluate(async () => {
  const term = window.geekpathTestTerminal;
  await new Promise((resolve) => term.write('', resolve));
  const buffer = term.buffer.active;
  const shown = Array.from({ length: term.rows }, (_, y) => buffer.getLine(buffer.baseY + y).translateToString(true));
  const box = document.getElementById('terminal');
  const inner = box.clientHeight - parseFloat(getComputedStyle(box).paddingTop) - parseFloat(getComputedStyle(box).paddingBottom);
  const keypad = document.getElementById('keypad').getBoundingClientRect();
  return { fontSize: term.options.fontSize, cols: term.cols,
    day: shown.some((row) => row.startsWith('Процессор:')) && shown.some((row) => row.startsWith('10.Сохранение')),
    fills: inner - (term.element.querySelector('.xterm-screen').offsetHeight) < inner / term.rows,
    inWindow: box.getBoundingClientRect().bottom <= innerHeight,
    keypadBeside: keypad.width > 0 && keypad.left >= box.getBoundingClientRect().right };
});

test('the whole day\'s screen is in view on a phone on its side, the keypad beside the terminal', async () => {
  const site = await serveSite();
  const browser = await openBrowser({ viewport: { width: 844, height: 390 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
  try {
    const game = await GamePage.open(browser.context, site.url);
    await game.play(TO_THE_FIRST_DAY);
    const shown = await view(game.page);
    assert.deepEqual(shown, { ...shown, day: true, fills: true, inWindow: true, keypadBeside: true });
    assert.ok(shown.fontSize >= 11 && shown.cols >= 80, JSON.stringify(shown));
    assert.deepEqual(game.errors, []);
  } finally {
    await Promise.all([browser.close(), site.close()]);
  }
});

test('in a window of 800 x 500 the day\'s screen is in view, and the rows fill the box after a resize with the saves panel open or closed', async () => {
  const site = await serveSite();
  const browser = await openBrowser({ viewport: { width: 800, height: 500 } });
  try {
    const game = await GamePage.open(browser.context, site.url);
    await game.play(TO_THE_FIRST_DAY);
    const shown = await view(game.page);
    assert.deepEqual(shown, { ...shown, day: true, fills: true, inWindow: true });
    assert.ok(shown.fontSize >= 11 && shown.cols >= 80, JSON.stringify(shown));

    const resize = async (width, height) => {
      await game.page.setViewportSize({ width, height });
      await game.page.waitForFunction((w) => window.innerWidth === w, width);
      await game.page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
    };
    const summary = game.page.locator('#saves summary');
    await summary.click();
    await resize(1024, 768);
    const open = await view(game.page);
    await summary.click();
    const closed = await view(game.page);
    await resize(900, 700);
    const resized = await view(game.page);
    for (const [when, fitted] of Object.entries({ open, closed, resized })) {
      assert.deepEqual({ fills: fitted.fills, day: fitted.day }, { fills: true, day: true }, `${when}: ${JSON.stringify(fitted)}`);
    }
    assert.equal(open.fontSize, 18, 'the open panel does not shrink the terminal');
    assert.deepEqual(game.errors, []);
  } finally {
    await Promise.all([browser.close(), site.close()]);
  }
});
