// The terminal's font size, columns and rows for its box: the box takes the window's width
// and its height less what is below it, and the widget's fit addon tells how many cells of
// a font size fit there. The rule of what the terminal should show is in one place, below.

import { FitAddon } from './addon-fit.mjs';

// At least 80 columns and, where the height allows, the 32 rows that show a whole day with
// an event. The font is as large as that allows, up to `largest`; from `readable` down it
// only needs the columns to fit, and it never goes below `smallest`, where the columns stay
// even if the box cuts some off. Never fewer than `fewestRows` rows. `scrollbar` is the
// width of the widget's scrollbar, which the fit leaves beside the cells; without it the
// scrollbar is the widget's own, of WIDGET_SCROLLBAR pixels.
const WINDOW_RULE = { columns: 80, rows: 32, fewestRows: 10, largest: 18, readable: 12, smallest: 6 };

// A phone held upright, where 80 columns would take a font too small to read: the font is
// as large as keeps the 52 columns of the day's screen (the longer lines of other screens
// wrap), whatever the rows, and the scrollbar is a thin strip, since a finger scrolls the
// text itself; the widget's own would take two columns.
const UPRIGHT_PHONE_RULE = { columns: 52, rows: 0, fewestRows: 10, largest: 16, readable: 16, smallest: 6, scrollbar: 4 };

// The rule for a window of width x height CSS pixels: the phone's for a window taller than
// wide and narrower than 600 pixels, where 80 columns take a font under 12 pixels.
const ruleFor = (width, height) => (width < 600 && height >= width ? UPRIGHT_PHONE_RULE : WINDOW_RULE);
const windowRule = () => ruleFor(window.innerWidth, window.innerHeight);

// The widget's scrollbar for a rule: its option, and the width the fit addon leaves it.
const WIDGET_SCROLLBAR = 14;
const overviewRuler = (rule) => (rule.scrollbar ? { width: rule.scrollbar } : {});

// Makes the box as high as the window less what stands above and below it.
function sizeBox(box, below) {
  const top = box.getBoundingClientRect().top;
  const { paddingTop, paddingBottom } = getComputedStyle(box);
  const padding = parseFloat(paddingTop) + parseFloat(paddingBottom);
  box.style.height = `${Math.max(Math.floor(window.innerHeight - below.offsetHeight - top - padding), 100)}px`;
}

// The font size the rule picks, searched from `from` up (unless `climb` is false) and down,
// with the columns and rows of the terminal at that size; propose(size) tells how many fit
// the box at a size, if it can.
function choose(rule, propose, from, climb = true) {
  const keeps = (size) => {
    const cells = propose(size);
    return cells !== undefined && cells.cols >= rule.columns && (size <= rule.readable || cells.rows >= rule.rows);
  };
  let size = Math.min(Math.max(from, rule.smallest), rule.largest);
  while (climb && size < rule.largest && keeps(size + 1)) size += 1;
  while (size > rule.smallest && !keeps(size)) size -= 1;
  const cells = propose(size) ?? { cols: 0, rows: 0 };
  return { fontSize: size, cols: Math.max(rule.columns, cells.cols), rows: Math.max(rule.fewestRows, cells.rows) };
}

// The width and height of a cell of the font at `size` pixels, measured as the widget
// measures it: the advance of its widest letter and the font's ascent and descent, on a
// canvas, the height rounded up to whole device pixels. Where there is no such canvas, a
// line of 32 of that letter in a hidden element of the box.
function measureCell(box, fontFamily, size) {
  const ratio = window.devicePixelRatio;
  if (typeof OffscreenCanvas === 'function') {
    const context = new OffscreenCanvas(1, 1).getContext('2d');
    context.font = `${size}px ${fontFamily}`;
    const letter = context.measureText('W');
    const height = letter.fontBoundingBoxAscent + letter.fontBoundingBoxDescent;
    if (letter.width > 0 && height > 0) return { width: letter.width, height: Math.ceil(height * ratio) / ratio };
  }
  const line = document.createElement('span');
  line.style.cssText = `position: absolute; visibility: hidden; white-space: pre; font-family: ${fontFamily}; font-size: ${size}px`;
  line.textContent = 'W'.repeat(32);
  box.append(line);
  const { width, height } = line.getBoundingClientRect();
  line.remove();
  return { width: width / 32, height: Math.ceil(height * ratio) / ratio };
}

// The terminal's font size, columns and rows to open it with, so that it is laid out and
// drawn once. Each font size measured costs the browser a font of that size, so the size is
// first chosen from a cell measured at the largest size, scaled to the others as a cell
// grows with its font, and then checked with a cell measured at the size chosen, as the
// widget will measure it, and at the sizes next to it, where the scaled cell was rounded
// the other way.
export function openingSize(box, below, fontFamily) {
  sizeBox(box, below);
  const rule = windowRule();
  // The box's inner width and height in whole pixels, as the fit addon takes them.
  const { width, height } = getComputedStyle(box);
  const cells = parseInt(width, 10) - (rule.scrollbar ?? WIDGET_SCROLLBAR);
  const fitting = (cell) => ({ cols: Math.floor(cells / cell.width), rows: Math.floor(parseInt(height, 10) / cell.height) });
  const largest = measureCell(box, fontFamily, rule.largest);
  const scaled = (size) => fitting({ width: (largest.width * size) / rule.largest, height: (largest.height * size) / rule.largest });
  const guess = choose(rule, scaled, rule.largest).fontSize;
  const measured = (size) => fitting(size === rule.largest ? largest : measureCell(box, fontFamily, size));
  return { ...choose(rule, measured, guess), overviewRuler: overviewRuler(rule) };
}

// Fits the opened terminal to its box now and whenever the window changes size.
export function fitTerminal(term, box, below) {
  const addon = new FitAddon();
  term.loadAddon(addon);
  // The widget measures its cell again, and lays out and draws again, whenever its font
  // size changes.
  const propose = (size) => {
    if (term.options.fontSize !== size) term.options.fontSize = size;
    return addon.proposeDimensions();
  };
  const fit = () => {
    sizeBox(box, below);
    const measured = addon.proposeDimensions();
    if (!measured) return;  // no cell measured yet
    const rule = windowRule();
    if (term.options.overviewRuler?.width !== rule.scrollbar) term.options.overviewRuler = overviewRuler(rule);
    // The size is first chosen from the one cell measured, scaled to each size as a cell
    // grows with its font, and then only checked at the size chosen (and below, if the
    // cell's rounding made that too large), so that the widget is given one size.
    const now = term.options.fontSize;
    const scaled = (size) => ({ cols: Math.floor((measured.cols * now) / size), rows: Math.floor((measured.rows * now) / size) });
    const guess = choose(rule, scaled, now).fontSize;
    const { cols, rows } = choose(rule, propose, guess, false);
    if (cols !== term.cols || rows !== term.rows) term.resize(cols, rows);
  };
  fit();
  window.addEventListener('resize', fit);
}
