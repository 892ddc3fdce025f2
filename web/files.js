// The game's files in the browser: its slots and its score file, each a record of an
// IndexedDB store of the site, keyed by its file name. Every change is one readwrite
// transaction, which the store applies whole or not at all, committed with strict
// durability before the game is told it is done; every read asks the store afresh, so two
// tabs of the page never overwrite each other's files with what they read earlier.

const DATABASE = 'geekpath';
const STORE = 'files';
// A record an earlier version of the page staged a slot's new bytes under, left behind
// when its tab closed between its two steps: the slot's name, a stamp and ".tmp", as in
// "save1.sav.k3j9x0qa.tmp". None of the files the game keeps here ends so; the player
// never sees these.
const STAGED = /.\.[0-9a-z]{1,8}\.tmp$/;

// A request's result as a promise.
const settled = (request) => new Promise((resolve, reject) => {
  request.onsuccess = () => resolve(request.result);
  request.onerror = () => reject(request.error);
});

// A transaction's end as a promise: true once committed, false when it failed or was
// aborted (a full quota, storage taken away).
const committed = (transaction) => new Promise((resolve) => {
  transaction.oncomplete = () => resolve(true);
  transaction.onerror = () => resolve(false);
  transaction.onabort = () => resolve(false);
});

function openDatabase() {
  return new Promise((resolve) => {
    let request;
    try {
      request = indexedDB.open(DATABASE, 1);
    } catch {
      resolve(null);
      return;
    }
    request.onupgradeneeded = () => request.result.createObjectStore(STORE);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => resolve(null);  // no storage (some private windows)
    request.onblocked = () => resolve(null);
  });
}

// The store; its calls never throw. Without storage every read finds nothing and every
// change fails, so the game says "Ошибка сохранения" and goes on.
export async function openFiles() {
  const db = await openDatabase();

  const change = async (work) => {
    if (!db) return false;
    try {
      const transaction = db.transaction(STORE, 'readwrite', { durability: 'strict' });
      const done = committed(transaction);
      await work(transaction.objectStore(STORE));
      return await done;
    } catch {
      return false;
    }
  };

  // Staged records left by an earlier version of the page go; a save of that version's
  // still open in another tab then fails and says so, its slot kept.
  change(async (files) => {
    for (const key of await settled(files.getAllKeys())) if (STAGED.test(key)) files.delete(key);
  });

  const asBytes = (value) => (value instanceof Uint8Array ? value : value ? new Uint8Array(value) : null);

  return {
    available: db !== null,

    // At most maxBytes of the file from its start; null when there is none.
    async read(name, maxBytes = Infinity) {
      if (!db) return null;
      try {
        const bytes = asBytes(await settled(db.transaction(STORE).objectStore(STORE).get(name)));
        return bytes && bytes.length > maxBytes ? bytes.subarray(0, maxBytes) : bytes;
      } catch {
        return null;
      }
    },

    // The file replaced in one transaction.
    replace(name, bytes) {
      const copy = bytes.slice();
      return change((files) => files.put(copy, name));
    },

    // The bytes appended in one transaction, after whatever the file holds: another tab's
    // append comes wholly before or wholly after, and no byte of the file is cut.
    append(name, bytes) {
      const tail = bytes.slice();
      return change(async (files) => {
        const old = asBytes(await settled(files.get(name))) ?? new Uint8Array(0);
        const joined = new Uint8Array(old.length + tail.length);
        joined.set(old);
        joined.set(tail, old.length);
        files.put(joined, name);
      });
    },
  };
}

// The game's file calls (its host's readFile, replaceFile and appendFile: see
// src/platform/web/host.js) over the store, a promise of openFiles(); changed() hears of
// every change to the files, done or not.
export function hostFileCalls(storage, changed) {
  const change = (how) => async (name, bytes) => {
    const done = await (await storage)[how](name, bytes);
    changed();
    return done;
  };
  return {
    readFile: async (name, maxBytes) => (await storage).read(name, maxBytes),
    replaceFile: change('replace'),
    appendFile: change('append'),
  };
}
