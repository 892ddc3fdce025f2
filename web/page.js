// The page's start: it makes the page's parts and connects them, and starts the first run.
// The game itself is geekpath.js and geekpath.wasm (createGeekpath), the same build the
// Node.js runner starts. Each part is a module of its own, given the elements it uses:
// terminal.js makes the terminal widget (fitting.js sizes it), run.js plays the runs on it
// through console.js, the game's console, and files.js, its files; keypad.js and
// text-line.js are the touch screen's keys, focus.js sends the keys back to the game,
// speech.js speaks the screens to a screen reader, saves.js is the saves panel, keeping.js
// asks the browser to keep the files, and offline.js keeps the site for playing offline.
// The build bundles them into the site's one page.js.

import { keepForOffline } from './offline.js';  // first: a newer build may take over before the game starts
import { hostFileCalls, openFiles } from './files.js';
import { clicksToGame } from './clicks.js';
import { keysBackToGame } from './focus.js';
import { keepingSaves } from './keeping.js';
import { keypad } from './keypad.js';
import { gameRuns, loadGame } from './run.js';
import { savesPanel } from './saves.js';
import { screenSpeech } from './speech.js';
import { screenWidths } from './screens.js';
import { makeTerminal } from './terminal.js';
import { textLine } from './text-line.js';

const $ = (id) => document.getElementById(id);

// The page's heading and lines are painted while its scripts load: nothing here waits for
// a frame. geekpath.js, loaded beside this module, defines createGeekpath: the game
// compiles while the widget, the largest file of the page, is made ready.
await new Promise((resolve) => {
  if (typeof createGeekpath === 'function') resolve();
  else $('game-script').addEventListener('load', resolve);
});
const firstGame = loadGame();

// The keypad stands below the terminal before the terminal's box is sized.
const keys = keypad($('keypad'));
// The widget's module, loaded and run beside this one (index.html), is ready or nearly.
const { Terminal } = await import('./xterm.mjs');
// The widget's style, loaded beside the page but not yet applied (index.html).
const widgetStyle = $('widget-style');
if (!widgetStyle.sheet) await new Promise((resolve) => widgetStyle.addEventListener('load', resolve));
widgetStyle.media = 'all';
const terminal = makeTerminal(Terminal, $('terminal'), $('below'), $('saves'));
const { term } = terminal;
// For the page's tests and benchmarks, which read the terminal's buffer and size through
// the widget's public API; the page itself never reads it.
window.geekpathTestTerminal = term;

const say = (text) => {
  $('status').textContent = text;
};

// The browser opens the storage while the game loads and shows its first screen: on a
// first visit, making the database takes about as long. File calls wait for it.
const storage = openFiles().then((files) => {
  if (!files.available) say('Браузер не даёт странице хранилища: сохранения не будут записаны.');
  return files;
});
const saves = savesPanel({ panel: $('saves'), list: $('save-list'), upload: $('upload') }, storage, say);
const keeping = keepingSaves($('kept'), $('saves'));
const speech = screenSpeech($('spoken'));
// The columns follow the screen on view where the window is narrow.
const widths = screenWidths(terminal.show);
const focus = keysBackToGame(term, { reader: $('reader'), saves: $('saves'), upload: $('upload'), again: $('again') });

// A key wait after which the game has written nothing shows nothing new on the terminal: the
// page says that the game waits, on the status line and once in the live region.
const KEY_WAIT = 'Игра ждёт: нажмите любую клавишу.';
let quiet = true;  // nothing written since the game last waited

// The body's data-game attribute tells scripts what the game does: 'loading', 'running',
// waiting for a 'line' or a 'key', 'ended'.
const runs = gameRuns({
  terminal,
  firstGame,
  files: hostFileCalls(storage, () => {
    keeping.saved();
    saves.refresh();
  }),
  onOutput(bytes) {
    quiet = false;
    widths.heard(bytes, term.rows);
    speech.heard(bytes);
  },
  onState(what, error) {
    document.body.dataset.game = what;
    speech.shown(what);
    if (what === 'key' && quiet) {
      say(KEY_WAIT);
      speech.say(KEY_WAIT);
    } else if (what === 'running' && $('status').textContent === KEY_WAIT) {
      say('');
    }
    if (what === 'line' || what === 'key') quiet = true;
    if (what === 'loading') {
      $('again').hidden = true;
      say('');
    } else if (what === 'ended') {
      say(error ? `Игра остановилась из-за ошибки: ${error}` : 'Игра окончена.');
      $('again').hidden = false;
      focus.toAgain();
    }
  },
});

textLine($('typed'), $('typed-line'), runs.sendLine, focus.toGame);
clicksToGame($('terminal'), focus.toGame);
$('again').addEventListener('click', runs.play);
$('reader').addEventListener('change', () => {
  term.options.screenReaderMode = $('reader').checked;
});
// Leaving the page in the middle of a game asks first.
window.addEventListener('beforeunload', (event) => {
  if (!runs.running()) return;
  event.preventDefault();
  event.returnValue = '';
});

// Once the terminal is open on the game's first screen: the keypad types into the game,
// the keys go to the terminal (unless the first run has already ended), and the site is
// kept for offline play.
terminal.opened.then(() => {
  keys.connect(term, runs.type);
  if (runs.running()) focus.toGame();
  keepForOffline();
});
runs.play();
