// The terminal's font size, columns and rows for its box: the box takes the window's width
// and its height less what is below it, and the widget's fit addon tells how many cells of
// a font size fit there. The rule of what the terminal should show is in one place, below.

import { FitAddon } from './addon-fit.mjs';

// At least 80 columns and, where the height allows, the 32 rows that show a whole day with
// an event. The font is as large as that allows, up to `largest`; from `readable` down it
// only needs the columns to fit, and it never goes below `smallest`, where 80 columns stay
// even if the box cuts some off. Never fewer than `fewestRows` rows.
const WINDOW_RULE = { columns: 80, rows: 32, fewestRows: 10, largest: 18, readable: 12, smallest: 6 };

// The rule for a window of width x height CSS pixels: one for every window so far.
const ruleFor = (width, height) => WINDOW_RULE;
const windowRule = () => ruleFor(window.innerWidth, window.innerHeight);

// Makes the box as high as the window less what stands above and below it.
function sizeBox(box, below) {
  const top = box.getBoundingClientRect().top;
  const { paddingTop, paddingBottom } = getComputedStyle(box);
  const padding = parseFloat(paddingTop) + parseFloat(paddingBottom);
  box.style.height = `${Math.max(Math.floor(window.innerHeight - below.offsetHeight - top - padding), 100)}px`;
}

// The font size the rule picks, searched from `from` up and down, with the columns and rows
// of the terminal at that size; propose(size) tells how many fit the box at a size, if it
// can.
function choose(rule, propose, from) {
  const keeps = (size) => {
    const cells = propose(size);
    return cells !== undefined && cells.cols >= rule.columns && (size <= rule.readable || cells.rows >= rule.rows);
  };
  let size = Math.min(Math.max(from, rule.smallest), rule.largest);
  while (size < rule.largest && keeps(size + 1)) size += 1;
  while (size > rule.smallest && !keeps(size)) size -= 1;
  const cells = propose(size) ?? { cols: 0, rows: 0 };
  return { fontSize: size, cols: Math.max(rule.columns, cells.cols), rows: Math.max(rule.fewestRows, cells.rows) };
}

// The terminal's font size, columns and rows to open it with, so that it is laid out once:
// a monospaced cell is about 0.6 of the font's size wide and 1.15 high.
export function openingSize(box, below) {
  sizeBox(box, below);
  const rule = windowRule();
  const { clientWidth: width, clientHeight: height } = box;
  const propose = (size) => ({ cols: Math.floor(width / (0.6 * size)), rows: Math.floor(height / (1.15 * size)) });
  return choose(rule, propose, rule.largest);
}

// Fits the opened terminal to its box now and whenever the window changes size.
export function fitTerminal(term, box, below) {
  const addon = new FitAddon();
  term.loadAddon(addon);
  // The widget measures its cell again whenever its font size changes.
  const propose = (size) => {
    if (term.options.fontSize !== size) term.options.fontSize = size;
    return addon.proposeDimensions();
  };
  const fit = () => {
    sizeBox(box, below);
    if (!addon.proposeDimensions()) return;  // no cell measured yet
    const { cols, rows } = choose(windowRule(), propose, term.options.fontSize);
    if (cols !== term.cols || rows !== term.rows) term.resize(cols, rows);
  };
  fit();
  window.addEventListener('resize', fit);
}
