// The site offline: registers its service worker (service-worker.js), which keeps the site
// whole in the browser, and lets a newer build that is waiting take over at the page's
// start, before the game starts. The page's script imports this module first, so the game
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

// Registered once the page has loaded, so that a first visit's own downloads go first.
// Without a worker (a browser that has none, or refuses one) the page plays online only.
function register() {
  workers.register('service-worker.js', { updateViaCache: 'none' }).catch((error) => {
    console.warn(`The page will not play offline: ${error.message}`);
  });
}
if (workers && document.readyState === 'complete') register();
else if (workers) window.addEventListener('load', register, { once: true });
