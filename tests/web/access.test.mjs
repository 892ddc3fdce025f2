// The page for a screen reader (the live region, the widget's words, the keys back after the controls) and axe-core.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import test from 'node:test';
import { axeViolations } from './axe.mjs';
import { GamePage, NATIVE_TERMINAL, openBrowser, serveSite } from './harness.mjs';

const save = fs.readFileSync(`${NATIVE_TERMINAL}/expected-files/save1.sav`);
const FIRST_DAY = ['', 'вася', '<Up>', '', '1', '1'];
// A game on a page of its own browser, with the device's options.
async function withGame(device, play) {
  const [site, browser] = [await serveSite(), await openBrowser(device)];
  try {
    const game = await GamePage.open(browser.context, site.url);
    await play(game, game.page);
    assert.deepEqual(game.errors, []);
  } finally {
    await Promise.all([browser.close(), site.close()]);
  }
}

test('in reader mode one Russian live region speaks each screen once; the controls give the keys back to the game', () => withGame({}, async (game, page) => {
  const focused = async (after) => assert.ok(await page.evaluate(() => document.activeElement === window.geekpathTestTerminal.textarea), after);
  await page.click('#reader').then(() => focused('the reader switch'));
  let state = await game.play([...FIRST_DAY, '8']);
  while (state === 'key') state = await game.answer('');  // an event of the night
  const spoken = await page.locator('#spoken').textContent();
  // The second day's screen, without the table's rules, its panel read as labels with values.
  assert.match(spoken, /^(?!.*(---|\|)).*Ведеокарта: Geforce\S*, день: 2, /);
  for (const words of ['Мир Железа', 'Конец дня', 'Большой монитор: нету']) assert.equal(spoken.split(words).length, 2, words);
  // Only the page's region is heard, not the widget's; the widget's words are Russian.
  assert.deepEqual(await page.evaluate(() => [window.geekpathTestTerminal.textarea.ariaLabel,
    ...[...document.querySelectorAll('[aria-live], [role=log], [role=status]')].filter((e) => e.checkVisibility()).map((e) => e.id)]),
  ['Ввод в игру', 'spoken']);

  await game.putFiles({ 'save1.sav': save });
  await page.click('#saves summary').then(() => focused('opening the panel'));
  await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: 'Скачать' }).click()]).then(() => focused('a download'));
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.getByRole('button', { name: 'Загрузить файл' }).nth(1).click()]);
  await chooser.setFiles({ name: 'save1.sav', mimeType: 'application/octet-stream', buffer: save });
  await page.locator('#status', { hasText: 'загружен в save2.sav' }).waitFor().then(() => focused('the file dialog'));
  await page.click('#saves summary').then(() => focused('closing the panel'));
  const seen = await game.waits();
  await page.keyboard.type('8\n');
  await game.nextWait(seen);
}));

test('axe-core finds no violation on the first screen, mid-game, with the saves panel open and in reader mode, on a phone and a desktop', async () => {
  const found = [];
  for (const [name, device] of Object.entries({ desktop: { viewport: { width: 1280, height: 800 } },
    phone: { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 } })) {
    await withGame(device, async (game, page) => {
      const check = async (state) => {
        for (const { id, targets } of await axeViolations(page)) found.push(`${name}, ${state}: ${id} at ${targets.join(' ')}`);
      };
      await check('first screen');
      await game.play(FIRST_DAY).then(() => check('mid-game'));
      await page.click('#saves summary');
      await page.locator('#kept', { hasText: 'Браузер' }).waitFor().then(() => check('saves panel open'));
      await page.click('#saves summary');
      await page.click('#reader').then(() => check('reader mode'));
    });
  }
  assert.deepEqual(found, []);
});
