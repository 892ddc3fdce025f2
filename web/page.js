// The page's start: the terminal widget, the storage and the saves panel set up, and the
// first run started. The game itself is geekpath.js and geekpath.wasm (createGeekpath),
// the same build the Node.js runner starts. Each other job has a module of its own:
// fitting.js sizes the terminal, run.js plays the runs, saves.js is the saves panel,
// keeping.js asks the browser to keep the files, speech.js speaks the screens to a screen
// reader, focus.js brings the keys back to the game, and console.js and files.js are the
// game's console and files.

import { keepForOffline } from './offline.js';  // first: a newer build may take over before the game starts
import { openFiles } from './files.js';
import { fitTerminal, openingSize } from './fitting.js';
import { keysBackToGame } from './focus.js';
import { keepingSaves } from './keeping.js';
import { keypad } from './keypad.js';
import { loadGame, playRuns } from './run.js';
import { savesPanel } from './saves.js';
import { screenSpeech } from './speech.js';

const $ = (id) => document.getElementById(id);

// The page's start is cut into tasks, each short enough not to hold up the browser, which
// meanwhile paints and answers the player.
const nextTask = () => new Promise((resolve) => {
  setTimeout(resolve);
});

// The page's heading and lines are shown first, as they are in the HTML, and the terminal
// after them: the widget's start takes the main thread for a while, which would otherwise
// hold back the page's first paint.
await new Promise((resolve) => {
  requestAnimationFrame(() => setTimeout(resolve));
});

// geekpath.js, loaded beside this module, defines createGeekpath: the game compiles while
// the widget, the largest file of the page, is made ready.
await new Promise((resolve) => {
  if (typeof createGeekpath === 'function') resolve();
  else $('game-script').addEventListener('load', resolve);
});
const firstGame = loadGame();

// The keypad stands below the terminal before the terminal's box is sized.
const keys = keypad($('keypad'));
await nextTask();
const { Terminal } = await import('./xterm.mjs');
// The widget's style, loaded beside the page but not yet applied (index.html).
const widgetStyle = $('widget-style');
if (!widgetStyle.sheet) await new Promise((resolve) => widgetStyle.addEventListener('load', resolve));
widgetStyle.media = 'all';
await nextTask();
// The widget's own words, before it makes its elements.
Terminal.strings.promptLabel = 'Ввод в игру';
Terminal.strings.tooMuchOutput = 'Слишком много текста: прочтите строки терминала сами.';
const fontFamily = '"DejaVu Sans Mono", "Liberation Mono", "Cascadia Mono", Consolas, Menlo, "Courier New", monospace';
const term = new Terminal({
  convertEol: true,  // a line feed also returns the carriage, as a terminal's output does
  cursorBlink: true,
  fontFamily,
  scrollback: 2000,
  theme: { overviewRulerBorder: '#000' },  // a phone's thin scrollbar has no line beside the text
  ...openingSize($('terminal'), $('below'), fontFamily),
});
window.geekpathTerminal = term;
await nextTask();

// The terminal opens on the game's first screen: the game writes it into the widget before
// the widget has elements, so that it is taken in without being drawn line by line, and
// the widget is laid out and drawn once. Opened and fitted in one task, so that no frame
// shows it at its opening size (which is the fitted size, unless the window has changed).
async function openTerminal() {
  await new Promise((resolve) => {
    term.write('', resolve);
  });
  term.open($('terminal'));
  fitTerminal(term, $('terminal'), $('below'));
  keys.connect(term, (typed) => runs.type(typed));
  // Ctrl+C copies a selection (the browser's copy event, which the widget answers);
  // without one it reaches the game's console, which ignores it.
  term.attachCustomKeyEventHandler((event) => !(event.type === 'keydown' && (event.ctrlKey || event.metaKey) &&
    !event.altKey && event.key.toLowerCase() === 'c' && term.hasSelection()));
  $('reader').addEventListener('change', () => {
    term.options.screenReaderMode = $('reader').checked;
  });
  keysBackToGame(term);
  keepForOffline();
  // The terminal takes the focus, and the game goes on, in a task of their own.
  await nextTask();
  term.focus();
}

function say(text) {
  $('status').textContent = text;
}

// The browser opens the storage while the game loads and shows its first screen: on a
// first visit, making the database takes about as long. File calls wait for it.
const storage = openFiles().then((files) => {
  if (!files.available) say('Браузер не даёт странице хранилища: сохранения не будут записаны.');
  return files;
});

const saves = savesPanel(storage, say);
const keeping = keepingSaves($('kept'));
const filesChanged = () => {
  keeping.saved();
  saves.refresh();
};
const runs = playRuns({ term, firstGame, storage, say, filesChanged, speech: screenSpeech($('spoken')), openTerminal });
