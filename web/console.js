// The game's console on the page: the terminal widget acts as a terminal in canonical mode
// for the game's number and nickname reads (typed characters echoed, Backspace erasing one
// character, Enter ending the line; the page has no end of input) and as a raw keyboard for
// its key waits (one key, no echo, handed to the game as its bytes). Keys typed ahead wait
// in order for whichever read comes, and so does a line of text sent whole, which is one
// action of the player: at a line read it is typed with one Enter, at a key wait it is one
// key.

const TAB_STOP = 8;

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// Typed text cut into keys (each a character, or the escape sequence of a key without
// one) by the game's own key decoder, which its build exports (src/shell/page_exports.cpp):
// each byte offered in turn gives the size of the key it finishes, or 0. The end of the
// text ends the key under way, as a pause would: the widget hands over each key whole.
function cutIntoKeys(game, text) {
  const bytes = encoder.encode(text);
  const keys = [];
  let start = 0;
  const take = (size) => {
    keys.push(decoder.decode(bytes.subarray(start, start + size)));
    start += size;
  };
  for (let at = 0; at < bytes.length;) {
    const size = game._geekpath_key_add(bytes[at]);
    if (size === 0) {
      at += 1;
    } else {
      take(size);
      at = start;  // a byte that the key before it left out begins the next
    }
  }
  const rest = game._geekpath_key_end();
  if (rest > 0) take(rest);
  return keys;
}

// The columns a character takes in the widget, by its default Unicode tables: two for the
// East Asian wide ones, none for controls, marks and format characters. A line takes
// neither kind of the latter: the widget would act on a control (U+0090 starts a device
// string that hides the game's output) and draw a mark on the cell before it, which
// Backspace could not erase alone.
const WIDE = /[\u1100-\u115f\u2329\u232a\u2e80-\u303e\u3040-\ua4cf\uac00-\ud7a3\uf900-\ufaff\ufe10-\ufe19\ufe30-\ufe6f\uff00-\uff60\uffe0-\uffe6\u{20000}-\u{2fffd}\u{30000}-\u{3fffd}]/u;
const NO_WIDTH = /[\p{Cc}\p{Cf}\p{Cs}\p{M}\u06de\u1160-\u11ff]/u;
const columns = (character) => (NO_WIDTH.test(character) ? 0 : WIDE.test(character) ? 2 : 1);

const CONTROLS = /\p{Cc}/gu;
const NOTHING = new Uint8Array(0);

// The console calls of the game's host (see src/platform/web/host.js) on the terminal
// term, for the game (a promise of the instance of geekpath.js that runs); type(text)
// hands it keys as the widget does, sendLine(text) a line of text whole; end() closes the
// input. onWait(what) hears when the game starts waiting ('line' or 'key') and when it
// goes on ('running').
export function terminalConsole(term, game, onWait = () => {}) {
  let keys = [];             // each a key, or { typed } typed text not yet cut into keys,
                              // or { sent } for a line sent whole
  let cut = null;            // cuts text into keys, once the game has loaded
  let line = [];             // the line being edited: each key and the columns it took
  let unread = NOTHING;      // the rest of a finished line longer than a read
  let waiting = null;        // the game's pending read: { line, resolve, maxBytes, column }
  let ended = false;

  const answer = (value) => {
    const read = waiting;
    waiting = null;
    onWait('running');
    read.resolve(value);
  };

  // Hands the line to the read, with its LF.
  const giveLine = () => {
    const bytes = encoder.encode(`${line.map((typed) => typed.key).join('')}\n`);
    line = [];
    const taken = Math.min(bytes.length, waiting.maxBytes);
    unread = bytes.subarray(taken);
    answer(bytes.subarray(0, taken));
  };

  // One key of the line being edited. The read's column is where the cursor stands, so
  // that a Tab moves to the next tab stop and Backspace takes back exactly the columns its
  // character took.
  const edit = (key) => {
    if (key === '\r' || key === '\n') {
      term.write('\r\n');
      giveLine();
    } else if (key === '\x7f' || key === '\b') {
      const erased = line.pop();
      if (erased === undefined) return;
      term.write('\b'.repeat(erased.width) + ' '.repeat(erased.width) + '\b'.repeat(erased.width));
      waiting.column -= erased.width;
    } else if (key === '\t' || columns(key) > 0) {
      const at = waiting.column % term.cols;
      const width = key === '\t' ? Math.min(at + TAB_STOP - (at % TAB_STOP), term.cols - 1) - at : columns(key);
      line.push({ key, width });
      waiting.column += width;
      term.write(key);
    }
    // Other control keys, arrows and function keys do nothing in a line.
  };

  // Hands the waiting read whatever the keys typed so far give it.
  const pump = () => {
    while (waiting) {
      if (ended) {
        answer(NOTHING);
      } else if (keys.length === 0 || (waiting.line && waiting.column === undefined)) {
        return;
      } else if (typeof keys[0] === 'object') {
        if (!cut) return;
        const { typed, sent } = keys.shift();
        if (typed !== undefined) {
          keys = [...cut(typed), ...keys];
        } else {
          // A line sent whole: its keys and Enter at a line read, else its first key, or
          // Enter for an empty line.
          const sentKeys = cut(sent);
          if (waiting.line) keys = [...sentKeys, '\r', ...keys];
          else keys.unshift(sentKeys[0] ?? '\r');
        }
      } else if (waiting.line) {
        edit(keys.shift());
      } else {
        const key = keys.shift();
        if (key === '\x03') continue;  // Ctrl+C does nothing here
        // Enter is a line feed, as a terminal's input gives it.
        answer(encoder.encode(key === '\r' ? '\n' : key).subarray(0, waiting.maxBytes));
      }
    }
  };

  // A game that fails to load is the run's to report.
  Promise.resolve(game).then((loaded) => {
    cut = (text) => cutIntoKeys(loaded, text);
    pump();
  }, () => {});

  function end() {
    ended = true;
    pump();
  }

  // A line starts where the game's output left the cursor, which the widget knows once it
  // has taken that output in; until then its keys wait.
  const wait = (read) => new Promise((resolve) => {
    const pending = { ...read, resolve };
    waiting = pending;
    onWait(read.line ? 'line' : 'key');
    if (read.line) {
      term.write('', () => {
        if (waiting !== pending) return;
        pending.column = term.buffer.active.cursorX;
        pump();
      });
    }
    pump();
  });

  return {
    type(text) {
      if (ended) return;
      keys.push({ typed: text });
      pump();
    },
    // The line holds no control keys: none of them can end a read on its way.
    sendLine(text) {
      if (ended) return;
      keys.push({ sent: text.replace(CONTROLS, '') });
      pump();
    },
    end,
    host: {
      keyboard: true,
      readInput(maxBytes) {
        if (unread.length > 0) {
          const taken = unread.subarray(0, maxBytes);
          unread = unread.subarray(taken.length);
          return taken;
        }
        return wait({ line: true, maxBytes });
      },
      readKey(maxBytes) {
        return wait({ line: false, maxBytes });
      },
      write(bytes) {
        term.write(bytes.slice());
      },
    },
  };
}
