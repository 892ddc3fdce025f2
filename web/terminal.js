// The terminal widget: made with its own words in Russian, at the size fitting.js chooses
// for its box, and opened there once the game has written its first screen into it.

import { fitTerminal, openingSize } from './fitting.js';

const FONT_FAMILY = '"DejaVu Sans Mono", "Liberation Mono", "Cascadia Mono", Consolas, Menlo, "Courier New", monospace';

// A terminal of the widget's class Terminal for the element box, above (or beside) the
// element below, which holds the saves panel. Returns the widget, term; open(), which opens
// it (once, however often it is called) and resolves once it is open and fitted; opened, a
// promise of the same moment that does not open it; and show(columns), which tells it the
// width of the screen it is about to show (screens.js).
export function makeTerminal(Terminal, box, below, panel) {
  Terminal.strings.promptLabel = 'Ввод в игру';
  Terminal.strings.tooMuchOutput = 'Слишком много текста: прочтите строки терминала сами.';
  const term = new Terminal({
    convertEol: true,  // a line feed also returns the carriage, as a terminal's output does
    cursorBlink: true,
    fontFamily: FONT_FAMILY,
    scrollback: 2000,
    theme: { overviewRulerBorder: '#000' },  // a phone's thin scrollbar has no line beside the text
    ...openingSize(box, below, panel, FONT_FAMILY),
  });
  // The browser's keys stay the browser's: Ctrl+C copies a selection (the browser's copy
  // event, which the widget answers; without one it reaches the game's console, which
  // ignores it), and Ctrl+D (a bookmark) never reaches the game, which on the page has no
  // end of input: a player who presses it loses nothing.
  term.attachCustomKeyEventHandler((event) => {
    if (event.type !== 'keydown' || !(event.ctrlKey || event.metaKey) || event.altKey) return true;
    const key = event.key.toLowerCase();
    return !((key === 'c' && term.hasSelection()) || key === 'd');
  });

  // What the game writes before the terminal opens is taken in without being drawn line by
  // line: the widget is laid out and drawn once, with the game's first screen. It is opened
  // and fitted in one task, so that no frame shows it at its opening size (which is the
  // fitted size, unless the window has changed meanwhile).
  let opening = null;
  let fitter = null;
  let screen;
  let isOpen;
  const opened = new Promise((resolve) => {
    isOpen = resolve;
  });
  const open = () => {
    opening ??= (async () => {
      await new Promise((resolve) => {
        term.write('', resolve);
      });
      term.open(box);
      fitter = fitTerminal(term, box, below, panel);
      if (screen !== undefined) fitter.show(screen);
      isOpen();
    })();
    return opening;
  };
  const show = (columns) => {
    screen = columns;
    fitter?.show(columns);
  };
  return { term, open, opened, show };
}
