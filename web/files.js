// The game's files in the browser: the five slots and SCORES.txt, each a record of an
// IndexedDB store of the site, keyed by its file name. Every change is one transaction,
// committed with strict durability before the game is told it is done, and every read
// asks the store afresh, so two tabs of the page never overwrite each other's files with
// what they read earlier.

const DATABASE = 'geekpath';
const STORE = 'files';
// Tells this tab's temporary records from another tab's.
const tab = Math.random().toString(36).slice(2, 10);

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

    // Whole or not at all: the bytes go under a temporary name of this tab's first, then
    // one transaction puts them in the file's place and removes the temporary record.
    async replace(name, bytes) {
      const temporary = `${name}.${tab}.tmp`;
      const copy = bytes.slice();
      if (!(await change((files) => files.put(copy, temporary)))) {
        await change((files) => files.delete(temporary));
        return false;
      }
      return change(async (files) => {
        const staged = await settled(files.get(temporary));
        if (staged === undefined) {
          files.transaction.abort();
          return;
        }
        files.put(staged, name);
        files.delete(temporary);
      });
    },

    // The bytes appended in one transaction: another tab's append comes wholly before or
    // wholly after. When keep < size, the file is first cut to keep bytes, provided it is
    // still the size bytes the game looked at.
    async append(name, bytes, size = 0, keep = size) {
      const tail = bytes.slice();
      return change(async (files) => {
        let old = asBytes(await settled(files.get(name))) ?? new Uint8Array(0);
        if (keep < size) {
          if (old.length !== size) {
            files.transaction.abort();
            return;
          }
          old = old.subarray(0, keep);
        }
        const joined = new Uint8Array(old.length + tail.length);
        joined.set(old);
        joined.set(tail, old.length);
        files.put(joined, name);
      });
    },
  };
}
