#!/usr/bin/env node
// The WebAssembly game under Node.js, on the process's standard input and output and with
// its files in the working folder: what the native game does through a pipe, byte for
// byte. Scripts and tests drive it; players use the page.
//
// Its host (the calls declared in host.js) is the console below and Node's fs, one thin
// call each; the game's own procedures make the saves durable over them. Required as a
// module, it runs nothing and gives its file calls (the tests run the game's file
// procedures over them).
'use strict';

const fs = require('fs');
const path = require('path');

// Waits a little, for a descriptor that is not ready (EAGAIN).
const pause = () => new Promise((resolve) => setTimeout(resolve, 5));

// Whether an error of a system call is one that goes away when tried again.
const again = (error) => error.code === 'EAGAIN' || error.code === 'EINTR';

// Input is a byte stream, as a pipe is: key waits take its next byte too.
async function readInput(maxBytes) {
  const buffer = Buffer.alloc(Math.min(maxBytes, 65536));
  for (;;) {
    try {
      return buffer.subarray(0, fs.readSync(0, buffer, 0, buffer.length, null));
    } catch (error) {
      if (!again(error)) return buffer.subarray(0, 0);  // EOF, a closed or unreadable input
      await pause();
    }
  }
}

// A write error (a closed pipe, a full disk) loses the output; the game goes on.
function write(bytes) {
  let done = 0;
  while (done < bytes.length) {
    try {
      done += fs.writeSync(1, bytes, done, bytes.length - done);
    } catch (error) {
      if (!again(error)) return;
      Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, 5);
    }
  }
}

// The answer of call, or failed when it throws: a refused open, a full disk, a failed sync.
function answer(call, failed) {
  try {
    return call();
  } catch {
    return failed;
  }
}

const { O_RDONLY, O_WRONLY, O_CREAT, O_EXCL, O_APPEND, O_NONBLOCK, O_NOCTTY = 0 } = fs.constants;
const OPEN_FLAGS = {
  reading: O_RDONLY | O_NONBLOCK | O_NOCTTY,
  creatingNew: O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY,
  appending: O_WRONLY | O_APPEND | O_CREAT | O_NOCTTY,
};

// The file calls of the game's procedures, on Node's fs (Node retries an interrupted call
// itself and opens every file close-on-exec).
const files = {
  open: (name, purpose) => answer(() => fs.openSync(name, OPEN_FLAGS[purpose], 0o666), -1),
  read: (file, into) => answer(() => fs.readSync(file, into, 0, into.length, null), -1),
  write: (file, bytes) => answer(() => fs.writeSync(file, bytes, 0, bytes.length, null), -1),
  sync: (file) => answer(() => (fs.fsyncSync(file), true), false),
  size: (file) => answer(() => {
    const stat = fs.fstatSync(file);
    return stat.isFile() ? stat.size : -1;
  }, -1),
  truncate: (file, name, size) => answer(() => (fs.ftruncateSync(file, size), true), false),
  close: (file) => answer(() => (fs.closeSync(file), true), false),
  // The rename, then a flush of its folder that makes it durable. The file already holds
  // its new bytes by then, so a failed flush of the folder is not reported.
  rename: (from, to) => answer(() => {
    fs.renameSync(from, to);
    answer(() => {
      const folder = fs.openSync(path.dirname(to), O_RDONLY);
      try { fs.fsyncSync(folder); } finally { fs.closeSync(folder); }
    });
    return true;
  }, false),
  remove: (name) => answer(() => (fs.unlinkSync(name), true), false),
};

module.exports = { files };

if (require.main === module) {
  const site = path.join(__dirname, 'site');
  require(path.join(site, 'geekpath.js'))({
    geekpathHost: { keyboard: false, readInput, write, files },
    wasmBinary: fs.readFileSync(path.join(site, 'geekpath.wasm')),
    print: () => {},
    printErr: (text) => process.stderr.write(text + '\n'),
  }).then((game) => game.ccall('main', 'number', [], [], { async: true }))
    .then(() => process.exit(0), (error) => {
      process.stderr.write(`geekpath: ${error}\n`);
      process.exit(1);
    });
}
