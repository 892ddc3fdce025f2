// The width of the screen on view, from the game's output as the terminal will show it. A
// screen starts where the game clears the screen: a run of empty lines at least as long as
// the terminal is high, which pushes all earlier text out of view (the game's own clear is
// 121 line feeds). Its width is its widest line in columns, a tab reaching its next stop.

const TAB_STOP = 8;

// Calls widened(columns) with the width of the screen on view when a piece of output shows
// the first text of a new screen, or a line wider than the screen had, before the terminal
// shows that piece. heard(bytes, rows) takes each piece, with the terminal's rows.
export function screenWidths(widened) {
  const decoder = new TextDecoder();
  let column = 0;      // of the line being written
  let emptyLines = 0;  // in a row
  let widest = 0;      // of the screen on view
  let told = 0;        // the width told for it, 0 while it shows no text
  return {
    heard(bytes, rows) {
      for (const character of decoder.decode(bytes, { stream: true })) {
        if (character === '\n') {
          emptyLines = column === 0 ? emptyLines + 1 : 0;
          column = 0;
          if (emptyLines >= rows) widest = told = 0;
        } else if (character === '\r') {
          column = 0;
        } else if (character === '\t') {
          column += TAB_STOP - (column % TAB_STOP);
        } else if (character >= ' ') {
          column += 1;
        }
        widest = Math.max(widest, column);
      }
      if (widest > told) {
        told = widest;
        widened(widest);
      }
    },
  };
}
