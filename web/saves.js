// The saves panel: each of the game's files can be downloaded, and a save file put into a
// slot.

// Far more than any save file the game writes (a few hundred bytes).
const MAX_UPLOAD = 64 * 1024;

// An instance of the game that never runs: its own reader of save files, and the names
// of its files.
let reader = null;
const gameReader = () => {
  reader ??= createGeekpath({ geekpathHost: {}, print: () => {}, printErr: () => {} });
  return reader;
};

// The files of the game, as it names them: its slots' and the score file.
let names = null;
const fileNames = () => {
  names ??= gameReader().then((game) => {
    const slots = [];
    for (let slot = 1, name; (name = game.ccall('geekpath_slot_file_name', 'string', ['number'], [slot])); ++slot) {
      slots.push(name);
    }
    return { slots, scores: game.ccall('geekpath_score_file_name', 'string', [], []) };
  });
  return names;
};

// Whether the bytes read as a save file.
async function isSaveFile(bytes) {
  const game = await gameReader();
  return game.ccall('geekpath_is_save_file', 'number', ['array', 'number'], [bytes, bytes.length]) === 1;
}

// "день 12, деньги 345, 412 байт" for a slot's bytes: its day and money as the game
// reads them.
async function slotSummary(bytes) {
  const game = await gameReader();
  const summary = game._malloc(3 * 4);
  try {
    game.ccall('geekpath_slot_summary', null, ['array', 'number', 'number'], [bytes, bytes.length, summary]);
    const [day, money] = game.HEAP32.subarray(summary >> 2, (summary >> 2) + 3);
    return `день ${day}, деньги ${money}, ${bytes.length} байт`;
  } finally {
    game._free(summary);
  }
}

function download(name, bytes) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

function button(text, onClick) {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = text;
  element.addEventListener('click', onClick);
  return element;
}

// The panel, a details element, with the table body list of its files and the file input
// upload; over the storage (a promise of files.js's store); say(text) puts text on the
// status line. Its refresh() draws the list again while the panel is open.
export function savesPanel({ panel, list, upload: chooser }, storage, say) {
  async function upload(slot, file) {
    if (file.size > MAX_UPLOAD) {
      say(`Файл «${file.name}» не загружен: он слишком большой для сохранения игры.`);
      return;
    }
    const bytes = new Uint8Array(await file.arrayBuffer());
    if (!(await isSaveFile(bytes))) {
      say(`Файл «${file.name}» не загружен: это не сохранение игры.`);
      return;
    }
    if (await (await storage).replace(slot, bytes)) {
      say(`Файл «${file.name}» загружен в ${slot}.`);
    } else {
      say(`Файл «${file.name}» не загружен: браузер не сохранил его.`);
    }
    refresh();
  }

  async function refresh() {
    if (!panel.open) return;
    const rows = [];
    const { slots, scores } = await fileNames();
    for (const name of [...slots, scores]) {
      const bytes = await (await storage).read(name);
      const row = document.createElement('tr');
      const cells = [name, bytes ? (name === scores ? `${bytes.length} байт` : await slotSummary(bytes)) : 'пусто'];
      for (const text of cells) {
        const cell = document.createElement('td');
        cell.textContent = text;
        row.append(cell);
      }
      // Each button in a column of its own, so that the rows line up.
      const downloading = document.createElement('td');
      const uploading = document.createElement('td');
      if (bytes) {
        // The file as stored now: another tab of the site may have saved since the list was drawn.
        downloading.append(button('Скачать', async () => {
          const stored = await (await storage).read(name);
          if (stored) download(name, stored);
          refresh();
        }));
      }
      if (name !== scores) {
        uploading.append(button('Загрузить файл', () => {
          chooser.onchange = () => {
            const [file] = chooser.files;
            chooser.value = '';
            if (file) upload(name, file);
          };
          chooser.click();
        }));
      }
      row.append(downloading, uploading);
      rows.push(row);
    }
    list.replaceChildren(...rows);
  }

  panel.addEventListener('toggle', refresh);
  return { refresh };
}
