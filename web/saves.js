// The saves panel: each of the game's files can be downloaded, and a save file put into a
// slot.

const SLOTS = ['save1.sav', 'save2.sav', 'save3.sav', 'save4.sav', 'save5.sav'];
const SCORES = 'SCORES.txt';
// Far more than any save file the game writes (a few hundred bytes).
const MAX_UPLOAD = 64 * 1024;

let checker = null;

// Whether the bytes read as a save file, by the game's own reader (in an instance of the
// game that never runs).
async function isSaveFile(bytes) {
  checker ??= createGeekpath({ geekpathHost: {}, print: () => {}, printErr: () => {} });
  const game = await checker;
  return game.ccall('geekpath_is_save_file', 'number', ['array', 'number'], [bytes, bytes.length]) === 1;
}

function download(name, bytes) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// "День 12, деньги 345" for a slot's bytes: its second and third records.
function slotSummary(bytes) {
  const records = new TextDecoder('latin1').decode(bytes.subarray(0, 512)).split(';').map((r) => r.trim());
  return `день ${records[1] ?? '?'}, деньги ${records[2] ?? '?'}, ${bytes.length} байт`;
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
    for (const name of [...SLOTS, SCORES]) {
      const bytes = await (await storage).read(name);
      const row = document.createElement('tr');
      const cells = [name, bytes ? (name === SCORES ? `${bytes.length} байт` : slotSummary(bytes)) : 'пусто'];
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
      if (name !== SCORES) {
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
