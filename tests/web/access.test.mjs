// The page for a screen reader: the live region that speaks each screen, the widget's
// words, and the keys going back to the game after the page's controls.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import { fileURLToPath } from 'node:url';
import { GamePage, NATIVE_TERMINAL, openBrowser, serveSite } from './harness.mjs';

const nativeSave = fs.readFileSync(path.join(NATIVE_TERMINAL, 'expected-files/save1.sav'));
const AXE = fs.readFileSync(fileURLToPath(import.meta.resolve('axe-core/axe.min.js')), 'utf8');

// axe-core's violations on the page as it is, by its default rules. The script goes in
// through the driver, which the page's Content-Security-Policy does not restrict.
async function axeViolations(page) {
  await page.evaluate(AXE);
  return page.evaluate(async () => (await window.axe.run(document)).violations
    .map(({ id, nodes }) => ({ id, nodes: nodes.map(({ target }) => target.join(' ')) })));
}

const count = (text, words) => text.split(words).length - 1;

test('in reader mode one Russian live region speaks each screen once; the controls give the keys back to the game', async () => {
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, site.url);
    const page = game.page;
    const focusedOnGame = () => page.evaluate(() => document.activeElement?.classList.contains('xterm-helper-textarea'));
    await page.click('#reader');
    assert.ok(await focusedOnGame(), 'after the reader switch');

    // The first day, ended with 8; an event of the night waits for a key.
    let state = await game.play(['', 'вася', '<Up>', '', '1', '1', '8']);
    while (state === 'key') state = await game.answer('');
    const spoken = await page.locator('#spoken').textContent();
    assert.match(spoken, /день: Geforce\S* 2 /, spoken);
    for (const words of ['Мир Железа', 'Конец дня', 'Большой монитор: нету']) assert.equal(count(spoken, words), 1, words);
    assert.doesNotMatch(spoken, /---|\|/, 'table rules are not read');

    // The widget's own live region is not heard; its words are Russian.
    const widget = await page.evaluate(() => ({
      label: document.querySelector('.xterm-helper-textarea').getAttribute('aria-label'),
      liveRegions: [...document.querySelectorAll('[aria-live], [role=log], [role=status]')]
        .filter((element) => element.checkVisibility()).map((element) => element.id || element.className),
    }));
    assert.deepEqual(widget, { label: 'Ввод в игру', liveRegions: ['spoken'] });

    // The saves panel opened, a file downloaded, one uploaded through the file dialog, the
    // panel closed: each gives the keys back, and keys typed then reach the game.
    await game.putFiles({ 'save1.sav': nativeSave });
    await page.click('#saves summary');
    assert.ok(await focusedOnGame(), 'after opening the panel');
    const download = page.waitForEvent('download');
    await page.getByRole('button', { name: 'Скачать' }).first().click();
    await download;
    assert.ok(await focusedOnGame(), 'after a download');
    const chooser = page.waitForEvent('filechooser');
    await page.getByRole('button', { name: 'Загрузить файл' }).nth(1).click();
    await (await chooser).setFiles({ name: 'save1.sav', mimeType: 'application/octet-stream', buffer: nativeSave });
    await page.locator('#status', { hasText: 'загружен в save2.sav' }).waitFor();
    assert.ok(await focusedOnGame(), 'after the file dialog');
    await page.click('#saves summary');
    assert.ok(await focusedOnGame(), 'after closing the panel');
    const seen = await game.waits();
    await page.keyboard.type('8\n');
    await game.nextWait(seen);
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});

// A phone held upright and a desktop window.
const WINDOWS = {
  phone: { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
  desktop: { viewport: { width: 1280, height: 800 } },
};

test('axe-core finds no violation on the first screen, mid-game, with the saves panel open and in reader mode, on a phone and a desktop', async () => {
  const site = await serveSite();
  const found = [];
  try {
  for (const [name, device] of Object.entries(WINDOWS)) {
    const browser = await openBrowser(device);
    try {
      const game = await GamePage.open(browser.context, site.url);
      const page = game.page;
      const check = async (state) => {
        for (const { id, nodes } of await axeViolations(page)) found.push(`${name}, ${state}: ${id} at ${nodes.map((node) => node.target).join(' ')}`);
      };
      await check('first screen');
      await game.play(['', 'вася', '<Up>', '', '1', '1']);
      await check('mid-game');
      await page.click('#saves summary');
      await page.locator('#save-list tr').first().waitFor();
      await page.locator('#kept').filter({ hasText: 'Браузер' }).waitFor();
      await check('saves panel open');
      await page.click('#saves summary');
      await page.click('#reader');
      await check('reader mode');
      assert.deepEqual(game.errors, [], name);
    } finally {
      await browser.close();
    }
  }
  } finally {
    await site.close();
  }
  assert.deepEqual(found, []);
});
