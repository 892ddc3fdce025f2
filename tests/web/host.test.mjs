// The host's calls as the game declares them (src/platform/web/host.js): the page's
// console and the Node.js runner's file calls are those declared, and a host that lacks
// one stops the game at its start with an error that names it.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import test from 'node:test';
import headless from '@xterm/headless';
import { terminalConsole } from '../../web/console.js';

const require = createRequire(import.meta.url);
const site = process.env.GEEKPATH_SITE ?? path.resolve('build-web/site');
const createGeekpath = require(path.join(site, 'geekpath.js'));
const runner = require(path.join(site, '..', 'geekpath-node'));
const declared = new Function(`${fs.readFileSync(new URL('../../src/platform/web/host.js', import.meta.url), 'utf8')}
  return { console: geekpathConsoleCalls, keyboard: geekpathKeyboardCalls, store: geekpathFileStoreCalls,
    files: geekpathFileCalls };`)();

const consoleCalls = { keyboard: false, readInput: async () => new Uint8Array(0), write: () => {} };
const store = { readFile: () => null, replaceFile: () => false, appendFile: () => false };
const without = (calls, call) => Object.fromEntries(Object.entries(calls).filter(([name]) => name !== call));

// How a run of the game on host ends: 'ended' at the end of its input, or the error.
async function run(host) {
  const wasmBinary = fs.readFileSync(path.join(site, 'geekpath.wasm'));
  const game = await createGeekpath({ geekpathHost: host, wasmBinary, print: () => {}, printErr: () => {} });
  try {
    await game.ccall('main', 'number', [], [], { async: true });
    return 'ended';
  } catch (error) {
    return String(error);
  }
}

test('the page\'s console and the runner\'s file calls are the declared ones', () => {
  const page = terminalConsole(new headless.Terminal({ allowProposedApi: true })).host;
  assert.deepEqual(Object.keys(page).sort(), [...declared.console, ...declared.keyboard].sort());
  assert.deepEqual(Object.keys(runner.files).sort(), [...declared.files].sort());
});

test('a host that lacks a call stops the game at its start, naming the call', async () => {
  assert.equal(await run({ ...consoleCalls, ...store }), 'ended');
  assert.equal(await run({ ...consoleCalls, files: runner.files }), 'ended');
  for (const call of declared.console) {
    assert.match(await run(without({ ...consoleCalls, ...store }, call)), new RegExp(`lacks ${call}$`));
  }
  const keyboardLacks = `lacks ${declared.keyboard.join(', ')}`;
  assert.ok((await run({ ...consoleCalls, keyboard: true, ...store })).endsWith(keyboardLacks));
  for (const call of declared.store) {
    assert.match(await run(without({ ...consoleCalls, ...store }, call)), new RegExp(`lacks ${call} \\(or files`));
  }
  for (const call of declared.files) {
    assert.match(await run({ ...consoleCalls, files: without(runner.files, call) }), new RegExp(`lacks files\\.${call}$`));
  }
});
