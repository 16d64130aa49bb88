// SPDX-License-Identifier: MIT
// The comparison's one box, as the window draws it: the legend and the flight data of the
// compared flights as a table, a column per flight headed by its line sample and number. It
// stands in the canvas's corner the flights' paths leave freest, so that it hides no figure.
import { drawLineSample, drawPanelFrame, fontPx } from './flight_marks';
import type { FlightStyle } from './flight_marks';

export interface ComparisonTable {
  rows: string[]; // the row names: the group's, then the quantities'
  columns: { title: string; cells: string[]; style: FlightStyle }[];
  // The row whose cells are the chosen postures ("1777111"), drawn as a strip in these shades.
  strip?: { row: number; shades: string[] };
}

// Of the four corners (`margin` in from the edges), the one where a box of this size covers the
// fewest path points; the top corners first on a tie, then the right.
export function comparisonBoxPlace(
  width: number,
  height: number,
  areaWidth: number,
  areaHeight: number,
  paths: [number, number][][],
  margin: number,
): [number, number] {
  const left = margin,
    right = areaWidth - margin - width,
    top = margin,
    bottom = areaHeight - margin - height;
  let best: [number, number] = [right, top];
  let fewest = Infinity;
  for (const [x, y] of [
    [right, top],
    [left, top],
    [right, bottom],
    [left, bottom],
  ] as [number, number][]) {
    const covered = paths
      .flat()
      .filter(([px, py]) => px >= x && px <= x + width && py >= y && py <= y + height).length;
    if (covered < fewest) [fewest, best] = [covered, [x, y]];
  }
  return best;
}

// Where the box may stand: over the canvas from its corner, at most `heightShare` of its height
// and placed where the paths leave room; or centred in a room of its own.
export interface BoxRoom {
  x: number;
  y: number;
  heightShare: number;
  centred: boolean;
}
const kOverCanvas: BoxRoom = { x: 0, y: 0, heightShare: 0.5, centred: false };

export function drawComparisonBox(
  ctx: CanvasRenderingContext2D,
  areaWidth: number,
  areaHeight: number,
  table: ComparisonTable,
  paths: [number, number][][],
  font: string,
  margin: number,
  markerR: number,
  background: string,
  border: string,
  scale: number,
  room: BoxRoom = kOverCanvas,
): void {
  if (!table.columns.length) return;
  ctx.save();
  ctx.font = font;
  ctx.textBaseline = 'middle';
  const sample = 28 * scale;
  const line = fontPx(font) * 1.35;
  const nameWidth = Math.max(...table.rows.map((r) => ctx.measureText(r).width));
  // A strip's marks: narrow enough that a flight's frames fit a column, as the window's.
  const mark = line * 0.2;
  const stripWidth = (frames: number) => frames * mark * 1.2;
  const widths = table.columns.map((c) =>
    Math.max(
      sample + margin + ctx.measureText(c.title).width,
      ...c.cells.map((t, i) =>
        i === table.strip?.row ? stripWidth(t.length) : ctx.measureText(t).width,
      ),
    ),
  );
  const width = margin * 2 + nameWidth + widths.reduce((a, w) => a + margin * 2 + w, 0);
  const height = margin * 2 + line * (table.rows.length + 1);
  // Many flights on a small canvas: smaller, until it stands whole and takes its share of the height.
  const fit = Math.min(
    (areaWidth - 2 * margin) / width,
    (areaHeight * room.heightShare - (room.centred ? 2 * margin : 0)) / height,
  );
  if (fit < 1) {
    ctx.restore();
    const px = fontPx(font);
    drawComparisonBox(
      ctx,
      areaWidth,
      areaHeight,
      table,
      paths,
      font.replace(/[\d.]+px/, `${(px * fit * 0.98).toFixed(3)}px`),
      margin * fit * 0.98,
      markerR * fit * 0.98,
      background,
      border,
      scale * fit * 0.98,
      room,
    );
    return;
  }
  const [left, top] = room.centred
    ? [room.x + (areaWidth - width) / 2, room.y + (areaHeight - height) / 2]
    : comparisonBoxPlace(width, height, areaWidth, areaHeight, paths, margin);
  drawPanelFrame(ctx, left, top, width, height, background, border);
  ctx.fillStyle = '#000';
  table.rows.forEach((r, i) => ctx.fillText(r, left + margin, top + margin + line * (i + 1.5)));
  let x = left + margin * 2 + nameWidth;
  table.columns.forEach((c, n) => {
    x += margin;
    const y = top + margin + line / 2;
    drawLineSample(ctx, x, y, sample, c.style, markerR, scale);
    ctx.fillStyle = '#000';
    ctx.textAlign = 'left';
    ctx.fillText(c.title, x + sample + margin, y);
    ctx.textAlign = 'right';
    c.cells.forEach((t, i) => {
      const cy = top + margin + line * (i + 1.5);
      if (i !== table.strip?.row) {
        ctx.fillText(t, x + widths[n], cy);
        return;
      }
      let mx = x + widths[n] - stripWidth(t.length);
      for (const p of t) {
        ctx.fillStyle = table.strip.shades[Math.min(Math.max(Number(p), 1), 7) - 1];
        ctx.fillRect(mx, cy - line * 0.3, mark, line * 0.6);
        mx += mark * 1.2;
      }
      ctx.fillStyle = '#000';
    });
    ctx.textAlign = 'left';
    x += widths[n] + margin;
  });
  ctx.restore();
}
