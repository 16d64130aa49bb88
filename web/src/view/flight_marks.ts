// SPDX-License-Identifier: MIT
// How a shown flight of the log is told apart, as the window draws it: its colour, its dash
// pattern and its marker from the design's styles, its number beside its last figure, and a
// legend in the top corner the data panel leaves.
import { colourOf } from './canvas_view';

export interface FlightStyle {
  colour: number;
  marker: number;
  dash: number;
}

// In multiples of the pen's width, in the order of the design's dash patterns.
const kDashes = [[], [4, 2], [1, 2], [4, 2, 1, 2], [8, 3], [4, 2, 1, 2, 1, 2], [2, 2], [1, 4]];

export function setFlightPen(
  ctx: CanvasRenderingContext2D,
  style: FlightStyle,
  width: number,
): void {
  ctx.strokeStyle = colourOf(style.colour);
  ctx.lineWidth = width;
  ctx.lineCap = 'butt';
  ctx.lineJoin = 'round';
  ctx.setLineDash((kDashes[style.dash] ?? []).map((d) => d * width));
}

function regular(
  ctx: CanvasRenderingContext2D,
  x: number,
  y: number,
  r: number,
  corners: number,
  turn: number,
): void {
  for (let i = 0; i < corners; ++i) {
    const a = turn + (2 * Math.PI * i) / corners;
    const px = x + r * Math.sin(a),
      py = y - r * Math.cos(a);
    if (i === 0) ctx.moveTo(px, py);
    else ctx.lineTo(px, py);
  }
  ctx.closePath();
}

// The style's marker, in the order of the design's marker shapes: circle, square, triangle up,
// diamond, triangle down, cross, plus, star.
export function drawMarker(
  ctx: CanvasRenderingContext2D,
  x: number,
  y: number,
  style: FlightStyle,
  r: number,
): void {
  ctx.save();
  ctx.setLineDash([]);
  ctx.beginPath();
  switch (style.marker) {
    case 0:
      ctx.arc(x, y, r * 0.85, 0, 2 * Math.PI);
      break;
    case 1:
      ctx.rect(x - r * 0.75, y - r * 0.75, r * 1.5, r * 1.5);
      break;
    case 2:
      regular(ctx, x, y, r, 3, 0);
      break;
    case 3:
      regular(ctx, x, y, r, 4, 0);
      break;
    case 4:
      regular(ctx, x, y, r, 3, Math.PI);
      break;
    case 7:
      regular(ctx, x, y, r, 5, 0);
      regular(ctx, x, y, r * 0.5, 5, Math.PI / 5);
      break;
    default: {
      // Cross or plus: two bars.
      const turn = style.marker === 5 ? Math.PI / 4 : 0;
      for (const a of [turn, turn + Math.PI / 2]) {
        const dx = r * Math.cos(a),
          dy = r * Math.sin(a);
        ctx.moveTo(x - dx, y - dy);
        ctx.lineTo(x + dx, y + dy);
      }
      ctx.strokeStyle = '#fff';
      ctx.lineWidth = r * 0.55 + 2;
      ctx.stroke();
      ctx.strokeStyle = colourOf(style.colour);
      ctx.lineWidth = r * 0.55;
      ctx.stroke();
      ctx.restore();
      return;
    }
  }
  ctx.fillStyle = colourOf(style.colour);
  ctx.strokeStyle = '#fff';
  ctx.lineWidth = Math.max(1, r / 3);
  ctx.fill('evenodd');
  ctx.stroke();
  ctx.restore();
}

// Text on a white halo, so that it reads on the hall and on a grey print.
export function drawHaloText(
  ctx: CanvasRenderingContext2D,
  text: string,
  x: number,
  y: number,
  colour: string,
  halo: number,
): void {
  ctx.save();
  ctx.setLineDash([]);
  ctx.lineJoin = 'round';
  ctx.strokeStyle = '#fff';
  ctx.lineWidth = 2 * halo;
  ctx.strokeText(text, x, y);
  ctx.fillStyle = colour;
  ctx.fillText(text, x, y);
  ctx.restore();
}

export interface LegendEntry {
  text: string;
  style: FlightStyle;
}

// The legend box at the top of the area, at its right or left edge.
// The size in pixels of a CSS font such as '400 12.5px Arial'.
export function fontPx(font: string): number {
  return parseFloat(font.split('px')[0].split(' ').at(-1) ?? '12');
}

// A legend's or a table's box: its background and a one-pixel border.
export function drawPanelFrame(
  ctx: CanvasRenderingContext2D,
  left: number,
  top: number,
  width: number,
  height: number,
  background: string,
  border: string,
): void {
  ctx.fillStyle = background;
  ctx.fillRect(left, top, width, height);
  ctx.strokeStyle = border;
  ctx.lineWidth = 1;
  ctx.setLineDash([]);
  ctx.strokeRect(left + 0.5, top + 0.5, width - 1, height - 1);
}

// A flight's line `sample` long from (x, y) with its marker in the middle, as legends show it.
export function drawLineSample(
  ctx: CanvasRenderingContext2D,
  x: number,
  y: number,
  sample: number,
  style: FlightStyle,
  markerR: number,
  scale: number,
): void {
  setFlightPen(ctx, style, 2 * scale);
  ctx.beginPath();
  ctx.moveTo(x, y);
  ctx.lineTo(x + sample, y);
  ctx.stroke();
  drawMarker(ctx, x + sample / 2, y, style, markerR);
  ctx.setLineDash([]);
}

export function drawLegend(
  ctx: CanvasRenderingContext2D,
  areaWidth: number,
  right: boolean,
  entries: LegendEntry[],
  font: string,
  margin: number,
  markerR: number,
  background: string,
  border: string,
  scale: number,
): void {
  if (!entries.length) return;
  ctx.save();
  ctx.font = font;
  ctx.textBaseline = 'middle';
  const sample = 28 * scale;
  const line = fontPx(font) * 1.45;
  const textWidth = Math.max(...entries.map((e) => ctx.measureText(e.text).width));
  const width = margin * 3 + sample + textWidth,
    height = margin * 2 + line * entries.length;
  const left = right ? areaWidth - margin - width : margin;
  drawPanelFrame(ctx, left, margin, width, height, background, border);
  entries.forEach((e, i) => {
    const y = margin * 2 + line * (i + 0.5),
      x = left + margin;
    drawLineSample(ctx, x, y, sample, e.style, markerR, scale);
    ctx.fillStyle = '#000';
    ctx.fillText(e.text, x + sample + margin, y);
  });
  ctx.restore();
}

// A bar one metre long, labelled "1 m", its right end at (x, y): for measuring on paper.
export function drawScaleBar(
  ctx: CanvasRenderingContext2D,
  x: number,
  y: number,
  metrePx: number,
  scale: number,
): void {
  ctx.save();
  const tick = 6 * scale;
  const bar = () => {
    ctx.beginPath();
    ctx.moveTo(x - metrePx, y - tick);
    ctx.lineTo(x - metrePx, y);
    ctx.lineTo(x, y);
    ctx.lineTo(x, y - tick);
  };
  ctx.setLineDash([]);
  ctx.lineJoin = 'miter';
  bar();
  ctx.strokeStyle = '#fff';
  ctx.lineWidth = 5 * scale;
  ctx.stroke();
  bar();
  ctx.strokeStyle = '#000';
  ctx.lineWidth = 2 * scale;
  ctx.stroke();
  ctx.font = `400 ${(((11 * 4) / 3) * scale).toFixed(1)}px "Liberation Sans", Arial, Arimo, sans-serif`;
  ctx.textAlign = 'center';
  ctx.textBaseline = 'alphabetic';
  drawHaloText(ctx, '1 m', x - metrePx / 2, y - tick, '#000', 1.5 * scale);
  ctx.restore();
}
