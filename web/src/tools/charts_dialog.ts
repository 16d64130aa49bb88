// SPDX-License-Identifier: MIT
// The charts of the flight on show over time, drawn by Chart.js from the model's frames: height,
// distance and rotation, and in the exact model angular velocity and moment of inertia. The
// flights the canvas shows beside it in their styles with a legend; a marker at the frame shown.
import {
  Chart,
  Legend,
  LineController,
  LineElement,
  LinearScale,
  PointElement,
  ScatterController,
  Title,
} from 'chart.js';
import { colourOf } from '../view/canvas_view';
import type { FlightStyle } from '../view/flight_marks';
import type { Frame, Model, PurzoModule, QuantityHeader } from '../model';
import type { Texts } from '../texts';
import { download } from '../lesson/saves';
import { FocusTrap } from '../controls/focus_trap';
import { sizeDialogText } from '../controls/dialog_text';

Chart.register(
  LineController,
  ScatterController,
  LineElement,
  PointElement,
  LinearScale,
  Title,
  Legend,
);

const kFlightColour = 'rgb(20, 20, 20)';
const kMarkerColour = 'rgb(220, 50, 20)';
// Chart.js's point styles for the design's marker shapes, in their order; the second triangle
// turned over.
const kPointStyles = [
  'circle',
  'rect',
  'triangle',
  'rectRot',
  'triangle',
  'crossRot',
  'cross',
  'star',
] as const;
const kDashes = [[], [4, 2], [1, 2], [4, 2, 1, 2], [8, 3], [4, 2, 1, 2, 1, 2], [2, 2], [1, 4]];

// A flight of the log beside the one on show, in its style.
export interface ChartedFlight {
  number: number;
  frames: Frame[];
  style: FlightStyle;
  exact: boolean;
}

export interface ChartsContent {
  model: Model;
  frames: Frame[]; // the flight on show, all recorded frames
  shownCount: number; // up to the frame shown
  beside: ChartedFlight[]; // the flights the canvas shows beside it
}

export class ChartsDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly trap: FocusTrap;
  private readonly grid: HTMLElement;
  private charts: Chart[] = [];
  // The charts' numbers for assistive technology: one row a frame of the flight on show.
  private readonly table: HTMLTableElement;
  private tableKey = '';
  private model: Model | null = null;

  constructor(
    private readonly module: PurzoModule,
    private readonly texts: Texts,
    host: HTMLElement,
  ) {
    const tr = (s: string) => texts.tr('purzo::ChartsWindow', s);
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'charts';
    this.dialog.setAttribute('aria-label', tr('Diagramme – Purzosimulation'));
    const title = document.createElement('div');
    title.className = 'charts-title';
    title.textContent = tr('Diagramme – Purzosimulation');
    this.grid = document.createElement('div');
    this.grid.className = 'charts-grid';
    // It scrolls on a phone: reachable by the keyboard, and named for a screen reader.
    this.grid.tabIndex = 0;
    this.grid.setAttribute('role', 'group');
    this.grid.setAttribute('aria-label', tr('Diagramme – Purzosimulation'));
    const buttons = document.createElement('div');
    buttons.className = 'charts-buttons';
    const save = document.createElement('button');
    save.className = 'button';
    save.textContent = tr('Diagramme speichern…');
    save.addEventListener('click', () => this.save());
    const close = document.createElement('button');
    close.className = 'button';
    close.textContent = texts.page('close');
    close.addEventListener('click', () => this.dialog.close());
    buttons.append(save, close);
    this.table = document.createElement('table');
    this.table.className = 'visually-hidden';
    this.dialog.append(title, this.grid, this.table, buttons);
    this.dialog.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') this.dialog.close();
    });
    this.trap = new FocusTrap(this.dialog);
    this.dialog.addEventListener('close', () => this.trap.closed());
    host.append(this.dialog);
  }

  get isOpen(): boolean {
    return this.dialog.open;
  }

  open(content: ChartsContent, scale: number): void {
    sizeDialogText(this.dialog, scale);
    if (!this.dialog.open) {
      this.dialog.show();
      this.trap.opened();
    }
    this.show(content);
  }

  // Follows the flight, the replay and the stepping while open.
  show(content: ChartsContent): void {
    if (!this.dialog.open) return;
    if (this.model !== content.model) this.rebuild(content.model);
    this.quantities(content.model).forEach((q, i) => {
      const chart = this.charts[i];
      const value = (f: Frame) => (f as unknown as Record<string, number>)[q.code];
      const points = (frames: Frame[]) => frames.map((f) => ({ x: f.timeS, y: value(f) }));
      const beside = content.beside.filter((b) => b.exact || !q.exactOnly);
      const tr = (s: string) => this.texts.tr('purzo::ChartsWindow', s);
      chart.data.datasets = [
        {
          label: tr('Flug auf dem Bild'),
          data: points(content.frames),
          showLine: true,
          borderColor: kFlightColour,
          backgroundColor: kFlightColour,
          borderWidth: 2,
          pointRadius: 0,
        },
        {
          label: '',
          data: content.frames[content.shownCount - 1]
            ? points([content.frames[content.shownCount - 1]])
            : [],
          showLine: false,
          backgroundColor: kMarkerColour,
          borderColor: kMarkerColour,
          pointRadius: 4.5,
        },
        ...beside.map((b) => ({
          label: tr('Flug %1').replace('%1', String(b.number)),
          data: points(b.frames),
          showLine: true,
          borderColor: colourOf(b.style.colour),
          backgroundColor: colourOf(b.style.colour),
          borderWidth: 2,
          borderDash: (kDashes[b.style.dash] ?? []).map((d) => d * 2),
          pointRadius: 4,
          pointStyle: kPointStyles[b.style.marker] ?? 'circle',
          pointRotation: b.style.marker === 4 ? 180 : 0,
          pointBorderColor: '#fff',
        })),
      ];
      chart.options.plugins!.legend!.display = beside.length > 0;
      // What the chart shows, for a screen reader: its quantity and its flights.
      chart.canvas.setAttribute('role', 'img');
      chart.canvas.setAttribute(
        'aria-label',
        [q.header, ...chart.data.datasets.map((d) => d.label).filter(Boolean)].join(', '),
      );
      chart.update('none');
    });
    this.fillTable(content);
  }

  private fillTable(content: ChartsContent): void {
    const key = `${content.model} ${content.frames.length} ${content.shownCount} ${this.texts.language}`;
    if (key === this.tableKey) return;
    this.tableKey = key;
    const quantities = [
      { code: 'timeS', header: this.module.quantityHeader('timeS', this.texts.language) },
      ...this.quantities(content.model),
    ];
    const locale = this.texts.language === 'de' ? 'de-DE' : 'en-GB';
    const row = (cells: string[], tag: 'th' | 'td') => {
      const tr = document.createElement('tr');
      for (const text of cells) {
        const cell = document.createElement(tag);
        cell.textContent = text;
        tr.append(cell);
      }
      return tr;
    };
    const caption = document.createElement('caption');
    caption.textContent = this.texts.tr('purzo::ChartsWindow', 'Flug auf dem Bild');
    const value = (f: Frame, code: string) => (f as unknown as Record<string, number>)[code];
    this.table.replaceChildren(
      caption,
      row(
        quantities.map((q) => q.header),
        'th',
      ),
      ...content.frames.slice(0, content.shownCount).map((f) =>
        row(
          quantities.map((q) =>
            value(f, q.code).toLocaleString(locale, {
              maximumFractionDigits: 3,
              useGrouping: false,
            }),
          ),
          'td',
        ),
      ),
    );
  }

  private rebuild(model: Model): void {
    for (const chart of this.charts) chart.destroy();
    this.grid.replaceChildren();
    this.model = model;
    const time = this.module.quantityHeader('timeS', this.texts.language);
    this.charts = this.quantities(model).map((q) => {
      const cell = document.createElement('div');
      cell.className = 'chart-cell';
      const canvas = document.createElement('canvas');
      cell.append(canvas);
      this.grid.append(cell);
      return new Chart(canvas, {
        type: 'scatter',
        data: { datasets: [] },
        options: {
          animation: false,
          locale: this.texts.language === 'de' ? 'de-DE' : 'en-GB', // the page's decimal point
          responsive: true,
          maintainAspectRatio: false,
          plugins: {
            title: { display: true, text: q.header },
            // The marker at the frame shown needs no entry.
            legend: {
              display: false,
              position: 'bottom',
              labels: { usePointStyle: true, filter: (item) => item.text !== '' },
            },
          },
          scales: {
            x: { type: 'linear', title: { display: true, text: time } },
            y: { type: 'linear', beginAtZero: true }, // from 0, as the window's charts
          },
        },
      });
    });
  }

  // What the charts plot in this model, named in the page's language.
  private quantities(model: Model): QuantityHeader[] {
    return this.module.chartQuantities(model, this.texts.language);
  }

  // One PNG of all charts on white, in a grid of two columns.
  private save(): void {
    if (!this.charts.length) return;
    const w = Math.max(...this.charts.map((c) => c.canvas.width));
    const h = Math.max(...this.charts.map((c) => c.canvas.height));
    const out = document.createElement('canvas');
    out.width = 2 * w;
    out.height = Math.ceil(this.charts.length / 2) * h;
    const ctx = out.getContext('2d')!;
    ctx.fillStyle = '#fff';
    ctx.fillRect(0, 0, out.width, out.height);
    this.charts.forEach((c, i) => ctx.drawImage(c.canvas, (i % 2) * w, Math.floor(i / 2) * h));
    out.toBlob((blob) => blob && download(blob, 'diagramme.png'), 'image/png');
  }
}
