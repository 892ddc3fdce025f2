// Clicks on the page. A click anywhere but on a control (the heading, the help line, a
// margin, the panel's text) gives the keys back to the game, as a click on the terminal
// does; so a player who clicks beside the terminal and types loses no key. And the second
// click of a double click reaches only the control the first one reached: a button that
// goes away under the pointer ("Начать заново") does not pass it on to whatever takes its
// place.

const CONTROLS = 'button, input, select, textarea, summary, label, a[href]';

// Over the page's document: toGame() gives the keys to the game; the terminal's own element
// `terminal` takes its clicks itself.
export function clicksToGame(terminal, toGame) {
  let firstControl = null;
  document.addEventListener('click', (event) => {
    const control = event.target.closest?.(CONTROLS) ?? null;
    if (event.detail <= 1) {
      firstControl = control;
    } else if (control !== firstControl) {
      event.preventDefault();
      event.stopImmediatePropagation();
      return;
    }
    // A click that ends a selection of the page's text leaves it selected.
    if (!control && !terminal.contains(event.target) && document.getSelection()?.isCollapsed !== false) toGame();
  }, { capture: true });
}
