// Seals a built site: writes its service worker, service-worker.js, as the worker's source
// led by the build's name and the SHA-256 digest of every other file of the site. The name
// is a digest over those digests and the worker's source, so any change to the site names
// a new build, and the worker's bytes change with it: that is how a browser learns of it.
// Usage: node cmake/web/seal.mjs SITE-FOLDER WORKER-SOURCE

import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';

const WORKER = 'service-worker.js';
const sha256 = (bytes) => crypto.createHash('sha256').update(bytes).digest('hex');

// The site's files by their path from its top, with '/' between folders.
function filesOf(folder, prefix = '') {
  return fs.readdirSync(folder, { withFileTypes: true }).flatMap((entry) => {
    const name = `${prefix}${entry.name}`;
    if (entry.isDirectory()) return filesOf(path.join(folder, entry.name), `${name}/`);
    return entry.isFile() && name !== WORKER ? [name] : [];
  });
}

const [site, source] = process.argv.slice(2);
if (!site || !source) {
  console.error('usage: node seal.mjs SITE-FOLDER WORKER-SOURCE');
  process.exit(2);
}
const code = fs.readFileSync(source, 'utf8');
const files = {};
for (const name of filesOf(site).sort()) files[name] = sha256(fs.readFileSync(path.join(site, name)));
const name = sha256(Object.entries(files).map(([file, digest]) => `${digest}  ${file}\n`).join('') + sha256(code))
  .slice(0, 16);

const header = `// This build of the site, written by cmake/web/seal.mjs: its name and each file's SHA-256.
const BUILD = ${JSON.stringify({ name, files }, null, 2)};

`;
fs.writeFileSync(path.join(site, WORKER), header + code);
