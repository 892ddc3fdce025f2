#!/usr/bin/env node
// The WebAssembly game under Node.js, on the process's standard input and output and with
// its files in the working folder: what the native game does through a pipe, byte for
// byte. Scripts and tests drive it; players use the page.
'use strict';

const fs = require('fs');
const path = require('path');

const site = path.join(__dirname, 'site');

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

function readFile(name, maxBytes) {
  let fd;
  try {
    fd = fs.openSync(name, fs.constants.O_RDONLY | fs.constants.O_NONBLOCK);
  } catch {
    return null;
  }
  try {
    if (!fs.fstatSync(fd).isFile()) return null;
    const buffer = Buffer.alloc(Math.min(maxBytes, Math.max(fs.fstatSync(fd).size, 0) + 1));
    let got = 0;
    for (let n; got < buffer.length && (n = fs.readSync(fd, buffer, got, buffer.length - got, null)) > 0;) got += n;
    return buffer.subarray(0, got);
  } catch {
    return null;
  } finally {
    fs.closeSync(fd);
  }
}

function writeAll(fd, bytes) {
  for (let done = 0; done < bytes.length;) done += fs.writeSync(fd, bytes, done, bytes.length - done);
}

// Makes a rename in the working folder durable; the file already holds its bytes, so a
// failure here is not reported.
function syncFolder() {
  try {
    const fd = fs.openSync('.', 'r');
    try { fs.fsyncSync(fd); } finally { fs.closeSync(fd); }
  } catch { /* nothing more to do */ }
}

// Through a temporary file, synced and renamed over the old one: whole or not at all.
function replaceFile(name, bytes) {
  const temporary = name + '.tmp';
  try { fs.unlinkSync(temporary); } catch { /* no leftover */ }
  let fd;
  try {
    fd = fs.openSync(temporary, 'wx', 0o666);
  } catch {
    return false;
  }
  try {
    writeAll(fd, bytes);
    fs.fsyncSync(fd);
    fs.closeSync(fd);
    fd = undefined;
    fs.renameSync(temporary, name);
  } catch {
    if (fd !== undefined) try { fs.closeSync(fd); } catch { /* already failed */ }
    try { fs.unlinkSync(temporary); } catch { /* already gone */ }
    return false;
  }
  syncFolder();
  return true;
}

// One write, synced, after whatever the file holds. A write or sync that fails part of the
// way is taken back to the size the file had before it: the append takes back its own bytes
// and no others.
function appendFile(name, bytes) {
  let fd;
  try {
    fd = fs.openSync(name, 'a', 0o666);
  } catch {
    return false;
  }
  let before = -1;
  try {
    before = fs.fstatSync(fd).size;
    if (fs.writeSync(fd, bytes) !== bytes.length) throw new Error('short write');
    fs.fsyncSync(fd);
    return true;
  } catch {
    if (before >= 0) try { fs.ftruncateSync(fd, before); } catch { /* nothing more to do */ }
    return false;
  } finally {
    fs.closeSync(fd);
  }
}

const host = {
  keyboard: false,
  readInput,
  write,
  readFile,
  replaceFile,
  appendFile,
};

require(path.join(site, 'geekpath.js'))({
  geekpathHost: host,
  wasmBinary: fs.readFileSync(path.join(site, 'geekpath.wasm')),
  print: () => {},
  printErr: (text) => process.stderr.write(text + '\n'),
}).then((game) => game.ccall('main', 'number', [], [], { async: true }))
  .then(() => process.exit(0), (error) => {
    process.stderr.write(`geekpath: ${error}\n`);
    process.exit(1);
  });
