// The calls the WebAssembly game makes on its host, Module.geekpathHost: the JavaScript
// object that starts it, the page's (web/run.js over web/console.js and web/files.js) or
// the Node.js runner's (geekpath-node.js). This file leads the game's script (the build's
// --pre-js): the game checks its host against these lists when it starts, and stops with
// an error that names a missing call. Every array handed to a call is lent for the call
// only, and a call may answer with a promise unless told otherwise.

// The console, on every host (console.cpp).
const geekpathConsoleCalls = [
  'keyboard',   // whether key waits read keys of their own (the page) rather than the
                // input stream (a pipe)
  'readInput',  // (maxBytes) at least one byte of input (the page: one finished line and
                // its LF); an empty array at the end of input
  'write',      // (bytes) output bytes, UTF-8
];
// And on a host with a keyboard of its own, for the key waits.
const geekpathKeyboardCalls = [
  'readKey',    // (maxBytes) the bytes of one whole key typed (a character in UTF-8, or
                // the escape sequence of a key without one), at most maxBytes of them; an
                // empty array at the end of input. The page cuts typed text into keys with
                // the game's own key decoder (src/shell/page_exports.cpp), and tells line
                // editing from a key wait by which of the two reads is waiting
];

// The files (files.cpp), each named by its path, a name such as "save1.sav" in the game's
// folder: a host offers them one of two ways. Either it stores whole files (the page, in
// the browser's storage), with these calls:
const geekpathFileStoreCalls = [
  'readFile',     // (path, maxBytes) at most maxBytes of the file from its start; null
                  // when there is no such file
  'replaceFile',  // (path, bytes) the file replaced whole or not at all, durable when it
                  // says true; on false the old file is as it was
  'appendFile',   // (path, bytes) the bytes appended whole and durable after whatever the
                  // file holds, or nothing appended
];
// Or it has files to open (the Node.js runner, on its working folder), and host.files
// holds the calls on them that the game's own procedures are written over
// (file_calls.hpp). Each answers at once and never throws; a file is a number.
const geekpathFileCalls = [
  'open',      // (path, purpose) the open file, or -1; purpose 'reading' (an existing
               // file; never blocks, not even on a FIFO), 'creatingNew' (for writing,
               // where no file may stand yet) or 'appending' (every write at the end,
               // whatever else appends meanwhile; created when missing)
  'read',      // (file, into) bytes read into the array: how many, 0 at the end, -1 on
               // an error
  'write',     // (file, bytes) how many were written in one call (fewer on a full disk),
               // -1 when none were
  'sync',      // (file) whether what was written was flushed to the disk
  'size',      // (file) the size of an open regular file; -1 for anything else
  'truncate',  // (file, path, size) whether the open file at path was cut back to size
               // bytes
  'close',     // (file) whether it closed without an error; closed all the same
  'rename',    // (from, to) whether the file at from took the place of the one at to, in
               // one step and durably, its folder flushed: a crash leaves one or the other
  'remove',    // (path) whether the file was removed
];

// The host's way to the files: 'store' or 'calls'. Throws when it offers neither whole.
function geekpathHostFiles(host) {
  const lacking = (calls, on) => calls.filter((call) => !on || typeof on[call] !== 'function');
  const store = lacking(geekpathFileStoreCalls, host);
  if (store.length === 0) return 'store';
  const calls = lacking(geekpathFileCalls, host.files).map((call) => 'files.' + call);
  if (calls.length === 0) return 'calls';
  throw new Error('geekpath: the host has no way to the files: it lacks ' +
    (host.files ? calls.join(', ') : store.join(', ') + ' (or files, its calls on files to open)'));
}

// Throws when the host lacks a call that the game makes, naming it.
function geekpathCheckHost(host) {
  if (!host) throw new Error('geekpath: no host (Module.geekpathHost)');
  const calls = [...geekpathConsoleCalls, ...(host.keyboard ? geekpathKeyboardCalls : [])];
  const missing = calls.filter((call) => !(call in host));
  if (missing.length > 0) throw new Error('geekpath: the host lacks ' + missing.join(', '));
  geekpathHostFiles(host);
}
