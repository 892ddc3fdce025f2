// The site installed and offline: after one visit, served from a sub-path, it passes the
// browser's installability check and plays, saves and loads with the host gone; a new build
// put up on the host takes over at the next start, never within a run or beside another page.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import { fileURLToPath } from 'node:url';
import { GamePage, SITE, openBrowser, panel, serveSite } from './harness.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const SEAL = path.join(here, '../../cmake/web/seal.mjs');
const WORKER = path.join(here, '../../web/service-worker.js');
const SAVED = 'Успешно сохранено';
const newGame = (nickname) => ['', nickname, '', '', '', '1', '1'];

// The builds the browser keeps for the site: their caches' names.
const builds = (game) => game.page.evaluate(async () => (await caches.keys()).filter((name) => / [0-9a-f]{16}$/.test(name)));

// Waits until the site's service worker is active, and returns the builds kept.
async function activeBuilds(game) {
  await game.page.evaluate(async () => {
    const worker = (await navigator.serviceWorker.ready).active;
    if (worker.state !== 'activated') await new Promise((resolve) => worker.addEventListener('statechange', resolve));
  });
  return builds(game);
}

// Has the browser look for a new build of the site; returns the state its install ends in.
const update = (game) => game.page.evaluate(async () => {
  const registration = await navigator.serviceWorker.getRegistration();
  await registration.update();
  const worker = registration.installing ?? registration.waiting;
  if (worker.state === 'installing') await new Promise((resolve) => worker.addEventListener('statechange', resolve));
  return worker.state;
});

// The page's CSS as the page gets it now, through its worker.
const css = (game) => game.page.evaluate(async () => (await fetch('page.css')).text());

test('after one visit the site installs, and plays, saves and loads a slot with the host gone', async (t) => {
  // Served from a sub-path of the host, as on a shared static host.
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'geekpath-host-'));
  fs.symlinkSync(path.resolve(SITE), path.join(root, 'geekpath'));
  const site = await serveSite(root);
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, `${site.url}geekpath/`);
    assert.equal((await activeBuilds(game)).length, 1, 'one build cached');

    await t.test('installable: the browser finds nothing missing', async () => {
      const cdp = await browser.context.newCDPSession(game.page);
      assert.deepEqual((await cdp.send('Page.getAppManifest')).errors, []);
      assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    });

    await t.test('offline: the page starts, a game is saved, and loaded after a reload', async () => {
      await site.close();
      await game.load();
      await game.play(newGame('ник'));
      const saved = panel(await game.rows());
      await game.play(['10', '3']);
      assert.ok((await game.rows()).includes(SAVED));
      await game.load();
      await game.play(['', 'ник', '', '', '', '2']);
      assert.match((await game.rows()).join('\n'), /Слот 3\nпользователь:ник\nДень:1\n/);
      assert.equal(await game.answer('3'), 'line');
      assert.deepEqual(panel(await game.rows()), saved);
      assert.deepEqual(game.errors, []);
    });
  } finally {
    await browser.close();
    await site.close();
    fs.rmSync(root, { recursive: true, force: true });
  }
});

test('a new build waits while a game runs or another page is open, and takes over at the next start', async () => {
  // The second build: the first with its CSS changed, sealed again.
  const second = fs.mkdtempSync(path.join(os.tmpdir(), 'geekpath-second-build-'));
  fs.cpSync(SITE, second, { recursive: true });
  fs.appendFileSync(path.join(second, 'page.css'), '/* the second build */\n');
  execFileSync(process.execPath, [SEAL, second, WORKER]);
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, site.url);
    const [first] = await activeBuilds(game);
    await game.load();  // from the first build's cache now
    await game.play(newGame('ник'));
    const day = panel(await game.rows()).day;

    // The host gets the second build, first halfway: its worker with a file of the first.
    // The browser finds it and fails to install it; then whole, and installs it.
    site.serve(second);
    const css2 = fs.readFileSync(path.join(second, 'page.css'));
    fs.copyFileSync(path.join(SITE, 'page.css'), path.join(second, 'page.css'));
    assert.equal(await update(game), 'redundant');
    assert.deepEqual(await builds(game), [first]);
    fs.writeFileSync(path.join(second, 'page.css'), css2);
    assert.equal(await update(game), 'installed');
    assert.equal((await builds(game)).length, 2);

    // The running game goes on, on the first build.
    await game.play(['8', '']);
    assert.equal(panel(await game.rows()).day, day + 1);
    assert.doesNotMatch(await css(game), /second build/);

    // A page started beside it runs the first build too: the game may be playing.
    const other = await GamePage.open(browser.context, site.url);
    assert.doesNotMatch(await css(other), /second build/);
    await other.page.close();
    await game.play(['8', '']);
    assert.equal(panel(await game.rows()).day, day + 2);
    assert.doesNotMatch(await css(game), /second build/);

    // The next start, alone: the second build, and its cache alone.
    await game.load();
    assert.match(await css(game), /second build/);
    const name = fs.readFileSync(path.join(second, 'service-worker.js'), 'utf8').match(/"name": "(\w+)"/)[1];
    assert.deepEqual(await builds(game), [first.replace(/\w+$/, name)]);
    assert.equal(await game.answer(''), 'line');
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
    fs.rmSync(second, { recursive: true, force: true });
  }
});
