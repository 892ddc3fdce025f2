// The site offline: lets a newer build that is waiting take over at the page's start,
// before the game starts, and registers the site's service worker (service-worker.js),
// which keeps the site whole in the browser, once the game is showing. The page's script imports this module first, so the game
// starts only once it has finished; it never finishes on a page about to be reloaded.

const workers = navigator.serviceWorker;
// How long the page waits for the new build to take over, and how much longer for its answer.
const TAKE_OVER_MS = 3000;
const ANSWER_MARGIN_MS = 2000;

// Asks a newer build, waiting behind the one that serves this page, to take over. True once
// it has: the page then reloads, so that it and everything it loads come from the new build.
// It keeps waiting when another page of the site is open: this page then runs the old one.
async function newBuildTookOver() {
  const waiting = (await workers.getRegistration())?.waiting;
  if (!waiting) return false;
  const channel = new MessageChannel();
  const answer = new Promise((resolve) => {
    channel.port1.onmessage = (event) => resolve(event.data);
    setTimeout(resolve, TAKE_OVER_MS + ANSWER_MARGIN_MS);
  });
  waiting.postMessage({ ask: 'take over', before: Date.now() + TAKE_OVER_MS }, [channel.port2]);
  return (await answer) === 'taking over';
}

if (workers?.controller && (await newBuildTookOver())) {
  window.location.reload();
  await new Promise(() => {});
}

// The worker's install fetches every file of the site again and checks each one's digest:
// it is registered only once the game shows its first screen, and a moment after that, so
// that a first visit's own downloads and start have the network and the processor to
// themselves. Without a worker (a browser that has none, or refuses one) the page plays
// online only.
const KEEP_AFTER_MS = 3000;
export function keepForOffline() {
  if (!workers) return;
  setTimeout(() => {
    workers.register('service-worker.js', { updateViaCache: 'none' }).catch((error) => {
      console.warn(`The page will not play offline: ${error.message}`);
    });
  }, KEEP_AFTER_MS);
}
