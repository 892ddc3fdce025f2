// The game's console on the page: the terminal widget acts as a terminal in canonical mode
// for the game's number and nickname reads (typed characters echoed, Backspace erasing one
// character, Enter ending the line, Ctrl+D on an empty line ending the input) and as a raw
// keyboard for its key waits (one key, no echo; a key without a character, an escape
// sequence, is an extended key). Keys typed ahead wait in order for whichever read comes.

const EXTENDED_KEY = 0x100;
const TIMED_OUT = -1;
const ENDED = -2;

const encoder = new TextEncoder();

// One unit per key: an escape sequence (ESC [ parameters, intermediates and a final byte,
// or ESC O and one character), else one character.
const KEYS = /\x1b\[[\x30-\x3f]*[\x20-\x2f]*[\x40-\x7e]|\x1bO[\s\S]|[\s\S]/gu;
// Characters that take two columns of the terminal.
const WIDE = /[\u1100-\u115f\u2e80-\ua4cf\uac00-\ud7a3\uf900-\ufaff\ufe30-\ufe4f\uff00-\uff60\uffe0-\uffe6\u{1f300}-\u{1faff}\u{20000}-\u{3fffd}]/u;

const isEscapeSequence = (key) => key.length > 1 && key[0] === '\x1b';

// The console calls of the game's host (see src/platform/web/console.cpp) on the terminal
// term; type(text) hands it keys as the widget does; end() closes the input. onWait(what)
// hears when the game starts waiting ('line' or 'key') and when it goes on ('running').
export function terminalConsole(term, onWait = () => {}) {
  const keys = [];
  let line = [];             // the characters of the line being edited
  let unread = new Uint8Array(0);  // the rest of a finished line longer than a read
  let waiting = null;        // the game's pending read: { line, resolve, maxBytes, timer }
  let ended = false;

  const answer = (value) => {
    const read = waiting;
    waiting = null;
    clearTimeout(read.timer);
    onWait('running');
    read.resolve(value);
  };

  const giveLine = (bytes) => {
    const taken = Math.min(bytes.length, waiting.maxBytes);
    unread = bytes.subarray(taken);
    answer(bytes.subarray(0, taken));
  };

  // One key of a line being edited.
  const edit = (key) => {
    if (key === '\r' || key === '\n') {
      term.write('\r\n');
      const text = line.join('') + '\n';
      line = [];
      giveLine(encoder.encode(text));
    } else if (key === '\x7f' || key === '\b') {
      const erased = line.pop();
      if (erased !== undefined) term.write(WIDE.test(erased) ? '\b\b  \b\b' : '\b \b');
    } else if (key === '\x04') {
      // Ctrl+D: on an empty line the end of input, else the line so far without its end.
      if (line.length === 0) {
        end();
      } else {
        const text = line.join('');
        line = [];
        giveLine(encoder.encode(text));
      }
    } else if (key.codePointAt(0) >= 0x20 && key !== '\x7f' || key === '\t') {
      line.push(key);
      term.write(key);
    }
    // Other control keys, arrows and function keys do nothing in a line.
  };

  // Hands the waiting read whatever the keys typed so far give it.
  const pump = () => {
    while (waiting) {
      if (ended) {
        answer(waiting.line ? new Uint8Array(0) : ENDED);
      } else if (keys.length === 0) {
        return;
      } else if (waiting.line) {
        edit(keys.shift());
      } else {
        const key = keys.shift();
        if (key === '\x03') continue;  // Ctrl+C does nothing here
        if (isEscapeSequence(key)) answer(EXTENDED_KEY);
        else answer(key === '\r' ? 0x0a : encoder.encode(key)[0]);
      }
    }
  };

  function end() {
    ended = true;
    pump();
  }

  const wait = (read) => new Promise((resolve) => {
    waiting = { ...read, resolve };
    onWait(read.line ? 'line' : 'key');
    pump();
  });

  return {
    type(text) {
      if (ended) return;
      for (const match of text.matchAll(KEYS)) keys.push(match[0]);
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
      readKey(timeoutMs) {
        if (timeoutMs === 0 && keys.length === 0 && !ended) return TIMED_OUT;
        const read = wait({ line: false });
        if (waiting && timeoutMs >= 0) waiting.timer = setTimeout(() => answer(TIMED_OUT), timeoutMs);
        return read;
      },
      write(bytes) {
        term.write(bytes.slice());
      },
    },
  };
}
