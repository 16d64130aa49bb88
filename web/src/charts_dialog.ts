// SPDX-License-Identifier: MIT
// The charts of the flight on show over time, drawn by Chart.js from the model's frames: height,
// distance and rotation, and in the exact model angular velocity and moment of inertia. The
// previous flight of the same model in blue when that tool is on; a marker at the frame shown.
import {
  Chart, LineController, LineElement, LinearScale, PointElement, ScatterController, Title,
} from 'chart.js';
import type { Frame, Model, PurzoModule, QuantityHeader } from './model';
import { Texts } from './texts';
import { download } from './saves';

Chart.register(LineController, ScatterController, LineElement, PointElement, LinearScale, Title);

const kFlightColour = 'rgb(20, 20, 20)';
const kPreviousColour = 'rgb(20, 90, 220)';
const kMarkerColour = 'rgb(220, 50, 20)';

export interface ChartsContent {
  model: Model;
  frames: Frame[];      // the flight on show, all recorded frames
  shownCount: number;   // up to the frame shown
  previous: Frame[];    // empty for none
}

export class ChartsDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly grid: HTMLElement;
  private charts: Chart[] = [];
  private model: Model | null = null;

  constructor(private readonly module: PurzoModule, private readonly texts: Texts, host: HTMLElement) {
    const tr = (s: string) => texts.tr('purzo::ChartsWindow', s);
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'charts';
    this.dialog.setAttribute('aria-label', tr('Diagramme – Purzosimulation'));
    const title = document.createElement('div');
    title.className = 'charts-title';
    title.textContent = tr('Diagramme – Purzosimulation');
    this.grid = document.createElement('div');
    this.grid.className = 'charts-grid';
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
    this.dialog.append(title, this.grid, buttons);
    this.dialog.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') this.dialog.close();
    });
    host.append(this.dialog);
  }

  get isOpen(): boolean { return this.dialog.open; }

  open(content: ChartsContent, scale: number): void {
    this.dialog.style.fontSize = `${(8.25 * 96 / 72 * Math.max(scale, 0.75)).toFixed(2)}px`;
    if (!this.dialog.open) this.dialog.show();
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
      chart.data.datasets[0].data = points(content.previous);
      chart.data.datasets[1].data = points(content.frames);
      const current = content.frames[content.shownCount - 1];
      chart.data.datasets[2].data = current ? points([current]) : [];
      chart.update('none');
    });
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
        data: {
          datasets: [
            { data: [], showLine: true, borderColor: kPreviousColour, borderWidth: 2, pointRadius: 0 },
            { data: [], showLine: true, borderColor: kFlightColour, borderWidth: 2, pointRadius: 0 },
            { data: [], showLine: false, backgroundColor: kMarkerColour, borderColor: kMarkerColour, pointRadius: 4.5 },
          ],
        },
        options: {
          animation: false,
          locale: this.texts.language === 'de' ? 'de-DE' : 'en-GB', // the page's decimal point
          responsive: true,
          maintainAspectRatio: false,
          plugins: { title: { display: true, text: q.header } },
          scales: { x: { type: 'linear', title: { display: true, text: time } }, y: { type: 'linear' } },
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
