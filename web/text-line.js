// The text line under the terminal, for keyboards that the widget garbles (a phone's system
// keyboard, whose words arrive whole): its text is one action of the player, sent to the
// game when the form is submitted, a line at a line read and one key at a key wait.

// Sends the text of the form's input with send(text), then clears it and calls sent(), which
// gives the keys back to the game (and so closes a touch screen's keyboard).
export function textLine(form, input, send, sent) {
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    send(input.value);
    input.value = '';
    sent();
  });
}
