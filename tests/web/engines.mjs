// The page in three browser engines behind one small interface, so that one scenario
// runs in each of them:
//   chromium  Debian's chromium, through playwright-core, as harness.mjs opens it;
//   firefox   Debian's firefox-esr, through puppeteer-core over WebDriver BiDi;
//   webkit    WebKitGTK's MiniBrowser, through its WebDriver server (WebKitWebDriver) on a
//             virtual X display (xvfb-run), over plain W3C WebDriver: the few commands
//             below, sent with fetch.
//
// launch(engine) opens the browser on a new empty profile and gives
//   { engine, open(url) -> page, keepStorage(url)?, close() }
// where keepStorage, where the driver can, answers yes to the site's request to keep its
// storage, as a player would; and a page is
//   { goto(url), reload(), evaluate(fn, ...args), click(selector), type(text), press(key) }.
// evaluate runs fn (a function, sent as its source) in the page with JSON arguments and
// returns its JSON result, awaited; type and press send key events to the element that has
// the focus ('Enter' is the one key press knows). A reload, or navigation away, accepts
// the page's question about leaving a running game.
//
// GEEKPATH_CHROMIUM, GEEKPATH_FIREFOX and GEEKPATH_MINIBROWSER name other browsers.

import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { openBrowser as openChromiumContext } from './harness.mjs';

const FIREFOX = process.env.GEEKPATH_FIREFOX ?? '/usr/bin/firefox-esr';
const MINIBROWSER = process.env.GEEKPATH_MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

export const ENGINES = ['chromium', 'firefox', 'webkit'];

export async function launch(engine) {
  const open = { chromium: launchChromium, firefox: launchFirefox, webkit: launchWebKit }[engine];
  if (!open) throw new Error(`no such engine: ${engine}`);
  return { engine, ...(await open()) };
}

// Chromium and Firefox: a page of playwright-core or puppeteer-core, whose interfaces agree
// on all this page needs. Scripts go as expressions: playwright-core's evaluate takes one
// argument alone.
function scriptedPage(page) {
  // Leaving a running game asks first; the scenario leaves.
  page.on('dialog', (dialog) => dialog.accept());
  return {
    goto: (url) => page.goto(url),
    reload: () => page.reload(),
    evaluate: (fn, ...args) => page.evaluate(`(${fn})(...${JSON.stringify(args)})`),
    click: (selector) => page.click(selector),
    type: (text) => page.keyboard.type(text),
    press: (key) => page.keyboard.press(key),
  };
}

async function launchChromium() {
  const browser = await openChromiumContext();
  return {
    open: async (url) => {
      const page = scriptedPage(browser.context.pages()[0] ?? (await browser.context.newPage()));
      await page.goto(url);
      return page;
    },
    close: () => browser.close(),
  };
}

// Firefox as root runs with its sandboxes as they are: it needs no switch for them,
// unlike Chromium. puppeteer-core's own preferences for a driven Firefox (no first-run
// pages, no updates, no remote services) are all it needs beyond a new profile. None is
// set for the storage: the site's request to keep it (navigator.storage.persist) stays
// open as it would for a player who has not yet answered the browser's question (a
// headless window shows it to nobody), and keepStorage then answers it through WebDriver
// BiDi's permissions, which holds for the next request. The preferences that would answer
// it instead (dom.storageManager.prompt.testing and .allow) would hide that open question,
// and the dom.storage_access ones concern frames of other sites, which the page has none of.
async function launchFirefox() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'geekpath-firefox-'));
  const browser = await puppeteer.launch({
    browser: 'firefox',
    protocol: 'webDriverBiDi',
    executablePath: FIREFOX,
    headless: true,
    userDataDir: profile,
    defaultViewport: { width: 1024, height: 768 },
    // Its first start on a new profile takes 10 to 20 seconds on a busy machine.
    timeout: 90000,
  });
  return {
    open: async (url) => {
      const page = scriptedPage((await browser.pages())[0] ?? (await browser.newPage()));
      await page.goto(url);
      return page;
    },
    keepStorage: (url) => browser.defaultBrowserContext().setPermission(new URL(url).origin,
      { permission: { name: 'persistent-storage' }, state: 'granted' }),
    close: async () => {
      await browser.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A free port of 127.0.0.1 for the WebDriver server (free when asked; the server takes it
// a moment later).
async function freePort() {
  const server = net.createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// A W3C WebDriver session over HTTP: command(method, path, body) returns the answer's value
// or throws its error.
function webDriverClient(base) {
  return async (method, where, body) => {
    const response = await fetch(`${base}${where}`, {
      method,
      headers: { 'Content-Type': 'application/json; charset=utf-8' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${where}: ${value.error}: ${value.message}`);
    return value;
  };
}

const WEBDRIVER_KEYS = { Enter: '\uE007' };
// The key of an element's reference in W3C WebDriver's answers.
const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';

// WebKitGTK's MiniBrowser has no headless mode: it draws into an X display, which xvfb-run
// makes for the driver and the browsers it starts (-a: the first free display number). The
// driver runs in a process group of its own, so that closing ends xvfb-run, the X server,
// the driver and the browser together. Its HOME and XDG folders are a new empty folder:
// the browser's profile (in --automation mode it keeps the site's data, the saves and the
// service worker, for the session alone, in memory) and any cache start empty. The web
// process sandbox is off unless asked for (--enable-sandbox), so root needs no switch.
async function launchWebKit() {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'geekpath-webkit-'));
  const port = await freePort();
  const server = spawn('xvfb-run', ['-a', '-s', '-screen 0 1280x1024x24',
    'WebKitWebDriver', `--port=${port}`], {
    detached: true,
    stdio: 'ignore',
    env: { ...process.env, HOME: home, XDG_CONFIG_HOME: `${home}/config`, XDG_DATA_HOME: `${home}/data`,
      XDG_CACHE_HOME: `${home}/cache`, XDG_RUNTIME_DIR: home },
  });
  const exited = new Promise((resolve) => server.on('exit', resolve));
  const end = () => {
    try {
      process.kill(-server.pid, 'SIGTERM');
    } catch {
      // already gone
    }
  };
  // A test that ends without closing (an uncaught error) leaves no browser behind either.
  process.once('exit', end);
  const stop = async () => {
    end();
    process.off('exit', end);
    await exited;
    fs.rmSync(home, { recursive: true, force: true });
  };

  const driver = webDriverClient(`http://127.0.0.1:${port}`);
  let session;
  try {
    for (let tries = 0; ; tries += 1) {
      try {
        if ((await driver('GET', '/status')).ready) break;
      } catch (error) {
        if (tries >= 300 || server.exitCode !== null) throw new Error(`WebKitWebDriver did not start: ${error.message}`);
      }
      await new Promise((resolve) => { setTimeout(resolve, 100); });
    }
    session = await driver('POST', '/session', { capabilities: { alwaysMatch: {
      'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
      // The question of a page about to be left while a game runs (beforeunload) is
      // answered yes, as the other engines' pages do.
      unhandledPromptBehavior: 'accept',
      timeouts: { script: 120000, pageLoad: 60000, implicit: 0 },
    } } });
  } catch (error) {
    await stop();
    throw error;
  }
  const command = (method, where, body) => driver(method, `/session/${session.sessionId}${where}`, body);

  const keys = (values) => command('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard',
    actions: values.flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }]) }] });
  const page = {
    goto: (url) => command('POST', '/url', { url }),
    reload: () => command('POST', '/refresh', {}),
    // An asynchronous script, so that a promise's result is awaited; the driver's last
    // argument is its callback.
    evaluate: async (fn, ...args) => {
      const script = `const done = arguments[arguments.length - 1];
        (async () => (${fn})(...${JSON.stringify(args)}))().then((value) => done({ value }), (error) => done({ error: String(error) }));`;
      const { value, error } = await command('POST', '/execute/async', { script, args: [] });
      if (error !== undefined) throw new Error(`in the page: ${error}`);
      return value;
    },
    click: async (selector) => {
      const element = await command('POST', '/element', { using: 'css selector', value: selector });
      await command('POST', `/element/${element[ELEMENT]}/click`, {});
    },
    type: (text) => keys([...text]),
    press: (key) => keys([WEBDRIVER_KEYS[key] ?? key]),
  };
  return {
    open: async (url) => {
      await command('POST', '/window/rect', { width: 1024, height: 768 });
      await page.goto(url);
      return page;
    },
    close: async () => {
      await command('DELETE', '').catch(() => {});
      await stop();
    },
  };
}
