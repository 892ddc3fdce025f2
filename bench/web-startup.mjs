// The time from navigation to the game's first prompt in headless Chromium (the body's
// data-game first 'key': the first screen waits for a key), against a bare page that loads
// the terminal widget alone and writes one line (the floor). Loads go pair by pair, the
// floor and the game in turn, each in a new browser context of one running browser (an
// empty cache and empty storage: a first visit); then the same again with both pages
// loaded once before in the same context (a return visit, from the cache).
// Usage: node bench/web-startup.mjs [PAIRS]   (21 by default), after the web build.

import { chromium } from 'playwright-core';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const site = process.env.GEEKPATH_SITE ?? path.join(path.dirname(fileURLToPath(import.meta.url)), '../build-web/site');
const pairs = Number(process.argv[2] ?? 21);

// The floor: the widget's two files, one line written, and the same mark as the page's.
const FLOOR = `<!doctype html>
<html lang="ru"><head><meta charset="utf-8"><title>floor</title>
<link rel="stylesheet" href="xterm.css">
<script type="module">
import { Terminal } from './xterm.mjs';
const term = new Terminal();
term.open(document.getElementById('terminal'));
term.write('Загрузка завершена. Нажмите ENTER\\r\\n', () => { document.body.dataset.game = 'key'; });
</script></head>
<body><div id="terminal"></div></body></html>`;

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm' };

const server = http.createServer((request, response) => {
  const name = new URL(request.url, 'http://host').pathname;
  if (name === '/floor.html') {
    response.writeHead(200, { 'Content-Type': TYPES['.html'] }).end(FLOOR);
    return;
  }
  const file = path.join(site, path.normalize(name === '/' ? '/index.html' : name));
  fs.readFile(file, (error, bytes) => {
    if (error) response.writeHead(404).end();
    else response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream' }).end(bytes);
  });
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const origin = `http://127.0.0.1:${server.address().port}`;

const browser = await chromium.launch({
  executablePath: process.env.GEEKPATH_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});

// The milliseconds from the navigation's start to the first data-game 'key', by the
// page's own clock.
function markFirstKey() {
  new MutationObserver((records, observer) => {
    if (document.body?.dataset.game === 'key') {
      window.firstKeyAt = performance.now();
      observer.disconnect();
    }
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ['data-game'] });
}

async function load(context, url) {
  const page = await context.newPage();
  await page.addInitScript(markFirstKey);
  await page.goto(url);
  await page.waitForFunction(() => window.firstKeyAt !== undefined);
  const ms = await page.evaluate(() => window.firstKeyAt);
  await page.close();
  return ms;
}

async function measure(returnVisit) {
  const floor = [];
  const game = [];
  for (let i = 0; i < pairs; i += 1) {
    const context = await browser.newContext();
    if (returnVisit) {
      await load(context, `${origin}/floor.html`);
      await load(context, `${origin}/`);
    }
    // The floor first in one pair, the game first in the next.
    const order = i % 2 === 0 ? ['floor', 'game'] : ['game', 'floor'];
    for (const which of order) {
      const ms = await load(context, which === 'floor' ? `${origin}/floor.html` : `${origin}/`);
      (which === 'floor' ? floor : game).push(ms);
    }
    await context.close();
  }
  const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
  const ratios = game.map((ms, i) => ms / floor[i]);
  const label = returnVisit ? 'return visit (cached)' : 'first visit (new context)';
  console.log(`  ${label.padEnd(26)} game ${median(game).toFixed(0).padStart(4)} ms, floor ${median(floor).toFixed(0).padStart(4)} ms:` +
    ` ${median(ratios).toFixed(2)}x (median of ${pairs} pairs; ${Math.min(...ratios).toFixed(2)}x to ${Math.max(...ratios).toFixed(2)}x)`);
}

console.log('navigation to the first prompt, against the terminal widget alone (target: at most 1.2x):');
try {
  await measure(false);
  await measure(true);
} finally {
  await browser.close();
  server.close();
}
