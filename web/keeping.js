// Whether the browser keeps the game's files: the page asks it to (navigator.storage.persist)
// at the first save and whenever the saves panel opens, until it has promised, and the
// panel says whether it has. Where it has not, the browser may clear the site's storage
// when space runs short, and the panel says so and suggests downloading the slots. The
// note is never blank: while the browser decides (it may ask the player, and a question
// nobody answers stays open), it says so.

export const NOTES = {
  kept: 'Браузер обещал хранить сохранения: сам он их не удалит.',
  notKept: 'Браузер не обещал хранить сохранения: когда ему не хватит места, он может их удалить. ' +
    'Скачайте слоты, которыми дорожите.',
  asking: 'Браузер ещё не ответил, будет ли он хранить сохранения (он может спросить об этом вас). ' +
    'Пока ответа нет, он может удалить их, когда ему не хватит места.',
  // A browser without the call, or a page on an address that is not secure, which gets none.
  cannot: 'Браузер не даёт этой странице попросить его хранить сохранения: когда ему не хватит места, ' +
    'он может их удалить. Скачайте слоты, которыми дорожите.',
};

// storage[call]() is true; false where it fails.
async function holds(storage, call) {
  try {
    return (await storage[call]()) === true;
  } catch {
    return false;
  }
}

// The note for the browser's answer; show(note) shows the question's while it is open.
// persist() alone answers too, where persisted() is missing: it is true at once for a
// storage already kept.
async function keeping(show) {
  const storage = navigator.storage;
  if (typeof storage?.persist !== 'function') return NOTES.cannot;
  if (typeof storage.persisted === 'function' && (await holds(storage, 'persisted'))) return NOTES.kept;
  show(NOTES.asking);
  return (await holds(storage, 'persist')) ? NOTES.kept : NOTES.notKept;
}

// The note `note` in the saves panel `panel`; saved() is called at every change to the files.
export function keepingSaves(note, panel) {
  let asked = false;
  // The question being asked: one at a time, however often the panel opens meanwhile.
  let asking = null;
  const ask = () => {
    asked = true;
    // An answer already shown stays until the next one: the question does not change it.
    asking ??= keeping((text) => {
      if (!note.textContent) note.textContent = text;
    }).then((text) => {
      note.textContent = text;
      asking = null;
    });
  };
  panel.addEventListener('toggle', () => {
    if (panel.open) ask();
  });
  return {
    saved() {
      if (!asked) ask();
    },
  };
}
