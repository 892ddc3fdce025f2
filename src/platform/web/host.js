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
// folder:
const geekpathFileStoreCalls = [
  'readFile',     // (path, maxBytes) at most maxBytes of the file from its start; null
                  // when there is no such file
  'replaceFile',  // (path, bytes) the file replaced whole or not at all, durable when it
                  // says true; on false the old file is as it was
  'appendFile',   // (path, bytes) the bytes appended whole and durable after whatever the
                  // file holds, or nothing appended
];

// Throws when the host lacks a call that the game makes, naming it.
function geekpathCheckHost(host) {
  if (!host) throw new Error('geekpath: no host (Module.geekpathHost)');
  const calls = [...geekpathConsoleCalls, ...(host.keyboard ? geekpathKeyboardCalls : []), ...geekpathFileStoreCalls];
  const missing = calls.filter((call) => !(call in host));
  if (missing.length > 0) throw new Error('geekpath: the host lacks ' + missing.join(', '));
}
