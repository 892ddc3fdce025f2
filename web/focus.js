// Keys go to the game again after any control of the page: the reader switch, the saves
// panel opened or closed and its buttons, "Начать заново". A button that opens the file
// dialog leaves the focus where it is until the dialog closes, with a file or without.

const $ = (id) => document.getElementById(id);

export function keysBackToGame(term) {
  const back = () => term.focus();
  let choosing = false;

  $('reader').addEventListener('change', back);
  $('saves').addEventListener('toggle', back);
  $('again').addEventListener('click', back);
  // A click on the panel reaches its buttons' own handlers between these two: by the
  // second, a button that asks for the file dialog has done so. A browser that tells of
  // no cancelled dialog leaves `choosing` set only until the next click.
  $('saves').addEventListener('click', () => {
    choosing = false;
  }, { capture: true });
  $('upload').addEventListener('click', () => {
    choosing = true;
  });
  $('saves').addEventListener('click', (event) => {
    if (!event.target.closest('button')) return;
    if (!choosing) back();
  });
  for (const closed of ['change', 'cancel']) {
    $('upload').addEventListener(closed, () => {
      choosing = false;
      back();
    });
  }
}
