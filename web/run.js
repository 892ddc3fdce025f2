// The runs of the program on the page: each plays one game in an instance of its own, as
// one program in a console, and when it ends "Начать заново" starts the next. The body's
// data-game attribute tells scripts what the game does: 'loading', 'running', waiting for
// a 'line' or a 'key', 'ended'.

import { terminalConsole } from './console.js';

const $ = (id) => document.getElementById(id);

// A new instance of the game (createGeekpath, from geekpath.js), loading. Its host's calls
// are filled in when its run starts, so that it compiles while the page gets ready.
export function loadGame() {
  const host = {};
  const instance = createGeekpath({ geekpathHost: host, print: () => {}, printErr: () => {} });
  return { host, instance };
}

const show = (what) => {
  document.body.dataset.game = what;
};

// Plays runs on the terminal term, the first in firstGame: the game's files are those of
// the storage (a promise of files.js's store), filesChanged() hears of every change to
// them, say(text) puts text on the status line, and speech (speech.js) hears the game's
// output and what it does. The terminal may not be open yet: openTerminal() opens it, and
// is called once, when the first game first waits for the player or ends, so that the
// widget is drawn first with the game's first screen. Returns type(keys), which hands keys
// to the running game as if typed on the terminal.
export function playRuns({ term, firstGame, storage, say, filesChanged, speech, openTerminal }) {
  let nextGame = firstGame;
  let running = null;
  let runs = 0;
  let opening = null;
  const opened = () => {
    opening ??= openTerminal();
    return opening;
  };
  // A read of the game's console that waits for the terminal to be open.
  const onOpenTerminal = (read) => async (...request) => {
    await opened();
    return read(...request);
  };

  // The host's file calls; a change, done or not, is told to filesChanged().
  const change = (how) => async (name, bytes) => {
    const done = await (await storage)[how](name, bytes);
    filesChanged();
    return done;
  };
  const files = {
    readFile: async (name, maxBytes) => (await storage).read(name, maxBytes),
    replaceFile: change('replace'),
    appendFile: change('append'),
  };
  // What the game does, for scripts and for the screen reader.
  const shown = (what) => {
    show(what);
    speech.shown(what);
  };

  async function play() {
    $('again').hidden = true;
    say('');
    if (runs++ > 0) term.reset();  // a new run starts on a clean terminal
    show('loading');
    const { host, instance } = nextGame;
    nextGame = null;
    const pageConsole = terminalConsole(term, instance, shown);
    running = pageConsole;
    const typed = term.onData((data) => pageConsole.type(data));
    try {
      const write = (bytes) => {
        speech.heard(bytes);
        pageConsole.host.write(bytes);
      };
      const { readInput, readKey } = pageConsole.host;
      Object.assign(host, pageConsole.host, files, {
        write, readInput: onOpenTerminal(readInput), readKey: onOpenTerminal(readKey),
      });
      const game = await instance;
      term.focus();
      await game.ccall('main', 'number', [], [], { async: true });
      say('Игра окончена.');
    } catch (error) {
      say(`Игра остановилась из-за ошибки: ${error}`);
    } finally {
      await opened();
      typed.dispose();
      pageConsole.end();
      running = null;
      shown('ended');
      $('again').hidden = false;
      $('again').focus();
    }
  }

  $('again').addEventListener('click', () => {
    nextGame ??= loadGame();
    play();
  });

  // Text from the line under the terminal, for keyboards that the widget garbles: one
  // action of the player, a line at a line read and one key at a key wait. The focus goes
  // back to the terminal, which on a touch screen closes the system keyboard.
  $('typed').addEventListener('submit', (event) => {
    event.preventDefault();
    running?.sendLine($('typed-line').value);
    $('typed-line').value = '';
    term.focus();
  });

  window.addEventListener('beforeunload', (event) => {
    if (!running) return;
    event.preventDefault();
    event.returnValue = '';
  });

  play();
  return { type: (keys) => running?.type(keys) };
}
