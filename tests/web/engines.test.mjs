// The page in each browser engine (engines.mjs): a game played and saved, the page
// reloaded and the save loaded, the saves panel's note on keeping the saves, and, where
// the engine has service workers, the page reloaded and played with the host gone.
//
// GEEKPATH_ENGINE names one engine (chromium, firefox or webkit); without it, all three
// run, one after the other.

import assert from 'node:assert/strict';
import test from 'node:test';
import { NOTES } from '../../web/keeping.js';
import { ENGINES, launch } from './engines.mjs';
import { panel, serveSite } from './harness.mjs';

const engines = process.env.GEEKPATH_ENGINE ? [process.env.GEEKPATH_ENGINE] : ENGINES;
const SAVED = 'Успешно сохранено';
const startUp = ['', 'ник', '', '', ''];

// The note each engine's panel shows first: a headless Chromium declines at once, Firefox
// asks the player and nobody answers, WebKitGTK has no navigator.storage.
const FIRST_NOTE = { chromium: NOTES.notKept, firefox: NOTES.asking, webkit: NOTES.cannot };

const sleep = (ms) => new Promise((resolve) => { setTimeout(resolve, ms); });

// Polls fn in the page until it returns something true; returns that.
async function until(page, what, fn, ...args) {
  const end = Date.now() + 60000;
  for (;;) {
    const value = await page.evaluate(fn, ...args);
    if (value) return value;
    if (Date.now() > end) throw new Error(`waited a minute for ${what}`);
    await sleep(50);
  }
}

// Counts the game's waits from now on, as the body's data-game attribute announces them
// (each change to 'line' or 'key', however quickly the game goes on), and keeps the page's
// uncaught errors.
function watch() {
  window.geekpathSeen = { waits: 0, errors: [] };
  new MutationObserver((records) => {
    records.forEach((record, i) => {
      const now = i + 1 < records.length ? records[i + 1].oldValue : document.body.dataset.game;
      if (now === 'line' || now === 'key') window.geekpathSeen.waits += 1;
    });
  }).observe(document.body, { attributes: true, attributeFilter: ['data-game'], attributeOldValue: true });
  window.addEventListener('error', (event) => window.geekpathSeen.errors.push(event.message));
  window.addEventListener('unhandledrejection', (event) => window.geekpathSeen.errors.push(String(event.reason)));
}

// The game on a page of any engine.
class Game {
  constructor(page) {
    this.page = page;
  }

  // After a navigation: waits for the game's first wait, and watches it from then on.
  async started() {
    await until(this.page, 'the first wait', () => ['line', 'key'].includes(document.body.dataset.game));
    await this.page.evaluate(watch);
  }

  async reload() {
    await this.page.reload();
    await this.started();
  }

  // Answers the current wait with one line of a key script: text and Enter at a line, one
  // key at a key wait ('' for Enter).
  async answer(text) {
    const { state, waits } = await this.page.evaluate(() => {
      window.geekpathTestTerminal.textarea.focus();
      return { state: document.body.dataset.game, waits: window.geekpathSeen.waits };
    });
    if (state !== 'line' && state !== 'key') throw new Error(`the game does not wait (${state}) for ${JSON.stringify(text)}`);
    if (text !== '') await this.page.type(text);
    if (state === 'line' || text === '') await this.page.press('Enter');
    await until(this.page, `the wait after ${JSON.stringify(text)}`, (seen) =>
      window.geekpathSeen.waits > seen || document.body.dataset.game === 'ended', waits);
  }

  async play(lines) {
    for (const line of lines) await this.answer(line);
  }

  // The terminal's screen once everything written to it is shown, through the page's hook.
  rows() {
    return this.page.evaluate(async () => {
      const term = window.geekpathTestTerminal;
      await new Promise((resolve) => { term.write('', resolve); });
      const buffer = term.buffer.active;
      const rows = [];
      for (let i = buffer.baseY; i < buffer.baseY + term.rows; i += 1) rows.push(buffer.getLine(i).translateToString(true));
      return rows;
    });
  }

  errors() {
    return this.page.evaluate(() => window.geekpathSeen.errors);
  }

  // Opens the saves panel; returns its note once it is not blank, and the first slot's row.
  async savesPanel() {
    await this.page.click('#saves summary');
    return until(this.page, 'the saves panel', () => {
      const note = document.getElementById('kept').textContent;
      const slot = document.querySelector('#save-list tr')?.textContent;
      return note && slot && { note, slot };
    });
  }
}

for (const engine of engines) {
  test(`the page in ${engine}: played, saved, reloaded, loaded, its saves' note, and offline`, async (t) => {
    const site = await serveSite();
    const browser = await launch(engine);
    try {
      const game = new Game(await browser.open(site.url));
      await game.started();
      // The first visit keeps the site for offline, where the engine has service workers:
      // the page registers its worker a few seconds after the game's first screen. The
      // scenario reloads only once it is active: in WebKitGTK a reload while the worker is
      // being installed (its script fetched, the files not yet) can leave that install
      // stuck for the rest of the browser's session (in one or two runs of ten here).
      const workers = await game.page.evaluate(() => 'serviceWorker' in navigator);
      if (workers) {
        await until(game.page, 'the service worker', async () =>
          (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated');
      }

      let saved;
      await t.test('a game played and saved', async () => {
        await game.play([...startUp, '1', '1']);
        saved = panel(await game.rows());
        assert.ok(saved.day >= 1 && saved.money >= 0, JSON.stringify(saved));
        await game.play(['10', '1']);
        assert.ok((await game.rows()).includes(SAVED));
      });

      await t.test('the saves panel shows the save and says whether the browser keeps it', async () => {
        const { slot } = await game.savesPanel();
        assert.match(slot, new RegExp(`save1\\.sav\\s*день ${saved.day}, деньги ${saved.money}`));
        await until(game.page, FIRST_NOTE[engine], (note) => document.getElementById('kept').textContent === note,
          FIRST_NOTE[engine]);
        // The player says yes: the panel opened on the reloaded page has the promise.
        if (browser.keepStorage) {
          await browser.keepStorage(site.url);
          await game.reload();
          const { note } = await game.savesPanel();
          assert.ok([NOTES.asking, NOTES.kept].includes(note), note);
          await until(game.page, 'the promise', (kept) => document.getElementById('kept').textContent === kept, NOTES.kept);
        }
      });

      // Loads slot 1 from the main menu, whose list shows the nickname typed (Cyrillic keys
      // reach the game in every engine); returns the panel shown.
      const loadSave = async () => {
        await game.play([...startUp, '2']);
        assert.match((await game.rows()).join('\n'),
          new RegExp(`Слот 1\\nпользователь:ник\\nДень:${saved.day}\\nДеньги:${saved.money}\\n`));
        await game.answer('1');
        return panel(await game.rows());
      };

      await t.test('reloaded, the save loads', async () => {
        await game.reload();
        assert.deepEqual(await loadSave(), saved);
        assert.deepEqual(await game.errors(), []);
      });

      await t.test('offline after one visit', { skip: !workers && `${engine} has no service workers` }, async () => {
        await site.close();
        await game.reload();
        assert.deepEqual(await loadSave(), saved);
        await game.play(['8', '']);
        assert.equal(panel(await game.rows()).day, saved.day + 1);
        assert.deepEqual(await game.errors(), []);
      });
    } finally {
      await browser.close();
      await site.close();
    }
  });
}
