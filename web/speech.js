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
// A token drawn with one character: at least two of it.
const DRAWN = /^(.)\1+$/u;
const TABLE = '|';

// A line is a picture when every token of it is one character repeated, and some token has
// at least three of them or there are several: "SSSS  S  SS", "-------", but not "1".
const isPicture = (tokens) => tokens.length > 0 && tokens.every((token) => ONE_CHARACTER.test(token)) &&
  (tokens.length > 1 || [...tokens[0]].length >= 3);
// A line of words beside a picture holds several drawn tokens, or a long one: "ZAVEK GAMES
// 333333333333", "ТМ" among "SSSSSS SSS ... 3333". One short one is a number: "день: 11".
const besidePicture = (tokens) => {
  const drawn = tokens.filter((token) => DRAWN.test(token));
  return drawn.length >= 2 || drawn.some((token) => [...token].length >= 6);
};
const words = (line) => line.split(/\s+/u).filter(Boolean);

// A table of two columns, labels over values ("Процессор: | деньги:" over "500Mhz | 90$"),
// read as pairs: "Процессор: 500Mhz, деньги: 90$".
function tablePairs(labels, values) {
  const valueCells = values.split(TABLE);
  return labels.split(TABLE).map((label, i) => [...words(label), ...words(valueCells[i] ?? '')].join(' '))
    .filter(Boolean).join(', ');
}

// The words of the game's output text.
export function spokenText(text) {
  const spoken = [];
  const lines = text.replace(ESCAPES, '').replace(/\r/g, '').replace(CONTROLS, ' ').split('\n');
  for (let i = 0; i < lines.length; i += 1) {
    const line = lines[i];
    if (line.includes(TABLE) && lines[i + 1]?.split(TABLE).length === line.split(TABLE).length) {
      // A row of labels and the row of their values under it.
      const pairs = [tablePairs(line, lines[i + 1])];
      i += 1;
      while (lines[i + 1]?.includes(TABLE) && lines[i + 2]?.split(TABLE).length === lines[i + 1].split(TABLE).length) {
        pairs.push(tablePairs(lines[i + 1], lines[i + 2]));
        i += 2;
      }
      spoken.push(`${pairs.filter(Boolean).join(', ')}.`);
      continue;
    }
    const tokens = words(line);
    if (isPicture(tokens)) continue;
    const drawnAway = besidePicture(tokens);
    spoken.push(...tokens.filter((token) => !RULE.test(token) && !(drawnAway && DRAWN.test(token))));
  }
  return spoken.join(' ');
}

// The screens of the game for the live region `region`: heard(bytes) takes the game's
// output, shown(what) hears what the game does now ('line', 'key', 'running', 'ended'), and
// say(text) speaks a text of the page's own.
export function screenSpeech(region) {
  const decoder = new TextDecoder();
  let heard = '';
  // A new paragraph each time: a reader announces what is added to the region, even when
  // the screen says what the last one did.
  const speak = (text) => {
    const paragraph = document.createElement('p');
    paragraph.textContent = text;
    region.replaceChildren(paragraph);
  };
  return {
    heard(bytes) {
      heard += decoder.decode(bytes, { stream: true });
    },
    shown(what) {
      if (what !== 'line' && what !== 'key' && what !== 'ended') return;
      const text = spokenText(heard);
      heard = '';
      if (text !== '') speak(text);
    },
    say: speak,
  };
}
