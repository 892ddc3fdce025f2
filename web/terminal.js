// The terminal widget: made with its own words in Russian, at the size fitting.js chooses
// for its box, and opened there once the game has written its first screen into it.

import { fitTerminal, openingSize } from './fitting.js';

const FONT_FAMILY = '"DejaVu Sans Mono", "Liberation Mono", "Cascadia Mono", Consolas, Menlo, "Courier New", monospace';

const nextTask = () => new Promise((resolve) => {
  setTimeout(resolve);
});

// A terminal of the widget's class Terminal for the element box, above the element below.
// Returns the widget, term; open(), which opens it (once, however often it is called) and
// resolves in the task after, once it is fitted and drawn; and opened, a promise of the same
// moment that does not open it.
export function makeTerminal(Terminal, box, below) {
  Terminal.strings.promptLabel = 'Ввод в игру';
  Terminal.strings.tooMuchOutput = 'Слишком много текста: прочтите строки терминала сами.';
  const term = new Terminal({
    convertEol: true,  // a line feed also returns the carriage, as a terminal's output does
    cursorBlink: true,
    fontFamily: FONT_FAMILY,
    scrollback: 2000,
    theme: { overviewRulerBorder: '#000' },  // a phone's thin scrollbar has no line beside the text
    ...openingSize(box, below, FONT_FAMILY),
  });
  // Ctrl+C copies a selection (the browser's copy event, which the widget answers);
  // without one it reaches the game's console, which ignores it.
  term.attachCustomKeyEventHandler((event) => !(event.type === 'keydown' && (event.ctrlKey || event.metaKey) &&
    !event.altKey && event.key.toLowerCase() === 'c' && term.hasSelection()));

  // What the game writes before the terminal opens is taken in without being drawn line by
  // line: the widget is laid out and drawn once, with the game's first screen. It is opened
  // and fitted in one task, so that no frame shows it at its opening size (which is the
  // fitted size, unless the window has changed meanwhile).
  let opening = null;
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
      fitTerminal(term, box, below);
      await nextTask();
      isOpen();
    })();
    return opening;
  };
  return { term, open, opened };
}
