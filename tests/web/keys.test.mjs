// Keys on the page: typed ahead, an arrow key at a key wait, line editing at a number read,
// the browser's own keys and clicks, and a key wait with nothing new on the screen.

import assert from 'node:assert/strict';
import test from 'node:test';
import { GamePage, openBrowser, serveSite } from './harness.mjs';

test('keys typed ahead wait for their reads; an arrow key ends two key waits; typed digits echo, Backspace erases one, Enter ends the line', async () => {
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, site.url);
    // Typed ahead at the first screen: its key, then the nickname's line.
    await game.focusTerminal();
    await game.page.keyboard.type('\nник\n');
    await game.page.waitForFunction(() => window.geekpathWaits.length === 3);
    assert.deepEqual(await game.page.evaluate(() => window.geekpathWaits), ['key', 'line', 'key']);
    // The logo waits for a key, then the studio's screen, then the title.
    assert.ok((await game.rows()).includes('Нажмите ENTER'));
    const before = await game.waits();
    assert.equal(await game.answer('<Up>'), 'key');
    assert.equal(await game.waits(), before + 1, 'one wait of the page between the logo and the title');
    const title = (await game.rows()).join('\n');
    assert.match(title, /ZAVEK GAMES\s+333333333333\n\s+present/);
    assert.doesNotMatch(title, /представляет|\[A/, 'the studio screen passed, nothing echoed');
    assert.match((await game.rows({ all: true })).join('\n'), /Студия ZAVEK GAMES представляет/);
    assert.equal(await game.answer(''), 'line');
    assert.match((await game.rows()).join('\n'), /Новая игра\s+1[\s\S]*version 3\s*$/);

    // At the main menu: Backspace on the empty line erases nothing of the screen.
    const menu = await game.rows();
    const cursor = await game.cursorRow();
    await game.page.keyboard.press('Backspace');
    assert.deepEqual(await game.rows(), menu);
    const edits = [
      { keys: '12', row: '12' },
      { keys: 'Backspace', row: '1' },
      { keys: '7', row: '17' },
      { keys: 'Backspace', row: '1' },
    ];
    for (const { keys, row } of edits) {
      if (keys === 'Backspace') await game.page.keyboard.press('Backspace');
      else await game.page.keyboard.type(keys);
      assert.equal(await game.cursorRow(), cursor + row, `after ${keys}`);
      assert.equal(await game.state(), 'line');
    }
    // Ctrl+D is the browser's: the game goes on. A click on the heading gives the keys back
    // to the game.
    await game.page.keyboard.press('Control+D');
    await game.page.click('h1');
    assert.equal(await game.state(), 'line');
    // 12 or 17 would end the program; 1 starts a new game.
    const seen = await game.waits();
    await game.page.keyboard.press('Enter');
    assert.equal(await game.nextWait(seen), 'line');
    assert.match((await game.rows()).join('\n'), /Выберите началрный бонус/);

    // A declined press invitation waits for a key with nothing new on the screen: the page
    // says so, on its status line and once to a screen reader.
    assert.equal(await game.play(['2', '99', '0']), 'key');
    const waiting = 'Игра ждёт: нажмите любую клавишу.';
    assert.deepEqual([await game.status(), await game.page.locator('#spoken').textContent()], [waiting, waiting]);
    assert.equal(await game.answer(''), 'line');
    assert.equal(await game.status(), '');
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});
