// SPDX-License-Identifier: MIT
// The landing map's canvas, laid out as the window's: a cell per flight in its class's colour
// with its pattern, so that a class reads in grey too; the axes with their units; the legend at
// the right or, where the room is narrow, below; the lesson's flights as numbered rings. A click
// or tap picks a cell, a double click flies it; the arrow keys walk the cells and Enter flies.
import { colourOf } from '../view/canvas_view';
import type { MapAxes, MapCell, MapMarker, MapStyles } from './map_model';

export interface MapTitles {
  columns: string;
  rows: string;
  markers: string; // the rings' legend entry
}

interface Box {
  left: number;
  top: number;
  width: number;
  height: number;
}

// A pattern's strokes over a tile `size` device pixels wide, as Qt's brushes draw them.
function patternTile(pattern: number, size: number): HTMLCanvasElement {
  const tile = document.createElement('canvas');
  tile.width = tile.height = size;
  const ctx = tile.getContext('2d')!;
  ctx.strokeStyle = ctx.fillStyle = 'rgba(0, 0, 0, 0.59)';
  ctx.lineWidth = Math.max(1, size / 8);
  const line = (x0: number, y0: number, x1: number, y1: number) => {
    ctx.beginPath();
    ctx.moveTo(x0, y0);
    ctx.lineTo(x1, y1);
    ctx.stroke();
  };
  // Each diagonal past the tile's corners too, so that tiles meet without gaps.
  if (pattern === 1 || pattern === 3) {
    line(-1, size + 1, size + 1, -1);
    line(-1, 1, 1, -1);
    line(size - 1, size + 1, size + 1, size - 1);
  }
  if (pattern === 2 || pattern === 3) {
    line(-1, -1, size + 1, size + 1);
    line(size - 1, -1, size + 1, 1);
    line(-1, size - 1, 1, size + 1);
  }
  if (pattern === 4) {
    const r = Math.max(0.8, size / 10);
    for (const [x, y] of [
      [size / 4, size / 4],
      [(3 * size) / 4, (3 * size) / 4],
    ]) {
      ctx.beginPath();
      ctx.arc(x, y, r, 0, 2 * Math.PI);
      ctx.fill();
    }
  }
  return tile;
}

export class LandingMapView {
  readonly canvas: HTMLCanvasElement;
  private axes: MapAxes | null = null;
  private cells: MapCell[] = [];
  private markers: MapMarker[] = [];
  private titles: MapTitles = { columns: '', rows: '', markers: '' };
  picked: number | null = null;

  constructor(
    private readonly styles: MapStyles,
    name: string,
    private readonly chosen: { picked(index: number): void; activated(index: number): void },
  ) {
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'map-canvas';
    this.canvas.tabIndex = 0;
    this.canvas.setAttribute('role', 'img');
    this.canvas.setAttribute('aria-label', name);
    this.canvas.dataset.control = 'landingMapView';
    this.canvas.addEventListener('click', (e) => this.pick(this.cellAt(e.offsetX, e.offsetY)));
    this.canvas.addEventListener('dblclick', (e) => {
      const index = this.cellAt(e.offsetX, e.offsetY);
      if (index === null) return;
      this.pick(index);
      this.chosen.activated(index);
    });
    this.canvas.addEventListener('keydown', (e) => this.key(e));
    new ResizeObserver(() => this.draw()).observe(this.canvas);
  }

  get mapCells(): MapCell[] {
    return this.cells;
  }

  setMap(axes: MapAxes, cells: MapCell[], titles: MapTitles): void {
    this.axes = axes;
    this.cells = cells;
    this.titles = titles;
    this.picked = null;
    this.draw();
  }

  setMarkers(markers: MapMarker[]): void {
    this.markers = markers;
    this.draw();
  }

  private get em(): number {
    return 1.2 * Number.parseFloat(getComputedStyle(this.canvas).fontSize || '13');
  }

  private get legendBelow(): boolean {
    return this.canvas.clientWidth < 40 * this.em;
  }

  // Room for the axes' labels at the left and below, for the legend at the right or below.
  private plotArea(): Box {
    const em = this.em;
    const [w, h] = [this.canvas.clientWidth, this.canvas.clientHeight];
    return this.legendBelow
      ? { left: 5.5 * em, top: 0.8 * em, width: w - 6.5 * em, height: h - 12.3 * em }
      : { left: 5.5 * em, top: 0.8 * em, width: w - 20.5 * em, height: h - 4 * em };
  }

  private cellRect(plot: Box, column: number, row: number): Box {
    const w = plot.width / Math.max(this.axes?.columns ?? 1, 1);
    const h = plot.height / Math.max(this.axes?.rows ?? 1, 1);
    return {
      left: plot.left + column * w,
      top: plot.top + plot.height - (row + 1) * h,
      width: w,
      height: h,
    };
  }

  private cellAt(x: number, y: number): number | null {
    const a = this.axes;
    const plot = this.plotArea();
    if (!a || !this.cells.length) return null;
    const fx = (x - plot.left) / plot.width;
    const fy = (plot.top + plot.height - y) / plot.height;
    if (fx < 0 || fx >= 1 || fy < 0 || fy >= 1) return null;
    return Math.floor(fx * a.columns) * a.rows + Math.floor(fy * a.rows);
  }

  private pick(index: number | null): void {
    if (index === null || index < 0 || index >= this.cells.length) return;
    this.picked = index;
    this.draw();
    this.chosen.picked(index);
  }

  // The arrow keys walk the cells, Enter flies the one picked: the map works without a mouse.
  private key(e: KeyboardEvent): void {
    const a = this.axes;
    if (!a || !this.cells.length) return;
    const at = this.picked ?? 0;
    let [column, row] = [Math.floor(at / a.rows), at % a.rows];
    const moves: Record<string, () => void> = {
      ArrowLeft: () => (column = Math.max(column - 1, 0)),
      ArrowRight: () => (column = Math.min(column + 1, a.columns - 1)),
      ArrowDown: () => (row = Math.max(row - 1, 0)),
      ArrowUp: () => (row = Math.min(row + 1, a.rows - 1)),
    };
    if (e.key === 'Enter') {
      e.preventDefault();
      if (this.picked !== null) this.chosen.activated(this.picked);
      return;
    }
    if (!moves[e.key]) return;
    e.preventDefault();
    moves[e.key]();
    this.pick(column * a.rows + row);
  }

  // Draws at the device's resolution; onto another canvas for a picture.
  draw(target: HTMLCanvasElement = this.canvas): void {
    const ratio = window.devicePixelRatio || 1;
    const [w, h] = [this.canvas.clientWidth, this.canvas.clientHeight];
    if (!w || !h) return;
    if (target === this.canvas) {
      target.width = Math.round(w * ratio);
      target.height = Math.round(h * ratio);
    }
    const ctx = target.getContext('2d')!;
    ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
    ctx.fillStyle = '#fff';
    ctx.fillRect(0, 0, w, h);
    const font = getComputedStyle(this.canvas).font;
    ctx.font = font;
    const plot = this.plotArea();
    const a = this.axes;
    // Where the cells and rings stand, for the tests.
    this.canvas.dataset.plot = [plot.left, plot.top, plot.width, plot.height].join(' ');
    this.canvas.dataset.rings = this.markers
      .map((m) => `${m.label}@${m.column},${m.row}`)
      .join(';');
    if (a && this.cells.length === a.columns * a.rows) {
      this.cells.forEach((cell, i) =>
        this.fill(
          ctx,
          this.cellRect(plot, Math.floor(i / a.rows), i % a.rows),
          cell.mapClass,
          ratio,
        ),
      );
    }
    ctx.strokeStyle = ctx.fillStyle = '#000';
    ctx.lineWidth = 1;
    ctx.strokeRect(plot.left, plot.top, plot.width, plot.height);
    this.drawAxes(ctx, plot);
    this.drawLegend(ctx, plot, ratio);
    this.drawMarkers(ctx, plot);
    if (a && this.picked !== null) {
      const r = this.cellRect(plot, Math.floor(this.picked / a.rows), this.picked % a.rows);
      ctx.strokeStyle = '#1f6bb0';
      ctx.lineWidth = 3;
      ctx.strokeRect(r.left - 1, r.top - 1, r.width + 2, r.height + 2);
    }
  }

  // A cell in its class's colour with its pattern over it.
  private fill(ctx: CanvasRenderingContext2D, r: Box, mapClass: number, ratio: number): void {
    const style = this.styles.classes[mapClass];
    // On whole device pixels, so that no seam shows between neighbours.
    const snap = (v: number) => Math.round(v * ratio) / ratio;
    const [x0, y0] = [snap(r.left), snap(r.top)];
    r = {
      left: x0,
      top: y0,
      width: snap(r.left + r.width) - x0,
      height: snap(r.top + r.height) - y0,
    };
    ctx.fillStyle = colourOf(style.colour);
    ctx.fillRect(r.left, r.top, r.width, r.height);
    if (style.pattern === 0) return;
    const pattern = ctx.createPattern(patternTile(style.pattern, Math.round(8 * ratio)), 'repeat');
    if (!pattern) return;
    pattern.setTransform(new DOMMatrix().scale(1 / ratio));
    ctx.fillStyle = pattern;
    ctx.fillRect(r.left, r.top, r.width, r.height);
  }

  private drawAxes(ctx: CanvasRenderingContext2D, plot: Box): void {
    const a = this.axes;
    if (!a || a.columns <= 0 || a.rows <= 0) return;
    const em = this.em;
    const [cw, ch] = [plot.width / a.columns, plot.height / a.rows];
    // Every how many cells a tick stands, so that its labels keep apart.
    const tickStep = (cellPx: number, spacePx: number) =>
      [1, 2, 5, 10, 20, 50].find((s) => s * cellPx >= spacePx) ?? 100;
    const bottom = plot.top + plot.height;
    ctx.textBaseline = 'middle';
    ctx.textAlign = 'center';
    for (let c = 0; c < a.columns; c += tickStep(cw, 3.5 * em)) {
      const x = plot.left + (c + 0.5) * cw;
      this.line(ctx, x, bottom, x, bottom + 0.3 * em);
      ctx.fillText(a.columnTexts[c], x, bottom + 0.8 * em);
    }
    ctx.textAlign = 'right';
    for (let r = 0; r < a.rows; r += tickStep(ch, 1.6 * em)) {
      const y = bottom - (r + 0.5) * ch;
      this.line(ctx, plot.left - 0.3 * em, y, plot.left, y);
      ctx.fillText(a.rowTexts[r], plot.left - 0.4 * em, y);
    }
    ctx.textAlign = 'center';
    ctx.fillText(this.titles.columns, plot.left + plot.width / 2, bottom + 2.2 * em);
    ctx.save();
    ctx.translate(plot.left - 4.4 * em, plot.top + plot.height / 2);
    ctx.rotate(-Math.PI / 2);
    ctx.fillText(this.titles.rows, 0, 0);
    ctx.restore();
  }

  private drawLegend(ctx: CanvasRenderingContext2D, plot: Box, ratio: number): void {
    const em = this.em;
    const below = this.legendBelow;
    const columnWidth = below ? (plot.width + 4.5 * em) / 2 : 14 * em;
    // Beside the map one entry under the other; below it two to a line.
    const place = (entry: number) =>
      below
        ? {
            x: plot.left - 4.5 * em + (entry % 2) * columnWidth,
            y: plot.top + plot.height + 3.4 * em + Math.floor(entry / 2) * 2.6 * em,
          }
        : { x: plot.left + plot.width + em, y: plot.top + entry * 2.6 * em };
    ctx.textAlign = 'left';
    ctx.textBaseline = 'top';
    this.styles.classes.forEach((style, c) => {
      const at = place(c);
      const swatch = { left: at.x, top: at.y, width: 1.6 * em, height: 1.2 * em };
      this.fill(ctx, swatch, c, ratio);
      ctx.strokeStyle = ctx.fillStyle = '#000';
      ctx.lineWidth = 1;
      ctx.strokeRect(swatch.left, swatch.top, swatch.width, swatch.height);
      this.wrapped(ctx, style.name, at.x + 2.1 * em, at.y, columnWidth - 2.6 * em);
    });
    if (this.markers.length) {
      const at = place(this.styles.classes.length);
      this.ring(ctx, at.x + 0.8 * em, at.y + 0.6 * em);
      ctx.fillStyle = '#000';
      this.wrapped(ctx, this.titles.markers, at.x + 2.1 * em, at.y, columnWidth - 2.6 * em);
    }
  }

  // Words over as many lines as the width needs, the first at `y`.
  private wrapped(
    ctx: CanvasRenderingContext2D,
    text: string,
    x: number,
    y: number,
    width: number,
  ) {
    let line = '';
    let top = y;
    for (const word of text.split(' ')) {
      const next = line ? `${line} ${word}` : word;
      if (line && ctx.measureText(next).width > width) {
        ctx.fillText(line, x, top);
        line = word;
        top += this.em;
      } else line = next;
    }
    ctx.fillText(line, x, top);
  }

  private drawMarkers(ctx: CanvasRenderingContext2D, plot: Box): void {
    const a = this.axes;
    if (!a) return;
    const em = this.em;
    const [cw, ch] = [plot.width / a.columns, plot.height / a.rows];
    ctx.textAlign = 'left';
    ctx.textBaseline = 'alphabetic';
    for (const m of this.markers) {
      const x = plot.left + (m.column + 0.5) * cw;
      const y = plot.top + plot.height - (m.row + 0.5) * ch;
      this.ring(ctx, x, y);
      // The label on white, so that it reads over every class.
      const width = ctx.measureText(m.label).width;
      ctx.fillStyle = 'rgba(255, 255, 255, 0.8)';
      ctx.fillRect(x + 0.55 * em, y - 1.1 * em, width + 0.2 * em, 1.05 * em);
      ctx.fillStyle = colourOf(this.styles.markerColour);
      ctx.fillText(m.label, x + 0.65 * em, y - 0.3 * em);
    }
  }

  private ring(ctx: CanvasRenderingContext2D, x: number, y: number): void {
    const em = this.em;
    ctx.beginPath();
    ctx.arc(x, y, 0.45 * em, 0, 2 * Math.PI);
    ctx.fillStyle = 'rgba(255, 255, 255, 0.78)';
    ctx.fill();
    ctx.strokeStyle = colourOf(this.styles.markerColour);
    ctx.lineWidth = 2;
    ctx.stroke();
  }

  private line(ctx: CanvasRenderingContext2D, x0: number, y0: number, x1: number, y1: number) {
    ctx.beginPath();
    ctx.moveTo(x0, y0);
    ctx.lineTo(x1, y1);
    ctx.stroke();
  }
}
