// The on-screen keypad of touch screens: the ten digits, Backspace and Enter, each tap one
// key press handed to the game's console as the widget hands it the keys typed on it. A
// tap leaves the focus where it was, and on a touch screen the widget's own input asks for
// no system keyboard, so the keypad never brings one up; the text line under the terminal
// is there for the letters of a nickname.

const KEYS = [
  ...[...'1234567890'].map((digit) => ({ name: digit, key: digit })),
  { name: 'Backspace', label: '⌫', key: '\x7f' },
  { name: 'Enter', key: '\r' },
];

const TOUCH = '(pointer: coarse)';

// Fills the element with the keypad's buttons. Their keys go nowhere until connect() names
// the terminal term, which asks for no system keyboard while the main pointer is a finger,
// and type(keys), which hands keys to the game.
export function keypad(element) {
  let type = () => {};
  for (const { name, label, key } of KEYS) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = label ?? name;
    if (label) button.setAttribute('aria-label', name);
    // Neither a finger nor a mouse takes the focus from where it is; a button that has it
    // anyway (from Tab) types its key on Enter or Space, as a click.
    button.addEventListener('pointerdown', (event) => event.preventDefault());
    button.addEventListener('mousedown', (event) => event.preventDefault());
    button.addEventListener('click', () => type(key));
    element.append(button);
  }

  return {
    connect(term, typeKeys) {
      type = typeKeys;
      const touch = window.matchMedia(TOUCH);
      const askForKeyboard = () => {
        if (touch.matches) term.textarea.inputMode = 'none';
        else term.textarea.removeAttribute('inputmode');
      };
      askForKeyboard();
      touch.addEventListener('change', askForKeyboard);
    },
  };
}
