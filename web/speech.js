// What a screen reader hears of the game: each new screen once, as text. The game's output
// since it last waited is kept, and when it waits again (for a line or a key) or ends, that
// output goes into the page's live region as one paragraph: escape sequences and control
// characters left out, the lines joined, every run of white space one space. The game's
// pictures (lines drawn with one repeated character) and its table rules ("-----", "|")
// are left out too: a reader would spell them letter by letter.
//
// The widget's own live region, in its screen-reader mode, reads every character written
// and gives up after 20 lines; the page's style in index.html hides it, so that this one
// is the only voice.

// ESC [ parameters intermediates final; ESC ] text ended by BEL or ESC \; ESC and one
// character, with intermediates.
const ESCAPES = /\x1b(?:\[[\x30-\x3f]*[\x20-\x2f]*[\x40-\x7e]?|\][^\x07\x1b]*(?:\x07|\x1b\\)?|[\x20-\x2f]*[\x30-\x7e]?)/g;
const CONTROLS = /[\x00-\x08\x0b-\x1f\x7f-\x9f]/g;
// A token of one character repeated, and one of a single symbol or punctuation mark repeated.
const ONE_CHARACTER = /^(.)\1*$/u;
const RULE = /^([\p{P}\p{S}])\1*$/u;

// A line is a picture when every token of it is one character repeated, and some token has
// at least three of them or there are several: "SSSS  S  SS", "-------", but not "1".
const isPicture = (tokens) => tokens.length > 0 && tokens.every((token) => ONE_CHARACTER.test(token)) &&
  (tokens.length > 1 || [...tokens[0]].length >= 3);

// The words of the game's output text.
export function spokenText(text) {
  const words = [];
  for (const line of text.replace(ESCAPES, '').replace(/\r/g, '').replace(CONTROLS, ' ').split('\n')) {
    const tokens = line.split(/\s+/u).filter(Boolean);
    if (!isPicture(tokens)) words.push(...tokens.filter((token) => !RULE.test(token)));
  }
  return words.join(' ');
}

// The screens of the game for the live region `region`: heard(bytes) takes the game's
// output, shown(what) hears what the game does now ('line', 'key', 'running', 'ended').
export function screenSpeech(region) {
  const decoder = new TextDecoder();
  let heard = '';
  return {
    heard(bytes) {
      heard += decoder.decode(bytes, { stream: true });
    },
    shown(what) {
      if (what !== 'line' && what !== 'key' && what !== 'ended') return;
      const text = spokenText(heard);
      heard = '';
      if (text === '') return;
      // A new paragraph each time: a reader announces what is added to the region, even
      // when the screen says what the last one did.
      const paragraph = document.createElement('p');
      paragraph.textContent = text;
      region.replaceChildren(paragraph);
    },
  };
}
