// SPDX-License-Identifier: MIT
// "Flugprotokoll": the lesson's flights as a table in a panel over the page, as the window's log
// window has them: the name or group, a check to show a flight beside the current one, replay,
// delete and empty the log after asking. The rows come from the model's log; a flight's postures
// stand as a strip.
import type { Design, PageLog } from '../model';
import { type Texts, fill, splitAccelerator } from '../texts';
import { FocusTrap } from '../controls/focus_trap';
import { download } from './saves';
import { postureStrip } from './posture_strip';
import { sizeDialogText } from '../controls/dialog_text';

export interface LogActions {
  changed(): void; // the log changed: store it, redraw
  replay(number: number): void;
  saveWorkbook(): void;
  printLessonSheet(): void; // the lesson on one page, to paper or PDF
  fileName(extension: string): string; // flugprotokoll-<group>-<date>.<extension>
  closed(): void; // the page takes back the panel's room
  compare(): void; // the shown flights played together
}

// The least width of the log's strip beside the page's window, CSS pixels: its table scrolls.
export const kLogStripPx = 320;

export class LogPanel {
  private readonly dialog: HTMLDialogElement;
  private readonly trap: FocusTrap;
  private readonly group: HTMLInputElement;
  private readonly groups: HTMLDataListElement;
  private readonly title: HTMLInputElement;
  private readonly date: HTMLInputElement;
  private readonly table: HTMLTableElement;
  private readonly note: HTMLElement;
  private selected = 0;
  private rowCount = 0;

  constructor(
    private readonly log: PageLog,
    private readonly texts: Texts,
    private readonly numberHeader: string,
    private readonly strip: Design['postureStrip'],
    private readonly actions: LogActions,
    host: HTMLElement,
  ) {
    const tr = (context: string, s: string) => splitAccelerator(texts.tr(context, s));
    const plain = (context: string, s: string) => {
      const t = tr(context, s);
      return t.before + t.key + t.after;
    };
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'log-panel';
    this.dialog.dataset.control = 'LogPanel';
    this.dialog.setAttribute(
      'aria-label',
      plain('purzo::FlightLogWindow', 'Flugprotokoll – Purzosimulation'),
    );
    const title = document.createElement('div');
    title.className = 'charts-title';
    title.textContent = plain('purzo::FlightLogWindow', 'Flugprotokoll – Purzosimulation');
    // The lesson: its title and date, and the group of the next flight, offered from the
    // lesson's groups; the teacher's flights have none.
    const teacher = texts.tr('purzo::LessonBar', 'Lehrkraft');
    const titleLabel = document.createElement('label');
    titleLabel.textContent = `${plain('purzo::LessonBar', '&Stunde:')} `;
    this.title = document.createElement('input');
    this.title.type = 'text';
    this.title.dataset.control = 'lessonTitle';
    this.title.placeholder = texts.tr('purzo::LessonBar', 'Titel der Stunde');
    this.date = document.createElement('input');
    this.date.type = 'date';
    this.date.dataset.control = 'lessonDate';
    this.date.setAttribute('aria-label', texts.tr('purzo::LessonBar', 'Datum der Stunde'));
    const takeLesson = () => {
      log.setLesson(this.title.value.trim(), this.date.value);
      actions.changed();
    };
    this.title.addEventListener('change', takeLesson);
    this.date.addEventListener('change', takeLesson);
    titleLabel.append(this.title, ' ', this.date);
    const groupLabel = document.createElement('label');
    groupLabel.textContent = `${plain('purzo::LessonBar', '&Name / Gruppe:')} `;
    this.group = document.createElement('input');
    this.group.type = 'text';
    this.group.dataset.control = 'groupField';
    this.groups = document.createElement('datalist');
    this.groups.id = 'log-groups';
    this.group.setAttribute('list', this.groups.id);
    this.group.addEventListener('change', () => {
      const name = this.group.value.trim();
      log.setGroup(name === teacher ? '' : name);
      actions.changed();
    });
    groupLabel.append(this.group, this.groups);
    this.table = document.createElement('table');
    this.table.className = 'log-table';
    this.table.dataset.control = 'logTable';
    const scroller = document.createElement('div');
    scroller.className = 'log-scroller';
    scroller.append(this.table);
    this.note = document.createElement('div');
    this.note.className = 'log-note';
    this.note.setAttribute('role', 'status');
    const buttons = document.createElement('div');
    buttons.className = 'charts-buttons';
    const button = (name: string, text: string, run: () => void) => {
      const b = document.createElement('button');
      b.className = 'button';
      b.dataset.control = name;
      b.textContent = plain('purzo::FlightLogWindow', text);
      b.addEventListener('click', run);
      buttons.append(b);
      return b;
    };
    button('showButton', '&Zeigen', () => this.toggleShown());
    button('replayButton', '&Wiederholen', () => {
      if (this.selected) actions.replay(this.selected);
    });
    button('deleteButton', '&Löschen', () => {
      if (this.selected && log.remove(this.selected)) {
        this.selected = 0;
        actions.changed();
      }
    });
    button('bestButton', '&Beste Versuche zeigen', () => {
      this.note.textContent = log.showBest()
        ? ''
        : texts.tr('purzo::FlightLogWindow', 'Noch keine Gruppe ist aufrecht gelandet.');
      actions.changed();
    });
    button('compareButton', '&Vergleichen', () => actions.compare());
    button('saveLogButton', 'Protokoll als &Tabelle speichern…', () => {
      if (log.count()) actions.saveWorkbook();
    });
    button('lessonSheetButton', 'Stundenblatt als &PDF…', () => actions.printLessonSheet());
    button('exportButton', 'Protokoll e&xportieren…', () => {
      if (log.count())
        download(
          new Blob([log.text()], { type: 'text/plain;charset=utf-8' }),
          actions.fileName('txt'),
        );
    });
    const files = document.createElement('input');
    files.type = 'file';
    files.multiple = true;
    files.accept = '.txt,text/plain';
    files.hidden = true;
    files.dataset.control = 'mergeFiles';
    files.addEventListener('change', () => {
      void this.merge([...(files.files ?? [])]).then(() => {
        files.value = '';
      });
    });
    buttons.append(files);
    button('mergeButton', 'Protokolle zusa&mmenführen…', () => files.click());
    button('clearButton', 'Protokoll &leeren…', () => {
      const question = texts
        .tr(
          'purzo::FlightLogWindow',
          'Alle %1 Flüge des Protokolls löschen? Das kann nicht rückgängig gemacht werden.',
        )
        .replace('%1', String(log.count()));
      if (log.count() && window.confirm(question)) {
        log.clear();
        this.selected = 0;
        actions.changed();
      }
    });
    const close = document.createElement('button');
    close.className = 'button';
    close.textContent = texts.page('close');
    close.addEventListener('click', () => this.dialog.close());
    buttons.append(close);
    this.dialog.append(title, titleLabel, groupLabel, scroller, this.note, buttons);
    this.dialog.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') this.dialog.close();
    });
    this.trap = new FocusTrap(this.dialog);
    this.dialog.addEventListener('close', () => {
      this.trap.closed();
      this.actions.closed();
    });
    host.append(this.dialog);
  }

  get isOpen(): boolean {
    return this.dialog.open;
  }

  close(): void {
    if (this.dialog.open) this.dialog.close();
  }

  // In the strip right of `left` (CSS pixels) over the page's whole height; none: as the style
  // sheet places it (along the bottom of a phone).
  placeIn(left: number | null): void {
    const s = this.dialog.style;
    s.left = left === null ? '' : `${left + 8}px`;
    s.right = left === null ? '' : '8px';
    s.top = left === null ? '' : '8px';
    s.bottom = left === null ? '' : '8px';
    s.maxHeight = left === null ? '' : 'none';
    this.dialog.classList.toggle('in-strip', left !== null);
  }

  open(scale: number): void {
    sizeDialogText(this.dialog, scale);
    if (!this.dialog.open) {
      this.dialog.show();
      this.trap.opened();
    }
    this.refresh();
  }

  // The rows afresh, the newest selected when none is.
  refresh(): void {
    if (!this.dialog.open) return;
    const { texts } = this;
    const teacher = texts.tr('purzo::LessonBar', 'Lehrkraft');
    // A field being typed in keeps what is typed: a stored change may come in meanwhile.
    if (document.activeElement !== this.group) this.group.value = this.log.group() || teacher;
    this.groups.replaceChildren(
      ...[teacher, ...this.log.groupNames()].map((name) => {
        const option = document.createElement('option');
        option.value = name;
        return option;
      }),
    );
    if (document.activeElement !== this.title) this.title.value = this.log.title();
    if (document.activeElement !== this.date)
      this.date.value = this.log.date() || new Date().toISOString().slice(0, 10);
    const rows = this.log.rows(texts.language, texts.decimalPoint);
    // A new flight is the one a class wants to see next, as in the window.
    if (rows.length > this.rowCount || !rows.some((r) => r.number === this.selected))
      this.selected = rows.at(-1)?.number ?? 0;
    this.rowCount = rows.length;
    const head = document.createElement('tr');
    const cell = (tag: 'th' | 'td', text: string) => {
      const c = document.createElement(tag);
      c.textContent = text;
      return c;
    };
    head.append(
      cell('th', this.numberHeader),
      cell('th', texts.tr('purzo::FlightLogModel', 'Name / Gruppe')),
      ...this.log.headers(texts.language).map((h) => cell('th', h)),
    );
    const posturesAt = this.log.codes().indexOf('postures');
    const body = rows.map((r) => {
      const tr = document.createElement('tr');
      tr.dataset.number = String(r.number);
      tr.className = r.number === this.selected ? 'selected' : '';
      tr.setAttribute('aria-selected', String(r.number === this.selected));
      const first = document.createElement('td');
      const check = document.createElement('input');
      check.type = 'checkbox';
      check.checked = r.shown;
      check.setAttribute('aria-label', `${this.numberHeader} ${r.number}`);
      check.addEventListener('change', () => this.setShown(r.number, check.checked));
      first.append(check, ` ${r.number}`);
      const group = cell('td', (r.group || teacher) + (r.best ? ' \u2605' : ''));
      if (r.best)
        group.title = fill(
          texts.tr('purzo::FlightLogModel', '%1, bester Versuch der Gruppe'),
          r.group || teacher,
        );
      const cells = r.cells.map((c, i) => {
        if (i !== posturesAt || !c) return cell('td', c);
        const strip = document.createElement('td');
        strip.append(postureStrip(c, this.strip, texts));
        return strip;
      });
      tr.append(first, group, ...cells);
      tr.addEventListener('click', (e) => {
        if (e.target === check) return;
        this.selected = r.number;
        for (const row of this.table.querySelectorAll('tr[data-number]')) {
          row.classList.toggle('selected', row === tr);
          row.setAttribute('aria-selected', String(row === tr));
        }
      });
      tr.addEventListener('dblclick', () => this.actions.replay(r.number));
      return tr;
    });
    this.table.replaceChildren(head, ...body);
  }

  // Students' logs read into the lesson; what was done is said in the panel's note.
  async merge(files: File[]): Promise<void> {
    const tr = (text: string) => this.texts.tr('purzo::LogTransfer', text);
    let added = 0,
      alreadyThere = 0,
      differing = 0,
      damaged = 0;
    const unreadable: string[] = [];
    for (const file of files) {
      const text = file.size > 2 * 1024 * 1024 ? null : await file.text();
      const r =
        text === null
          ? { problem: 'too-large', added: 0, alreadyThere: 0, differing: 0, damagedLines: 0 }
          : this.log.mergeStudentLog(text);
      if (r.problem && r.problem !== 'damaged') {
        unreadable.push(
          `${file.name}: ${tr(
            r.problem === 'too-large'
              ? 'größer als 2 MB'
              : r.problem === 'newer'
                ? 'von einer neueren Version des Programms geschrieben'
                : 'kein Flugprotokoll dieses Programms',
          )}`,
        );
        continue;
      }
      added += r.added;
      alreadyThere += r.alreadyThere;
      differing += r.differing;
      damaged += r.damagedLines;
    }
    const lines = [
      fill(
        tr('%1 Flüge übernommen, %2 waren schon im Protokoll.'),
        String(added),
        String(alreadyThere),
      ),
    ];
    if (differing)
      lines.push(
        fill(
          tr(
            'Bei %1 Flügen stand in der Datei ein anderes Ergebnis; es gilt das des Programms, das jeden Flug neu geflogen hat.',
          ),
          String(differing),
        ),
      );
    if (damaged) lines.push(fill(tr('%1 beschädigte Zeilen wurden ausgelassen.'), String(damaged)));
    if (unreadable.length) lines.push(`${tr('Nicht gelesen:')} ${unreadable.join('; ')}`);
    this.note.textContent = lines.join(' ');
    this.actions.changed();
  }

  private toggleShown(): void {
    const row = this.log
      .rows(this.texts.language, this.texts.decimalPoint)
      .find((r) => r.number === this.selected);
    if (row) this.setShown(row.number, !row.shown);
  }

  private setShown(number: number, shown: boolean): void {
    if (this.log.setShown(number, shown)) {
      this.note.textContent = '';
    } else {
      this.note.textContent = this.texts
        .tr('purzo::FlightLogWindow', 'Höchstens %1 Flüge werden zugleich gezeigt.')
        .replace('%1', '8');
    }
    this.actions.changed();
  }
}
