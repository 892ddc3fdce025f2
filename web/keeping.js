// Whether the browser keeps the game's files: the page asks it to (navigator.storage.persist)
// at the first save and whenever the saves panel opens, until it has promised, and the
// panel says whether it has. Where it has not, the browser may clear the site's storage
// when space runs short, and the panel says so and suggests downloading the slots.

const KEPT = 'Браузер обещал хранить сохранения: сам он их не удалит.';
const NOT_KEPT = 'Браузер не обещал хранить сохранения: когда ему не хватит места, он может их удалить. ' +
  'Скачайте слоты, которыми дорожите.';

// Whether the site's storage is kept; false where the browser cannot tell (an insecure page).
async function persisted() {
  try {
    return (await navigator.storage?.persisted?.()) === true;
  } catch {
    return false;
  }
}

async function persist() {
  try {
    return (await navigator.storage?.persist?.()) === true;
  } catch {
    return false;
  }
}

// The note `note` in the saves panel `panel`; saved() is called at every change to the files.
export function keepingSaves(note, panel) {
  let asked = false;
  const ask = async () => {
    asked = true;
    const kept = (await persisted()) || (await persist());
    note.textContent = kept ? KEPT : NOT_KEPT;
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
