// The site as an app. After one visit, served from a sub-path, it passes the browser's
// installability check, and plays, saves and loads with the host gone. A new build put up on the host takes over at
// the next start, never within a run or beside another page.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import { GamePage, SITE, openBrowser, panel, serveSite } from './harness.mjs';

const repo = (name) => new URL(`../../${name}`, import.meta.url).pathname;
const newGame = ['', 'ник', '', '', '', '1', '1'];

// The builds the browser keeps for the site (their caches' names), once its worker is active.
const builds = (game) => game.page.evaluate(async () => {
  await navigator.serviceWorker.ready;
  return (await caches.keys()).filter((name) => / [0-9a-f]{16}$/.test(name));
});

// Has the browser look for a new build of the site; returns the state its install ends in.
const update = (game) => game.page.evaluate(async () => {
  const registration = await navigator.serviceWorker.getRegistration();
  await registration.update();
  const worker = registration.installing ?? registration.waiting;
  if (worker.state === 'installing') await new Promise((resolve) => { worker.onstatechange = resolve; });
  return worker.state;
});

// The widget's style sheet as the page gets it now, through the worker.
const css = (game) => game.page.evaluate(async () => (await fetch('xterm.css')).text());

test('after one visit the site installs, and plays, saves and loads with the host gone', async (t) => {
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'geekpath-host-'));
  fs.symlinkSync(path.resolve(SITE), path.join(root, 'geekpath'));
  const site = await serveSite(root);
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, `${site.url}geekpath/`);
    assert.equal((await builds(game)).length, 1);
    await t.test('installable: the browser finds nothing missing', async () => {
      const cdp = await browser.context.newCDPSession(game.page);
      assert.deepEqual((await cdp.send('Page.getAppManifest')).errors, []);
      assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    });
    await t.test('offline: the page starts, a game is saved, and loaded after a reload', async () => {
      await site.close();
      await game.load();
      await game.play(newGame);
      const saved = panel(await game.rows());
      await game.play(['10', '3']);
      await game.load();
      await game.play([...newGame.slice(0, 5), '2', '3']);
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
  // The second build: the first with the widget's style sheet changed, sealed again.
  const second = fs.mkdtempSync(path.join(os.tmpdir(), 'geekpath-second-build-'));
  fs.cpSync(SITE, second, { recursive: true });
  fs.appendFileSync(path.join(second, 'xterm.css'), '/* the second build */\n');
  execFileSync(process.execPath, [repo('cmake/web/seal.mjs'), second, repo('web/service-worker.js')]);
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, site.url);
    const [first] = await builds(game);
    await game.load();  // from the first build's cache now
    await game.play(newGame);
    const { day } = panel(await game.rows());

    // The host gets the second build, first halfway: its worker with a file of the first.
    // The browser fails to install that; then installs the whole build beside the first.
    site.serve(second);
    const secondStyle = fs.readFileSync(path.join(second, 'xterm.css'));
    fs.copyFileSync(path.join(SITE, 'xterm.css'), path.join(second, 'xterm.css'));
    assert.equal(await update(game), 'redundant');
    assert.deepEqual(await builds(game), [first]);
    fs.writeFileSync(path.join(second, 'xterm.css'), secondStyle);
    assert.equal(await update(game), 'installed');

    // The running game goes on with the first build, and so does a page started beside it.
    const other = await GamePage.open(browser.context, site.url);
    assert.doesNotMatch(await css(other), /second build/);
    await other.page.close();
    await game.play(['8', '', '8', '']);
    assert.equal(panel(await game.rows()).day, day + 2);
    assert.doesNotMatch(await css(game), /second build/);

    // The next start, alone: the second build, and its cache alone.
    await game.load();
    assert.match(await css(game), /second build/);
    const name = fs.readFileSync(path.join(second, 'service-worker.js'), 'utf8').match(/"name": "(\w+)"/)[1];
    assert.deepEqual(await builds(game), [first.replace(/\w+$/, name)]);
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
    fs.rmSync(second, { recursive: true, force: true });
  }
});
