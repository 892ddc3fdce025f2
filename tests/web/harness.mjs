// What the browser tests share: the built site served from 127.0.0.1, Chromium with a
// profile of its own, and a player that answers the page's game one wait at a time.
//
// GEEKPATH_SITE names the site folder (build-web/site by default), GEEKPATH_CHROMIUM the
// browser (/usr/bin/chromium).

import { chromium } from 'playwright-core';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const SITE = process.env.GEEKPATH_SITE ?? path.join(here, '../../build-web/site');
export const NATIVE_TERMINAL = path.join(here, 'native-terminal');
const CHROMIUM = process.env.GEEKPATH_CHROMIUM ?? '/usr/bin/chromium';
// Without the background-networking switches Chromium reaches for the network at start,
// which a closed network refuses.
const CHROMIUM_ARGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.mjs': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

// The site's files over HTTP on a free port of 127.0.0.1; `/` is index.html. serve(folder)
// serves another folder from then on, as a host does when a new build is put up.
export async function serveSite(site = SITE) {
  let root = site;
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const file = path.join(root, path.normalize(name.endsWith('/') ? `${name}index.html` : name));
    fs.readFile(file, (error, bytes) => {
      if (error || !file.startsWith(root)) {
        response.writeHead(404).end();
        return;
      }
      response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream' });
      response.end(bytes);
    });
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    serve: (folder) => { root = folder; },
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

// Headless Chromium on a new empty profile, removed when the browser closes. A persistent
// context: its pages share the profile's storage, and keep it across a reload. `device`
// overrides the context's options (a phone's viewport, touch and pixel ratio).
export async function openBrowser(device = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'geekpath-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: CHROMIUM_ARGS,
    viewport: { width: 1024, height: 768 },
    acceptDownloads: true,
    ...device,
  });
  return {
    context,
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Counts the game's waits as the page announces them on the body's data-game attribute:
// each change to 'line' or 'key' is one wait, however quickly the game goes on. Keeps the
// terminal's size as the page makes it, before it opens, in geekpathOpening.
function countWaits() {
  let made = null;
  Object.defineProperty(window, 'geekpathTestTerminal', { configurable: true, get: () => made, set(term) {
    made = term;
    window.geekpathOpening = { fontSize: term.options.fontSize, cols: term.cols, rows: term.rows };
  } });
  window.geekpathWaits = [];
  new MutationObserver((records) => {
    records.forEach((record, i) => {
      const now = i + 1 < records.length ? records[i + 1].oldValue : record.target.getAttribute('data-game');
      if (record.target === document.body && (now === 'line' || now === 'key')) window.geekpathWaits.push(now);
    });
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ['data-game'], attributeOldValue: true });
}

const ARROWS = { '<Up>': 'ArrowUp', '<Down>': 'ArrowDown', '<Left>': 'ArrowLeft', '<Right>': 'ArrowRight' };

// One page of the site playing the game.
export class GamePage {
  constructor(page) {
    this.page = page;
    // Uncaught exceptions and console errors of the page: a test expects none.
    this.errors = [];
    page.on('pageerror', (error) => this.errors.push(`page error: ${error.message}`));
    page.on('console', (message) => {
      if (message.type() === 'error') this.errors.push(`console error: ${message.text()}`);
    });
    // Leaving a running game asks first; the tests leave.
    page.on('dialog', (dialog) => dialog.accept());
  }

  static async open(context, url) {
    const page = await context.newPage();
    await page.addInitScript(countWaits);
    const game = new GamePage(page);
    await game.load(url);
    return game;
  }

  // Navigates (or reloads, without a url) and waits for the game's first wait.
  async load(url = undefined) {
    await (url ? this.page.goto(url) : this.page.reload());
    await this.nextWait(0);
  }

  state() {
    return this.page.evaluate(() => document.body.dataset.game);
  }

  // Waits until the game has made more than `seen` waits, or ended; returns its state.
  async nextWait(seen) {
    await this.page.waitForFunction((count) => window.geekpathWaits.length > count ||
      document.body.dataset.game === 'ended', seen);
    return this.state();
  }

  async waits() {
    return this.page.evaluate(() => window.geekpathWaits.length);
  }

  // The terminal's font size, columns and rows as it was made, and now.
  async sizes() {
    return this.page.evaluate(() => {
      const term = window.geekpathTestTerminal;
      return [window.geekpathOpening, { fontSize: term.options.fontSize, cols: term.cols, rows: term.rows }];
    });
  }

  // Answers the game's current wait with one line of a key script: at a number or
  // nickname read the line's text and Enter; at a key wait the line's key ('' for Enter,
  // <Up> and the like for the arrows, else its one character). Returns the next state.
  async answer(text) {
    const state = await this.state();
    if (state !== 'line' && state !== 'key') throw new Error(`the game does not wait (${state}) for ${JSON.stringify(text)}`);
    const seen = await this.waits();
    // A player types into the tab in front; a tab behind it gets its frames late.
    await this.page.bringToFront();
    await this.focusTerminal();
    if (state === 'line') {
      if (text !== '') await this.page.keyboard.type(text);
      await this.page.keyboard.press('Enter');
    } else if (text === '') {
      await this.page.keyboard.press('Enter');
    } else if (ARROWS[text]) {
      await this.page.keyboard.press(ARROWS[text]);
    } else if ([...text].length === 1) {
      await this.page.keyboard.type(text);
    } else {
      throw new Error(`not a key: ${JSON.stringify(text)}`);
    }
    return this.nextWait(seen);
  }

  // Gives the keys to the terminal, as a click on it does.
  focusTerminal() {
    return this.page.evaluate(() => window.geekpathTestTerminal.textarea.focus());
  }

  async play(lines) {
    for (const line of lines) await this.answer(line);
    return this.state();
  }

  // The terminal's rows once everything written to it is shown: the screen (the bottom
  // rows), or with `all` the scrollback above it as well.
  rows({ all = false } = {}) {
    return this.page.evaluate(async (whole) => {
      const term = window.geekpathTestTerminal;
      await new Promise((resolve) => term.write('', resolve));
      const buffer = term.buffer.active;
      const rows = [];
      for (let i = whole ? 0 : buffer.baseY; i < buffer.baseY + term.rows; i += 1) {
        rows.push(buffer.getLine(i)?.translateToString(true) ?? '');
      }
      return rows;
    }, all);
  }

  // The row the cursor is on, as shown (an erased character leaves a blank, not trimmed).
  async cursorRow() {
    return this.page.evaluate(async () => {
      const term = window.geekpathTestTerminal;
      await new Promise((resolve) => term.write('', resolve));
      const buffer = term.buffer.active;
      return buffer.getLine(buffer.baseY + buffer.cursorY).translateToString(true).trimEnd();
    });
  }

  // The game's files as the browser keeps them: { name: Buffer }.
  files() {
    return this.#store([]);
  }

  // Puts { name: Buffer } into the browser's storage, as the page keeps files (files()).
  async putFiles(files) {
    await this.#store(Object.entries(files));
  }

  // Puts the [name, bytes] entries into the page's store of files, then reads every file
  // there, in one transaction.
  async #store(entries) {
    const stored = await this.page.evaluate((puts) => new Promise((resolve, reject) => {
      const request = indexedDB.open('geekpath');
      request.onerror = () => reject(request.error);
      request.onsuccess = () => {
        const db = request.result;
        const transaction = db.transaction('files', puts.length > 0 ? 'readwrite' : 'readonly');
        const store = transaction.objectStore('files');
        for (const [name, bytes] of puts) store.put(new Uint8Array(bytes), name);
        const files = {};
        store.openCursor().onsuccess = (event) => {
          const cursor = event.target.result;
          if (!cursor) return;
          files[cursor.key] = Array.from(cursor.value);
          cursor.continue();
        };
        transaction.oncomplete = () => {
          db.close();
          resolve(files);
        };
        transaction.onerror = () => reject(transaction.error);
      };
    }), entries.map(([name, bytes]) => [name, Array.from(bytes)]));
    return Object.fromEntries(Object.entries(stored).map(([name, bytes]) => [name, Buffer.from(bytes)]));
  }

  async status() {
    return this.page.locator('#status').textContent();
  }
}

// The day and money of the status panel on the screen (the last panel shown).
export function panel(rows) {
  const text = rows.join('\n');
  const money = [...text.matchAll(/Mhz\s+\|\s+(-?\d+)\$/g)].at(-1);
  const day = [...text.matchAll(/Geforce\S*\s+\|\s+(-?\d+) /g)].at(-1);
  return { day: day && Number(day[1]), money: money && Number(money[1]) };
}

// The keys of a line script: one line a wait.
export function keyLines(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  if (lines.at(-1) === '') lines.pop();
  return lines;
}
