// Where the keys go. The one place the page moves the focus: to the game's terminal when it
// opens and after any control of the page (the reader switch, the saves panel opened or
// closed and its buttons, "Начать заново", the text line), and to "Начать заново" when a
// run ends. A button that opens the file dialog leaves the focus where it is until the
// dialog closes, with a file or without.

// For the terminal term and the page's controls: the reader switch, the saves panel (a
// details element), its file input upload, and the button again. Returns toGame() and
// toAgain(), for the moments that are not a control's own.
export function keysBackToGame(term, { reader, saves, upload, again }) {
  const toGame = () => term.focus();
  let choosing = false;

  reader.addEventListener('change', toGame);
  saves.addEventListener('toggle', toGame);
  again.addEventListener('click', toGame);
  // A click on the panel reaches its buttons' own handlers between these two: by the
  // second, a button that asks for the file dialog has done so. A browser that tells of
  // no cancelled dialog leaves `choosing` set only until the next click.
  saves.addEventListener('click', () => {
    choosing = false;
  }, { capture: true });
  upload.addEventListener('click', () => {
    choosing = true;
  });
  saves.addEventListener('click', (event) => {
    if (!event.target.closest('button')) return;
    if (!choosing) toGame();
  });
  for (const closed of ['change', 'cancel']) {
    upload.addEventListener(closed, () => {
      choosing = false;
      toGame();
    });
  }

  return { toGame, toAgain: () => again.focus() };
}
