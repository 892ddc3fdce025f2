// The page: the terminal widget, the game run by run, and the saves panel. The game itself
// is geekpath.js and geekpath.wasm (createGeekpath), the same build the Node.js runner
// starts; console.js and files.js are its console and its files here.

import './offline.js';  // first: a newer build may take over before the game starts
import { terminalConsole } from './console.js';
import { openFiles } from './files.js';

const SLOTS = ['save1.sav', 'save2.sav', 'save3.sav', 'save4.sav', 'save5.sav'];
const SCORES = 'SCORES.txt';
// Far more than any save file the game writes (a few hundred bytes).
const MAX_UPLOAD = 64 * 1024;
const COLUMNS = 80;
const ROWS = 32;
const FONT_SIZES = { largest: 18, readable: 12, smallest: 6 };

const $ = (id) => document.getElementById(id);

// The widget is the largest file of the page, and geekpath.js, loaded beside this module,
// defines createGeekpath: the game compiles while the widget is made ready.
const widget = import('./xterm.mjs');
await new Promise((resolve) => {
  if (typeof createGeekpath === 'function') resolve();
  else $('game-script').addEventListener('load', resolve);
});

// A new instance of the game, loading: each run plays in one of its own. Its host's calls
// are filled in when the run starts, so the first one can compile while the terminal is
// set up.
function loadGame() {
  const host = {};
  const instance = createGeekpath({ geekpathHost: host, print: () => {}, printErr: () => {} });
  return { host, instance };
}
let nextGame = loadGame();

const { Terminal } = await widget;

// The room for the terminal: the window's width, and its height less what is below.
function room() {
  const top = $('terminal').getBoundingClientRect().top;
  return {
    width: $('terminal').getBoundingClientRect().width,
    height: Math.max(window.innerHeight - $('below').offsetHeight - top - 8, 100),
  };
}

// The terminal's font size, columns and rows for the room, given a cell's width and height
// per pixel of font size: at least 80 columns and, where the height allows, the 32 rows
// that show a whole day with an event, with the font made smaller where it must be.
function layout({ width, height }, cellWidth, cellHeight) {
  let size = Math.min(FONT_SIZES.largest, Math.floor(width / (cellWidth * COLUMNS)));
  if (size > FONT_SIZES.readable) size = Math.max(FONT_SIZES.readable, Math.min(size, Math.floor(height / (cellHeight * ROWS))));
  size = Math.max(size, FONT_SIZES.smallest);
  return {
    fontSize: size,
    cols: Math.max(COLUMNS, Math.floor(width / (cellWidth * size))),
    rows: Math.max(10, Math.floor(height / (cellHeight * size))),
  };
}

const term = new Terminal({
  convertEol: true,  // a line feed also returns the carriage, as a terminal's output does
  cursorBlink: true,
  fontFamily: '"DejaVu Sans Mono", "Liberation Mono", "Cascadia Mono", Consolas, Menlo, "Courier New", monospace',
  scrollback: 2000,
  // Opened at about its fitted size, so that it is laid out once: a monospaced cell is
  // about 0.6 of the font's size wide and 1.15 high.
  ...layout(room(), 0.6, 1.15),
});
window.geekpathTerminal = term;
term.open($('terminal'));

// The widget's cell size in CSS pixels, from its renderer once it has measured the font.
const cellSize = () => term._core?._renderService?.dimensions?.css?.cell;

// The layout for the cell the widget measured; the loops only correct its rounding.
function fit() {
  const space = room();
  const fits = (cell, rows) => cell && cell.width * COLUMNS <= space.width && cell.height * rows <= space.height;
  const measured = cellSize();
  const current = term.options.fontSize;
  let size = measured?.width && measured?.height
    ? layout(space, measured.width / current, measured.height / current).fontSize
    : FONT_SIZES.largest;
  if (current !== size) term.options.fontSize = size;
  while (size > FONT_SIZES.smallest && !fits(cellSize(), 1)) term.options.fontSize = --size;
  while (size > FONT_SIZES.readable && !fits(cellSize(), ROWS)) term.options.fontSize = --size;
  const cell = cellSize();
  if (!cell?.width || !cell?.height) return;
  const columns = Math.max(COLUMNS, Math.floor(space.width / cell.width));
  const rows = Math.max(10, Math.floor(space.height / cell.height));
  if (columns !== term.cols || rows !== term.rows) term.resize(columns, rows);
}
fit();
window.addEventListener('resize', fit);

// Ctrl+C copies a selection (the browser's copy event, which the widget answers);
// without one it reaches the game's console, which ignores it.
term.attachCustomKeyEventHandler((event) => !(event.type === 'keydown' && (event.ctrlKey || event.metaKey) &&
  !event.altKey && event.key.toLowerCase() === 'c' && term.hasSelection()));

$('reader').addEventListener('change', () => {
  term.options.screenReaderMode = $('reader').checked;
});

// The browser opens the storage while the game loads and shows its first screen: on a
// first visit, making the database takes about as long. File calls wait for it.
const storage = openFiles().then((files) => {
  if (!files.available) say('Браузер не даёт странице хранилища: сохранения не будут записаны.');
  return files;
});

function say(text) {
  $('status').textContent = text;
}

// One run of the program: one game, as in a console. The body's data-game attribute tells
// scripts what the game does: 'loading', 'running', waiting for a 'line' or a 'key', 'ended'.
let running = null;
const show = (what) => {
  document.body.dataset.game = what;
};

let runs = 0;
async function play() {
  $('again').hidden = true;
  say('');
  if (runs++ > 0) term.reset();  // a new run starts on a clean terminal
  show('loading');
  const pageConsole = terminalConsole(term, show);
  running = pageConsole;
  const typed = term.onData((data) => pageConsole.type(data));
  const { host, instance } = nextGame;
  nextGame = null;
  try {
    Object.assign(host, {
      ...pageConsole.host,
      readFile: async (name, maxBytes) => (await storage).read(name, maxBytes),
      replaceFile: async (name, bytes) => {
        const done = await (await storage).replace(name, bytes);
        showSaves();
        return done;
      },
      appendFile: async (name, bytes, size, keep) => {
        const done = await (await storage).append(name, bytes, size, keep);
        showSaves();
        return done;
      },
    });
    const game = await instance;
    term.focus();
    await game.ccall('main', 'number', [], [], { async: true });
    say('Игра окончена.');
  } catch (error) {
    say(`Игра остановилась из-за ошибки: ${error}`);
  } finally {
    typed.dispose();
    pageConsole.end();
    running = null;
    show('ended');
    $('again').hidden = false;
    $('again').focus();
  }
}

$('again').addEventListener('click', () => {
  nextGame ??= loadGame();
  play();
});

// Typed text from the line under the terminal, for keyboards that the widget garbles.
$('typed').addEventListener('submit', (event) => {
  event.preventDefault();
  running?.type(`${$('typed-line').value}\r`);
  $('typed-line').value = '';
});

window.addEventListener('beforeunload', (event) => {
  if (!running) return;
  event.preventDefault();
  event.returnValue = '';
});

// The saves panel: each file can be downloaded, and a save file put into a slot.

let checker = null;

// Whether the bytes read as a save file, by the game's own reader (in an instance of the
// game that never runs).
async function isSaveFile(bytes) {
  checker ??= createGeekpath({ geekpathHost: {}, print: () => {}, printErr: () => {} });
  const game = await checker;
  return game.ccall('geekpath_is_save_file', 'number', ['array', 'number'], [bytes, bytes.length]) === 1;
}

function download(name, bytes) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

async function upload(slot, file) {
  if (file.size > MAX_UPLOAD) {
    say(`Файл «${file.name}» не загружен: он слишком большой для сохранения игры.`);
    return;
  }
  const bytes = new Uint8Array(await file.arrayBuffer());
  if (!(await isSaveFile(bytes))) {
    say(`Файл «${file.name}» не загружен: это не сохранение игры.`);
    return;
  }
  if (await (await storage).replace(slot, bytes)) {
    say(`Файл «${file.name}» загружен в ${slot}.`);
  } else {
    say(`Файл «${file.name}» не загружен: браузер не сохранил его.`);
  }
  showSaves();
}

// "День 12, деньги 345" for a slot's bytes: its second and third records.
function slotSummary(bytes) {
  const records = new TextDecoder('latin1').decode(bytes.subarray(0, 512)).split(';').map((r) => r.trim());
  return `день ${records[1] ?? '?'}, деньги ${records[2] ?? '?'}, ${bytes.length} байт`;
}

async function showSaves() {
  const rows = [];
  for (const name of [...SLOTS, SCORES]) {
    const bytes = await (await storage).read(name);
    const row = document.createElement('tr');
    const cells = [name, bytes ? (name === SCORES ? `${bytes.length} байт` : slotSummary(bytes)) : 'пусто'];
    for (const text of cells) {
      const cell = document.createElement('td');
      cell.textContent = text;
      row.append(cell);
    }
    const actions = document.createElement('td');
    if (bytes) {
      const get = document.createElement('button');
      get.type = 'button';
      get.textContent = 'Скачать';
      // The file as stored now: another tab of the site may have saved since the list was drawn.
      get.addEventListener('click', async () => {
        const stored = await (await storage).read(name);
        if (stored) download(name, stored);
        showSaves();
      });
      actions.append(get);
    }
    if (name !== SCORES) {
      const put = document.createElement('button');
      put.type = 'button';
      put.textContent = 'Загрузить файл';
      put.addEventListener('click', () => {
        $('upload').onchange = () => {
          const [file] = $('upload').files;
          $('upload').value = '';
          if (file) upload(name, file);
        };
        $('upload').click();
      });
      actions.append(put);
    }
    row.append(actions);
    rows.push(row);
  }
  $('save-list').replaceChildren(...rows);
}

$('saves').addEventListener('toggle', () => {
  if ($('saves').open) showSaves();
});

play();
