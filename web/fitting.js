// The terminal's font size, columns and rows for its box: the box takes the window's height
// less what stands above it and below it (or nothing, where the keypad stands beside it),
// and the widget's fit addon tells how many cells of a font size fit there. What the
// terminal should show is decided in one place, the rules below.

import { FitAddon } from '@xterm/addon-fit';

// A window of a computer, or a phone on its side. It keeps at least 80 columns. Where the
// height allows, 32 rows: a whole day with an event; from `readable` down, 28 rows: the
// status panel, the longest day menu and the line typed after it; down to `legible`. Below
// that only the columns, down to `smallest`, where they stay even if the box cuts some off.
// The font is as large as the first of these allows, up to `largest`. Never fewer than
// `fewestRows` rows. `scrollbar` is the width of the widget's scrollbar, which the fit leaves
// beside the cells; without it the scrollbar is the widget's own, of WIDGET_SCROLLBAR pixels.
const WINDOW_RULE = { columns: 80, rows: 32, dayRows: 28, largest: 18, readable: 12, legible: 11, smallest: 6,
  fewestRows: 10 };

// A phone held upright, where 80 columns would take a font too small to read. The columns
// follow the screen on view: as many as its widest line takes, up to 80, and never fewer
// than the 51 of the day's screen, so that the font (16 pixels at most, 8 at least) stays
// as the day's screen has it on every screen that is not wider, and changes only for one
// that is. Its scrollbar is a thin strip, since a finger scrolls the text itself; the
// widget's own would take two columns.
const UPRIGHT_PHONE_RULE = { columns: 51, largest: 16, smallest: 8, fewestRows: 10, scrollbar: 4, followsScreen: true };
const MOST_COLUMNS = 80;

// The rule for a window of width x height CSS pixels: the phone's for a window taller than
// wide and narrower than 600 pixels, where 80 columns take a font under 12 pixels.
const ruleFor = (width, height) => (width < 600 && height >= width ? UPRIGHT_PHONE_RULE : WINDOW_RULE);
const windowRule = () => ruleFor(window.innerWidth, window.innerHeight);

// What a rule asks of the cells at a font size, most wanted first: each is the smallest
// size it accepts and a test of the columns and rows that fit there. `screen` is the
// widest line of the screen on view, in columns.
function wants(rule, screen) {
  if (rule.followsScreen) {
    const columns = Math.min(Math.max(screen ?? 0, rule.columns), MOST_COLUMNS);
    return [{ from: rule.smallest, fits: (cells) => cells.cols >= columns }];
  }
  return [
    { from: rule.readable, fits: (cells) => cells.cols >= rule.columns && cells.rows >= rule.rows },
    { from: rule.legible, fits: (cells) => cells.cols >= rule.columns && cells.rows >= rule.dayRows },
    { from: rule.smallest, fits: (cells) => cells.cols >= rule.columns },
  ];
}

// The widget's scrollbar for a rule: its option, and the width the fit addon leaves it.
const WIDGET_SCROLLBAR = 14;
const overviewRuler = (rule) => (rule.scrollbar ? { width: rule.scrollbar } : {});

// Makes the box as high as the window less what stands above it and, unless it stands
// beside the box, below it. An open saves panel (a details element in `below`) counts as
// its summary line alone: it makes the page longer, not the terminal smaller.
function sizeBox(box, below, panel) {
  const top = box.getBoundingClientRect().top;
  const { paddingTop, paddingBottom } = getComputedStyle(box);
  const padding = parseFloat(paddingTop) + parseFloat(paddingBottom);
  const beside = below.getBoundingClientRect().left >= box.getBoundingClientRect().right;
  const panelContent = panel.open ? panel.offsetHeight - panel.querySelector('summary').offsetHeight : 0;
  const under = beside ? 0 : below.offsetHeight - panelContent;
  box.style.height = `${Math.max(Math.floor(window.innerHeight - under - top - padding), 100)}px`;
}

// The font size the rule picks for a screen `screen` columns wide, searched from `from` up
// (unless `climb` is false) and down, with the columns and rows of the terminal at that
// size; propose(size) tells how many cells fit the box at a size, if it can.
function choose(rule, screen, propose, from, climb = true) {
  const proposed = new Map();
  const cellsAt = (size) => {
    if (!proposed.has(size)) proposed.set(size, propose(size));
    return proposed.get(size);
  };
  const fits = (test, size) => {
    const cells = cellsAt(size);
    return cells !== undefined && test(cells);
  };
  const start = Math.min(Math.max(from, rule.smallest), rule.largest);
  let size = start;
  for (const want of wants(rule, screen)) {
    size = Math.max(start, want.from);
    while (climb && size < rule.largest && fits(want.fits, size + 1)) size += 1;
    while (size > want.from && !fits(want.fits, size)) size -= 1;
    if (fits(want.fits, size)) break;
  }
  // The widget is left at the size chosen, whatever sizes were tried on the way.
  const cells = propose(size) ?? { cols: 0, rows: 0 };
  return { fontSize: size, cols: Math.max(rule.followsScreen ? 1 : rule.columns, cells.cols),
    rows: Math.max(rule.fewestRows, cells.rows) };
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
export function openingSize(box, below, panel, fontFamily) {
  sizeBox(box, below, panel);
  const rule = windowRule();
  // The box's inner width and height in whole pixels, as the fit addon takes them.
  const { width, height } = getComputedStyle(box);
  const cells = parseInt(width, 10) - (rule.scrollbar ?? WIDGET_SCROLLBAR);
  const fitting = (cell) => ({ cols: Math.floor(cells / cell.width), rows: Math.floor(parseInt(height, 10) / cell.height) });
  const largest = measureCell(box, fontFamily, rule.largest);
  const scaled = (size) => fitting({ width: (largest.width * size) / rule.largest, height: (largest.height * size) / rule.largest });
  const guess = choose(rule, undefined, scaled, rule.largest).fontSize;
  const measured = (size) => fitting(size === rule.largest ? largest : measureCell(box, fontFamily, size));
  return { ...choose(rule, undefined, measured, guess), overviewRuler: overviewRuler(rule) };
}

// Fits the opened terminal to its box now, whenever the window changes size or the saves
// panel opens or closes, and, where the columns follow the screen, whenever the screen on
// view gets wider or the game clears it (show(columns), with the widest line of the screen
// from then on, before it is written).
export function fitTerminal(term, box, below, panel) {
  const addon = new FitAddon();
  term.loadAddon(addon);
  let screen;
  // The widget measures its cell again, and lays out and draws again, whenever its font
  // size changes.
  const propose = (size) => {
    if (term.options.fontSize !== size) term.options.fontSize = size;
    return addon.proposeDimensions();
  };
  const fit = () => {
    sizeBox(box, below, panel);
    const measured = addon.proposeDimensions();
    if (!measured) return;  // no cell measured yet
    const rule = windowRule();
    if (term.options.overviewRuler?.width !== rule.scrollbar) term.options.overviewRuler = overviewRuler(rule);
    // The size is first chosen from the one cell measured, scaled to each size as a cell
    // grows with its font, and then only checked at the size chosen (and below, if the
    // cell's rounding made that too large), so that the widget is given one size.
    const now = term.options.fontSize;
    const scaled = (size) => ({ cols: Math.floor((measured.cols * now) / size), rows: Math.floor((measured.rows * now) / size) });
    const guess = choose(rule, screen, scaled, now).fontSize;
    const { cols, rows } = choose(rule, screen, propose, guess, false);
    if (cols !== term.cols || rows !== term.rows) term.resize(cols, rows);
  };
  fit();
  window.addEventListener('resize', fit);
  panel.addEventListener('toggle', fit);
  return {
    show(columns) {
      screen = columns;
      if (windowRule().followsScreen) fit();
    },
  };
}
