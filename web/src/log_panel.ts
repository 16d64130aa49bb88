// SPDX-License-Identifier: MIT
// "Flugprotokoll": the lesson's flights as a table in a panel over the page, as the window's log
// window has them: the name or group, a check to show a flight beside the current one, replay,
// delete and empty the log after asking. The rows come from the model's log.
import type { PageLog } from './model';
import { Texts, splitAccelerator } from './texts';
import { FocusTrap } from './focus_trap';

export interface LogActions {
  changed(): void;          // the log changed: store it, redraw
  replay(number: number): void;
  saveWorkbook(): void;
}

export class LogPanel {
  private readonly dialog: HTMLDialogElement;
  private readonly trap: FocusTrap;
  private readonly group: HTMLInputElement;
  private readonly table: HTMLTableElement;
  private readonly note: HTMLElement;
  private selected = 0;

  constructor(private readonly log: PageLog, private readonly texts: Texts, private readonly numberHeader: string,
              private readonly actions: LogActions, host: HTMLElement) {
    const tr = (context: string, s: string) => splitAccelerator(texts.tr(context, s));
    const plain = (context: string, s: string) => { const t = tr(context, s); return t.before + t.key + t.after; };
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'log-panel';
    this.dialog.dataset.control = 'LogPanel';
    this.dialog.setAttribute('aria-label', plain('purzo::FlightLogWindow', 'Flugprotokoll – Purzosimulation'));
    const title = document.createElement('div');
    title.className = 'charts-title';
    title.textContent = plain('purzo::FlightLogWindow', 'Flugprotokoll – Purzosimulation');
    const groupLabel = document.createElement('label');
    groupLabel.textContent = plain('purzo::FlightLogWindow', '&Name / Gruppe:') + ' ';
    this.group = document.createElement('input');
    this.group.type = 'text';
    this.group.dataset.control = 'groupField';
    this.group.addEventListener('change', () => { log.setGroup(this.group.value); actions.changed(); });
    groupLabel.append(this.group);
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
    button('replayButton', '&Wiederholen', () => { if (this.selected) actions.replay(this.selected); });
    button('deleteButton', '&Löschen', () => {
      if (this.selected && log.remove(this.selected)) { this.selected = 0; actions.changed(); }
    });
    button('saveLogButton', 'Protokoll als &Tabelle speichern…', () => { if (log.count()) actions.saveWorkbook(); });
    button('clearButton', 'Protokoll &leeren…', () => {
      const question = texts.tr('purzo::FlightLogWindow',
        'Alle %1 Flüge des Protokolls löschen? Das kann nicht rückgängig gemacht werden.').replace('%1', String(log.count()));
      if (log.count() && window.confirm(question)) { log.clear(); this.selected = 0; actions.changed(); }
    });
    const close = document.createElement('button');
    close.className = 'button';
    close.textContent = texts.page('close');
    close.addEventListener('click', () => this.dialog.close());
    buttons.append(close);
    this.dialog.append(title, groupLabel, scroller, this.note, buttons);
    this.dialog.addEventListener('keydown', (e) => { if (e.key === 'Escape') this.dialog.close(); });
    this.trap = new FocusTrap(this.dialog);
    this.dialog.addEventListener('close', () => this.trap.closed());
    host.append(this.dialog);
  }

  get isOpen(): boolean { return this.dialog.open; }

  open(scale: number): void {
    this.dialog.style.fontSize = `${(8.25 * 96 / 72 * Math.max(scale, 0.75)).toFixed(2)}px`;
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
    this.group.value = this.log.group();
    const rows = this.log.rows(texts.language, texts.decimalPoint);
    if (!rows.some((r) => r.number === this.selected)) this.selected = rows.at(-1)?.number ?? 0;
    const head = document.createElement('tr');
    const cell = (tag: 'th' | 'td', text: string) => { const c = document.createElement(tag); c.textContent = text; return c; };
    head.append(cell('th', this.numberHeader), cell('th', texts.tr('purzo::FlightLogModel', 'Name / Gruppe')),
      ...this.log.headers(texts.language).map((h) => cell('th', h)));
    const body = rows.map((r) => {
      const tr = document.createElement('tr');
      tr.dataset.number = String(r.number);
      tr.className = r.number === this.selected ? 'selected' : '';
      const first = document.createElement('td');
      const check = document.createElement('input');
      check.type = 'checkbox';
      check.checked = r.shown;
      check.setAttribute('aria-label', `${this.numberHeader} ${r.number}`);
      check.addEventListener('change', () => this.setShown(r.number, check.checked));
      first.append(check, ` ${r.number}`);
      tr.append(first, cell('td', r.group), ...r.cells.map((c) => cell('td', c)));
      tr.addEventListener('click', (e) => {
        if (e.target === check) return;
        this.selected = r.number;
        for (const row of this.table.querySelectorAll('tr[data-number]')) {
          row.classList.toggle('selected', row === tr);
        }
      });
      tr.addEventListener('dblclick', () => this.actions.replay(r.number));
      return tr;
    });
    this.table.replaceChildren(head, ...body);
  }

  private toggleShown(): void {
    const row = this.log.rows(this.texts.language, this.texts.decimalPoint).find((r) => r.number === this.selected);
    if (row) this.setShown(row.number, !row.shown);
  }

  private setShown(number: number, shown: boolean): void {
    if (this.log.setShown(number, shown)) {
      this.note.textContent = '';
    } else {
      this.note.textContent = this.texts.tr('purzo::FlightLogWindow', 'Höchstens %1 Flüge werden zugleich gezeigt.').replace('%1', '8');
    }
    this.actions.changed();
  }
}
