// Draws the site's icons, the ones its manifest names: a monitor with a prompt and a cursor
// on its screen, in the terminal's colours (grey and white on black), as square RGBA PNGs.
// The design is a few shapes on a 64-unit grid, each pixel sampled 4 by 4 times for smooth
// edges, so one drawing serves every size.
// Usage: node cmake/web/icons.mjs FOLDER   (writes icon-192.png and icon-512.png there)

import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const SIZES = [192, 512];
const BLACK = [0, 0, 0];
const GREY = [0xcc, 0xcc, 0xcc];
const WHITE = [0xff, 0xff, 0xff];

// Whether a point lies in a rectangle with rounded corners.
const roundRect = (x0, y0, x1, y1, r) => (x, y) => {
  const dx = Math.max(x0 + r - x, 0, x - (x1 - r));
  const dy = Math.max(y0 + r - y, 0, y - (y1 - r));
  return x >= x0 && x <= x1 && y >= y0 && y <= y1 && dx * dx + dy * dy <= r * r;
};

// Whether a point lies within half a width of the segment from (ax, ay) to (bx, by).
const stroke = (ax, ay, bx, by, width) => (x, y) => {
  const vx = bx - ax;
  const vy = by - ay;
  const t = Math.min(1, Math.max(0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)));
  const dx = x - (ax + t * vx);
  const dy = y - (ay + t * vy);
  return dx * dx + dy * dy <= (width / 2) ** 2;
};

// The shapes from the bottom up: the later one shows where they overlap.
const SHAPES = [
  [GREY, roundRect(6, 8, 58, 46, 5)],          // the monitor's frame
  [BLACK, roundRect(10, 12, 54, 42, 2)],       // its screen
  [WHITE, stroke(16, 19, 23, 25, 3.5)],        // the prompt, >
  [WHITE, stroke(23, 25, 16, 31, 3.5)],
  [WHITE, roundRect(27, 31, 37, 34, 0.5)],     // the cursor, _
  [GREY, roundRect(28, 46, 36, 52, 0)],        // the stand
  [GREY, roundRect(18, 51, 46, 56, 2.5)],      // its foot
];

function colourAt(x, y) {
  for (let i = SHAPES.length - 1; i >= 0; i -= 1) {
    if (SHAPES[i][1](x, y)) return SHAPES[i][0];
  }
  return BLACK;
}

// The RGBA rows of the drawing at a size, each led by PNG's filter byte 0 (none).
function draw(size) {
  const SAMPLES = 4;
  const rows = Buffer.alloc(size * (size * 4 + 1));
  for (let py = 0; py < size; py += 1) {
    const row = py * (size * 4 + 1);
    for (let px = 0; px < size; px += 1) {
      const sum = [0, 0, 0];
      for (let sy = 0; sy < SAMPLES; sy += 1) {
        for (let sx = 0; sx < SAMPLES; sx += 1) {
          const colour = colourAt(((px + (sx + 0.5) / SAMPLES) * 64) / size, ((py + (sy + 0.5) / SAMPLES) * 64) / size);
          for (let c = 0; c < 3; c += 1) sum[c] += colour[c];
        }
      }
      const at = row + 1 + px * 4;
      for (let c = 0; c < 3; c += 1) rows[at + c] = Math.round(sum[c] / (SAMPLES * SAMPLES));
      rows[at + 3] = 255;
    }
  }
  return rows;
}

const CRC_TABLE = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k += 1) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) c = CRC_TABLE[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'latin1');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
  return Buffer.concat([head, data, crc]);
}

function png(size) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([8, 6, 0, 0, 0], 8);  // 8 bits a channel, RGBA, deflate, no filter choice, no interlace
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(draw(size), { level: 9 })),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

const folder = process.argv[2];
if (!folder) {
  console.error('usage: node icons.mjs FOLDER');
  process.exit(2);
}
fs.mkdirSync(folder, { recursive: true });
for (const size of SIZES) fs.writeFileSync(path.join(folder, `icon-${size}.png`), png(size));
