// The site's service worker. It keeps each build of the site whole in a cache of its own and
// answers the site's requests from the current build's cache, so that after one visit the
// game starts, plays and saves with no network. The build writes this file led by BUILD:
// the build's name and the SHA-256 digest of each of the site's files (cmake/web/seal.mjs).
//
// A build is cached whole or not at all: every file is checked against its digest before
// any is stored, so a host caught halfway through an update leaves no mixed cache, and the
// install fails (the browser tries again at a later visit). Which build's cache answers is
// kept in a cache of its own, the pointer, which every worker reads, so a page gets every
// file from one build whichever worker serves it. The pointer moves to a new build when its
// worker activates, which the browser does once no page of the site is open, or when a page
// starting alone asks for it (offline.js) and then reloads. Either way the caches of the
// builds before it, now unused, are deleted.

// Caches are the origin's, shared by every site on it: this site's are told apart by scope.
const PREFIX = `geekpath ${self.registration.scope} `;
const CACHE = `${PREFIX}${BUILD.name}`;
const POINTER = `${PREFIX}current`;
const SCOPE_PATH = new URL(self.registration.scope).pathname;

const hex = (buffer) => Array.from(new Uint8Array(buffer), (byte) => byte.toString(16).padStart(2, '0')).join('');

async function precache() {
  const responses = await Promise.all(Object.entries(BUILD.files).map(async ([name, digest]) => {
    // Checked with the host, not taken from the HTTP cache, which may hold an older file.
    const response = await fetch(name, { cache: 'no-cache' });
    if (!response.ok) throw new Error(`${name}: HTTP ${response.status}`);
    const bytes = await response.clone().arrayBuffer();
    if (hex(await crypto.subtle.digest('SHA-256', bytes)) !== digest) {
      throw new Error(`${name}: not the file of build ${BUILD.name}`);
    }
    return [name, response];
  }));
  const cache = await caches.open(CACHE);
  try {
    for (const [name, response] of responses) await cache.put(name, response);
  } catch (error) {
    await caches.delete(CACHE);
    throw error;
  }
}

// This build becomes the current one; the caches of the others go.
async function becomeCurrent() {
  await (await caches.open(POINTER)).put('current', new Response(CACHE));
  const names = await caches.keys();
  await Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE && name !== POINTER)
    .map((name) => caches.delete(name)));
}

// The name of the current build's cache.
async function current() {
  const pointer = await (await caches.open(POINTER)).match('current');
  return pointer ? pointer.text() : CACHE;
}

self.addEventListener('install', (event) => event.waitUntil(precache()));
self.addEventListener('activate', (event) => event.waitUntil(becomeCurrent()));

// The site's files from the current build's cache (the scope itself is index.html); anything
// else, and a file the browser has dropped from the cache, from the network.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin || !url.pathname.startsWith(SCOPE_PATH)) {
    return;
  }
  const name = url.pathname.slice(SCOPE_PATH.length) || 'index.html';
  event.respondWith((async () => (await caches.match(name, { cacheName: await current() })) ?? fetch(event.request))());
});

// A page at its start asks a waiting build to take over, with a port for the answer and the
// moment after which it starts its game without waiting longer. The build takes over only
// when that page is the site's one open page, as any other may be playing, and in time. A
// page that the pointer already gave this build is told so, and needs no reload.
self.addEventListener('message', (event) => {
  const [port] = event.ports;
  if (event.data?.ask !== 'take over' || !port) return;
  event.waitUntil((async () => {
    const pages = await self.clients.matchAll({ type: 'window', includeUncontrolled: true });
    const alone = pages.every((page) => page.id === event.source.id || !page.url.startsWith(self.registration.scope));
    if (await current() === CACHE) {
      port.postMessage('current');
    } else if (!alone || Date.now() > event.data.before) {
      port.postMessage('waiting');
    } else {
      await becomeCurrent();
      port.postMessage('taking over');
    }
  })());
});
