// Keys go to the game again after any control of the page: the reader switch, the saves
// panel opened or closed and its buttons, "Начать заново". A button that opens the file
// dialog leaves the focus where it is until the dialog closes, with a file or without.
// On a touch screen without a fine pointer the focus stays put: the terminal's focus
// would raise the on-screen keyboard over the page after every tap.

const $ = (id) => document.getElementById(id);

export function keysBackToGame(term) {
  const fine = window.matchMedia('(any-pointer: fine)');
  const back = () => {
    if (fine.matches) term.focus();
  };
  let choosing = false;

  $('reader').addEventListener('change', back);
  $('saves').addEventListener('toggle', back);
  $('again').addEventListener('click', back);
  // The panel's own buttons handle the click first, so a file dialog is already asked for.
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
