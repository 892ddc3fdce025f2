// The page's line discipline in plain Node.js: console.js on a headless terminal widget,
// with the key decoder of the game that the web build made, keys in, and what the game
// receives and what the screen shows out.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import test from 'node:test';
import headless from '@xterm/headless';
import { terminalConsole } from '../../web/console.js';

const PROMPT = '> ';
const decoder = new TextDecoder();

// An instance of the game that never runs: its build's exports cut the keys.
const site = process.env.GEEKPATH_SITE ?? path.join(import.meta.dirname, '../../build-web/site');
const game = createRequire(import.meta.url)(path.join(site, 'geekpath.js'))({
  geekpathHost: {},
  wasmBinary: fs.readFileSync(path.join(site, 'geekpath.wasm')),
  print: () => {},
  printErr: () => {},
});

function openConsole() {
  // The headless widget counts its buffer among its proposed calls; the page's does not.
  const term = new headless.Terminal({ cols: 80, rows: 4, allowProposedApi: true });
  const page = terminalConsole(term, game);
  // The screen's rows up to the cursor's, once the widget has shown everything.
  const shown = async () => {
    await new Promise((resolve) => term.write('', resolve));
    const { baseY, cursorY } = term.buffer.active;
    return Array.from({ length: cursorY + 1 }, (_, y) => term.buffer.active.getLine(baseY + y).translateToString(true));
  };
  return { page, shown };
}

// The game's reads in turn ('line' or 'key'), after the prompt; `ahead` is typed and
// `lines` sent whole before the first read, `keys` typed once it waits. Returns what each
// read got and the screen.
async function play({ ahead = '', lines = [], keys = '', reads = ['line'] }) {
  const { page, shown } = openConsole();
  page.host.write(new TextEncoder().encode(PROMPT));
  page.type(ahead);
  lines.forEach((line) => page.sendLine(line));
  const got = [];
  for (const read of reads) {
    const answer = read === 'line' ? page.host.readInput(1024) : page.host.readKey(64);
    if (got.length === 0) page.type(keys);
    got.push(decoder.decode(await answer));
  }
  return { got, screen: (await shown()).join('\n').trimEnd() };
}

const CASES = [
  { name: 'Backspace erases a Cyrillic letter', keys: 'ник\x7f\r', got: ['ни\n'], screen: '> ни' },
  { name: 'Backspace erases a wide character, and an emoji of one column', keys: '漢字\x7f😀😀\x7fa\r',
    got: ['漢😀a\n'], screen: '> 漢😀a' },
  { name: 'Backspace on an empty line leaves the prompt', keys: '\x7f\x7fa\r', got: ['a\n'], screen: '> a' },
  { name: 'a Tab moves to the next tab stop, and Backspace takes all of it back', keys: 'a\tb\ra\t\x7fb\r',
    reads: ['line', 'line'], got: ['a\tb\n', 'ab\n'], screen: '> a     b\nab' },
  { name: 'a paste of several lines answers one read a line', keys: '12\r34\r56\r', reads: ['line', 'line'],
    got: ['12\n', '34\n'], screen: '> 12\n34' },
  { name: 'controls, marks and arrows do not go into the line', keys: 'a\u0090b\u0301\x1b[Dc\u200b\r',
    got: ['abc\n'], screen: '> abc' },
  { name: 'Ctrl+D ends nothing: the page has no end of input', keys: '\x0412\x04\r', got: ['12\n'], screen: '> 12' },
  { name: 'a key wait gets the whole key: a Cyrillic letter, ESC alone, an arrow, none echoed; Enter is LF',
    keys: 'д\x1b\x1b[A\r', reads: ['key', 'key', 'key', 'key'], got: ['д', '\x1b', '\x1b[A', '\n'], screen: '>' },
  { name: 'keys typed ahead wait in order for their reads; Ctrl+C at a key wait does nothing',
    ahead: 'x\x031\r', reads: ['key', 'line'], got: ['x', '1\n'], screen: '> 1' },
  { name: 'a line sent whole is one key at a key wait (its first, or Enter when empty), its text and Enter at a line read',
    lines: ['жab', '', 'ник\x04'], reads: ['key', 'key', 'line'], got: ['ж', '\n', 'ник\n'], screen: '> ник' },
];

test('keys in, the game\'s reads and the screen out', async (t) => {
  for (const { name, got, screen, ...keys } of CASES) {
    await t.test(name, async () => assert.deepEqual(await play(keys), { got, screen }));
  }
});

// A small seeded generator (mulberry32), so that a failure replays.
function generator(seed) {
  return () => {
    seed = (seed + 0x6d2b79f5) | 0;
    let x = Math.imul(seed ^ (seed >>> 15), seed | 1);
    x ^= x + Math.imul(x ^ (x >>> 7), x | 61);
    return ((x ^ (x >>> 14)) >>> 0) / 2 ** 32;
  };
}

test('random keys: the game receives what the line showed when Enter was pressed', async () => {
  const random = generator(20251209);
  const EDITS = ['\b', '\b', '\t', ' ', '\x1b[D'];
  const key = () => {
    if (random() < 0.3) return EDITS[Math.floor(random() * EDITS.length)];
    const code = random() < 0.8 ? 0x20 + Math.floor(random() * 0xffe0) : 0x10000 + Math.floor(random() * 0x30000);
    return code >= 0xd800 && code < 0xe000 ? 'ё' : String.fromCodePoint(code);
  };
  const { page, shown } = openConsole();
  // White space as one space: what a tab or a run of spaces shows, at any stop.
  const plain = (text) => text.replace(/\s+/gu, ' ').trim();
  for (let round = 0; round < 300; round += 1) {
    page.host.write(new TextEncoder().encode(PROMPT));
    const read = page.host.readInput(1024);
    const keys = Array.from({ length: 1 + Math.floor(random() * 8) }, key).join('');
    page.type(`${keys}\r`);
    const got = decoder.decode(await read);
    const row = (await shown()).at(-2);
    assert.equal(plain(row), plain(PROMPT + got), `keys ${JSON.stringify(keys)}`);
  }
});
