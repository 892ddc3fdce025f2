// Lighthouse's figures for the page on a phone (its default: a mid-range phone on a slow
// 4G network, simulated), with the site served gzipped from 127.0.0.1 as a static host
// would: the four category scores, and the largest contentful paint and cumulative layout
// shift. Each run is a first visit (Lighthouse empties the site's storage); the median of
// the runs is printed after them.
// Usage: node bench/web-lighthouse.mjs [RUNS]   (5 by default: single runs differ by a few points), after the web build.
// CHROME_PATH names the browser (/usr/bin/chromium by default).

import { execFile } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';
import zlib from 'node:zlib';

const top = path.join(path.dirname(fileURLToPath(import.meta.url)), '..');
const site = process.env.GEEKPATH_SITE ?? path.join(top, 'build-web/site');
const runs = Number(process.argv[2] ?? 5);

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
};

// The site's files, gzipped (-9) where the browser takes it and it makes them smaller.
const server = http.createServer((request, response) => {
  const name = new URL(request.url, 'http://host').pathname;
  const file = path.join(site, path.normalize(name.endsWith('/') ? `${name}index.html` : name));
  fs.readFile(file, (error, bytes) => {
    if (error || !file.startsWith(site)) {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream', Vary: 'Accept-Encoding' };
    const packed = /\bgzip\b/.test(request.headers['accept-encoding'] ?? '') ? zlib.gzipSync(bytes, { level: 9 }) : bytes;
    if (packed.length < bytes.length) headers['Content-Encoding'] = 'gzip';
    response.writeHead(200, headers).end(packed.length < bytes.length ? packed : bytes);
  });
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const url = `http://127.0.0.1:${server.address().port}/`;

const CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo'];
const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'geekpath-lighthouse-'));
const reports = [];
try {
  for (let i = 0; i < runs; i += 1) {
    const output = path.join(folder, `run${i}.json`);
    // Run apart, with this process free to answer the browser's requests meanwhile.
    await promisify(execFile)(path.join(top, 'node_modules/.bin/lighthouse'), [url, '--quiet', '--output=json',
      `--output-path=${output}`, `--only-categories=${CATEGORIES.join(',')}`,
      '--chrome-flags=--headless=new --no-sandbox --disable-gpu'],
    { env: { ...process.env, CHROME_PATH: process.env.CHROME_PATH ?? '/usr/bin/chromium' } });
    reports.push(JSON.parse(fs.readFileSync(output, 'utf8')));
  }
} finally {
  server.close();
  if (process.env.GEEKPATH_KEEP_REPORTS) console.log(`reports kept in ${folder}`);
  else fs.rmSync(folder, { recursive: true, force: true });
}

// One line a run, then the medians.
const figures = reports.map((report) => ({
  ...Object.fromEntries(CATEGORIES.map((id) => [id, Math.round(report.categories[id].score * 100)])),
  lcp: report.audits['largest-contentful-paint'].numericValue,
  tbt: report.audits['total-blocking-time'].numericValue,
  cls: report.audits['cumulative-layout-shift'].numericValue,
}));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const line = (label, f) => console.log(`  ${label.padEnd(8)} performance ${String(f.performance).padStart(3)}, ` +
  `accessibility ${String(f.accessibility).padStart(3)}, best practices ${String(f['best-practices']).padStart(3)}, ` +
  `SEO ${String(f.seo).padStart(3)}; LCP ${(f.lcp / 1000).toFixed(2)} s, TBT ${f.tbt.toFixed(0)} ms, CLS ${f.cls.toFixed(3)}`);
const { formFactor, throttlingMethod } = reports[0].configSettings;
console.log(`Lighthouse ${reports[0].lighthouseVersion} (${formFactor}, ${throttlingMethod} throttling), the site gzipped from 127.0.0.1:`);
figures.forEach((f, i) => line(`run ${i + 1}`, f));
line('median', Object.fromEntries(Object.keys(figures[0]).map((key) => [key, median(figures.map((f) => f[key]))])));
