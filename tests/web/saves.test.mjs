// The saves on the page: kept by the browser across a reload, downloaded as the native
// game's bytes, uploaded into another profile and played there, and kept by two pages of
// the site that save at once; a victory's record added after the player's own text.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import { GamePage, NATIVE_TERMINAL, keyLines, openBrowser, panel, serveSite } from './harness.mjs';

const nativeKeys = keyLines(path.join(NATIVE_TERMINAL, 'keys'));
const nativeSave = fs.readFileSync(path.join(NATIVE_TERMINAL, 'expected-files/save1.sav'));
const SAVED = 'Успешно сохранено';

const startUp = (nickname) => ['', nickname, '', '', ''];

// Plays the native game's keys up to its save into slot 1; returns the panel shown when
// the save was chosen.
async function playToTheSave(game) {
  let shown = null;
  for (const line of nativeKeys) {
    const rows = await game.rows();
    if (line === '10') shown = panel(rows);
    await game.answer(line);
    if ((await game.rows()).includes(SAVED)) return shown;
  }
  throw new Error('the native keys never save');
}

// Starts a game from a slot; returns the loading screen and the panel after it.
async function loadSlot(game, slot) {
  await game.play([...startUp('ник'), '2']);
  const slots = (await game.rows()).join('\n');
  assert.equal(await game.answer(String(slot)), 'line');
  return { slots, loaded: panel(await game.rows()) };
}

async function openSavesPanel(game) {
  await game.page.locator('#saves summary').click();
  return (name) => game.page.locator('#save-list tr', { hasText: name });
}

async function upload(game, row, name, buffer) {
  const [chooser] = await Promise.all([
    game.page.waitForEvent('filechooser'),
    row.getByRole('button', { name: 'Загрузить файл' }).click(),
  ]);
  await chooser.setFiles({ name, mimeType: 'application/octet-stream', buffer });
}

test('a save outlives a reload, downloads as the native bytes, and plays in another profile', async (t) => {
  const site = await serveSite();
  const first = await openBrowser();
  const second = await openBrowser();
  try {
    const game = await GamePage.open(first.context, site.url);
    let saved;
    await t.test('saved, the page reloaded at once, and loaded', async () => {
      saved = await playToTheSave(game);
      assert.ok(saved.day >= 3, 'a few days played');
      await game.load();
      assert.deepEqual((await game.files())['save1.sav'], nativeSave);
      const { slots, loaded } = await loadSlot(game, 1);
      assert.match(slots, new RegExp(`Слот 1\\nпользователь:вася\\nДень:${saved.day}\\nДеньги:${saved.money}\\n`));
      assert.deepEqual(loaded, saved);
    });

    let downloaded;
    await t.test('downloaded', async () => {
      const row = await openSavesPanel(game);
      assert.match(await row('save1.sav').textContent(), new RegExp(`день ${saved.day}, деньги ${saved.money}`));
      const [download] = await Promise.all([
        game.page.waitForEvent('download'),
        row('save1.sav').getByRole('button', { name: 'Скачать' }).click(),
      ]);
      assert.equal(download.suggestedFilename(), 'save1.sav');
      downloaded = fs.readFileSync(await download.path());
      assert.deepEqual(downloaded, (await game.files())['save1.sav']);
      assert.deepEqual(downloaded, nativeSave);
      assert.deepEqual(game.errors, []);
    });

    const other = await GamePage.open(second.context, site.url);
    const row = await openSavesPanel(other);
    await t.test('uploaded into a fresh profile and loaded there', async () => {
      assert.deepEqual(await other.files(), {});
      await upload(other, row('save2.sav'), 'save1.sav', downloaded);
      await other.page.locator('#status', { hasText: 'загружен в save2.sav' }).waitFor();
      assert.deepEqual(await other.files(), { 'save2.sav': nativeSave });
      const { loaded } = await loadSlot(other, 2);
      assert.deepEqual(loaded, saved);
    });

    await t.test('a file that is not a save, or too large, is refused and the slot kept', async () => {
      const refused = [
        { name: 'notes.txt', bytes: Buffer.from('Это не сохранение.\n'), says: 'это не сохранение игры' },
        { name: 'half.sav', bytes: nativeSave.subarray(0, 40), says: 'это не сохранение игры' },
        { name: 'huge.sav', bytes: Buffer.concat([nativeSave, Buffer.alloc(64 * 1024)]), says: 'он слишком большой' },
      ];
      for (const { name, bytes, says } of refused) {
        await upload(other, row('save2.sav'), name, bytes);
        await other.page.locator('#status', { hasText: `«${name}» не загружен: ${says}` }).waitFor();
        assert.deepEqual(await other.files(), { 'save2.sav': nativeSave }, name);
      }
      assert.deepEqual(other.errors, []);
    });
  } finally {
    await first.close();
    await second.close();
    await site.close();
  }
});

test('two pages of the site save at once in one profile and lose neither save', async () => {
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    // Two games told apart by their nickname and bonus: money and a processor.
    const pages = [await GamePage.open(browser.context, site.url), await GamePage.open(browser.context, site.url)];
    await pages[0].play([...startUp('ник'), '1', '1', '10']);
    await pages[1].play([...startUp('вася'), '1', '3', '10']);
    const saveBoth = async (slots) => {
      for (const [i, game] of pages.entries()) {
        await game.focusTerminal();
        await game.page.keyboard.type(String(slots[i]));
      }
      // Both Enters at the same moment of the clock, so that the two saves overlap.
      const seen = await Promise.all(pages.map((game) => game.waits()));
      const at = Date.now() + 300;
      await Promise.all(pages.map((game) => game.page.evaluate((moment) => {
        setTimeout(() => window.geekpathTestTerminal.input('\r'), moment - Date.now());
      }, at)));
      await Promise.all(pages.map((game, i) => game.nextWait(seen[i])));
      for (const game of pages) assert.ok((await game.rows()).includes(SAVED));
    };

    // Different slots at the same moment.
    await saveBoth([2, 3]);
    const files = await pages[0].files();
    assert.deepEqual(Object.keys(files).sort(), ['save2.sav', 'save3.sav']);
    assert.match(files['save2.sav'].toString('latin1'), /^\xad\xa8\xaa;\r\n/);
    assert.match(files['save3.sav'].toString('latin1'), /^\xa2\xa0\xe1\xef;\r\n/);

    // The same slot in turn: the later save holds it, the other slots keep theirs.
    const firstPanel = await openSavesPanel(pages[0]);
    await pages[0].play(['', '10', '4']);
    await pages[1].play(['', '10', '4']);
    const after = await pages[0].files();
    assert.deepEqual(Object.keys(after).sort(), ['save2.sav', 'save3.sav', 'save4.sav']);
    assert.deepEqual(after['save2.sav'], files['save2.sav']);
    assert.deepEqual(after['save3.sav'], files['save3.sav']);
    assert.match(after['save4.sav'].toString('latin1'), /^\xa2\xa0\xe1\xef;\r\n/);
    // The first page's saves panel, drawn at its own save, downloads the slot as it is now.
    await pages[0].page.bringToFront();
    const [download] = await Promise.all([
      pages[0].page.waitForEvent('download'),
      firstPanel('save4.sav').getByRole('button', { name: 'Скачать' }).click(),
    ]);
    assert.deepEqual(fs.readFileSync(await download.path()), after['save4.sav']);

    await pages[0].load();
    assert.deepEqual(await pages[0].files(), after);
    for (const game of pages) assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});

test('a save the browser cannot store says so and leaves the slot as it was', async () => {
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, site.url);
    await game.play([...startUp('ник'), '1', '1', '10', '1']);
    assert.ok((await game.rows()).includes(SAVED));
    const before = await game.files();

    // The storage refuses every change from now on, as a full quota does.
    await game.page.evaluate(() => {
      IDBObjectStore.prototype.put = () => {
        throw new DOMException('the quota is full', 'QuotaExceededError');
      };
    });
    await game.play(['', '10', '1']);
    const rows = await game.rows();
    assert.ok(rows.includes('Ошибка сохранения'));
    assert.ok(!rows.slice(-3).includes(SAVED));
    assert.deepEqual(await game.files(), before);

    // A browser that gives the page no storage at all: the game plays, its saves fail.
    const bare = await GamePage.open(browser.context, site.url);
    await bare.page.addInitScript(() => {
      Object.defineProperty(window, 'indexedDB', { get: () => { throw new DOMException('no storage', 'SecurityError'); } });
    });
    await bare.load();
    await bare.page.locator('#status', { hasText: 'хранилища' }).waitFor();
    await bare.play([...startUp('ник'), '1', '1', '10', '1']);
    assert.ok((await bare.rows()).includes('Ошибка сохранения'));
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});

test('a victory adds its record after every byte of SCORES.txt; records an earlier page staged go', async () => {
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, site.url);
    // The player's own note, which begins like a record and ends before a record would.
    const notes = Buffer.from('\n  \tmy best game: day 12\n', 'latin1');
    await game.putFiles({ 'SCORES.txt': notes, 'save2.sav': nativeSave, 'save2.sav.k3j9x0qa.tmp': nativeSave });
    await game.load();
    // A new game won at once with a code, every invitation after it declined.
    await game.play([...startUp('ник'), '1', '0', '4673']);
    while ((await game.state()) !== 'ended') await game.answer('0');
    const files = await game.files();
    assert.deepEqual(Object.keys(files).sort(), ['SCORES.txt', 'save2.sav']);
    assert.deepEqual(files['SCORES.txt'].subarray(0, notes.length), notes);
    assert.match(files['SCORES.txt'].subarray(notes.length).toString('latin1'), /^\n?\n {2}\t\S+\n[^]*\d\n$/);
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});
