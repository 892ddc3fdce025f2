// The runs of the program on the page: each plays one game in an instance of its own, as
// one program in a console, on the page's one terminal.

import { terminalConsole } from './console.js';

// A new instance of the game (createGeekpath, from geekpath.js), loading. Its host's calls
// are filled in when its run starts, so that it compiles while the page gets ready.
export function loadGame() {
  const host = {};
  const instance = createGeekpath({ geekpathHost: host, print: () => {}, printErr: () => {} });
  return { host, instance };
}

// Runs on the terminal of terminal.js's makeTerminal, whose open() is called once, when the
// first game first waits for the player or ends, so that the widget is drawn first with the
// game's first screen. The first run plays firstGame (of loadGame). files are the host's
// file calls. The runs tell what they do through onState(what, error): 'loading',
// 'running', waiting for a 'line' or a 'key', 'ended' (with the error that stopped the
// game, if one did); and hand every byte the game writes to onOutput(bytes).
// play() starts the next run; type(keys) and sendLine(text) hand the running game keys as
// typed on the terminal, or a line of text whole; running() tells whether a game runs.
export function gameRuns({ terminal, firstGame, files, onState, onOutput }) {
  const { term } = terminal;
  let nextGame = firstGame;
  let running = null;
  let runs = 0;

  // A read of the game's console that waits for the terminal to be open.
  const onOpenTerminal = (read) => async (...request) => {
    await terminal.open();
    return read(...request);
  };

  async function play() {
    if (running) return;
    if (runs++ > 0) term.reset();  // a new run starts on a clean terminal
    onState('loading');
    const { host, instance } = nextGame ?? loadGame();
    nextGame = null;
    const pageConsole = terminalConsole(term, instance, onState);
    running = pageConsole;
    const typed = term.onData((data) => pageConsole.type(data));
    let stopped = null;
    try {
      const { readInput, readKey, write } = pageConsole.host;
      Object.assign(host, pageConsole.host, files, {
        write: (bytes) => {
          onOutput(bytes);
          write(bytes);
        },
        readInput: onOpenTerminal(readInput),
        readKey: onOpenTerminal(readKey),
      });
      const game = await instance;
      await game.ccall('main', 'number', [], [], { async: true });
    } catch (error) {
      stopped = error;
    } finally {
      await terminal.open();
      typed.dispose();
      pageConsole.end();
      running = null;
      onState('ended', stopped);
    }
  }

  return {
    play,
    type: (keys) => running?.type(keys),
    sendLine: (text) => running?.sendLine(text),
    running: () => running !== null,
  };
}
