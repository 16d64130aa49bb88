// SPDX-License-Identifier: MIT
// The canvas: the hall, the figure of the frame shown and the lesson tools, drawn from state in
// device pixels at any scale, as the desktop canvas draws them. It computes no physics: every
// point comes from the model's frames.
import { drawComparisonBox } from './comparison_box';
import { drawHaloText, drawLegend, drawMarker, setFlightPen } from './flight_marks';
import type { Athlete, CanvasDesign, Frame, Model, PurzoModule } from '../model';
import { HallBackground } from './hall_background';
import { drawSideBySide } from './side_by_side_drawing';
import { type Transform, apply, viewTransform } from './view_transform';

export interface Tools {
  path: boolean;
  sequence: boolean;
  data: boolean;
  previous: boolean;
  wholeView: boolean;
  compare: boolean; // the shown flights at the current flight's moment, one data table
  sideBySide: boolean; // in a comparison, each flight in its own small canvas
}
export const kNoTools: Tools = {
  path: false,
  sequence: false,
  data: false,
  previous: false,
  wholeView: false,
  compare: false,
  sideBySide: false,
};

export interface Surface {
  ctx: CanvasRenderingContext2D;
  width: number; // device pixels of the drawing area
  height: number;
  scale: number; // device pixels per designed pixel: the window's scale times the pixel ratio
}

// A flight of the log drawn beside the current one, in the style at `style`.
export interface DrawnFlightFrames {
  number: number;
  style: number;
  frames: Frame[];
  label: string;
  exact: boolean;
  // Its head, group and column in a comparison.
  title: string;
  group: string;
  comparison: string[];
}

export interface CanvasState {
  frames: Frame[]; // the flight on show, as far as shown
  shown: DrawnFlightFrames[]; // beside it, from the log
  comparisonRows: string[]; // the comparison table's row names
  comparisonStrip?: { row: number; shades: string[] }; // its row of chosen postures
  currentCompared: boolean; // in a comparison, the current flight's own figure too
  tools: Tools;
  model: Model;
  panelRight: boolean;
  panelLines: string[]; // the data panel's lines for the frame shown
  landingLines: number;
}

export function colourOf(argb: number): string {
  const a = (argb >>> 24) & 255,
    r = (argb >>> 16) & 255,
    g = (argb >>> 8) & 255,
    b = argb & 255;
  return `rgba(${r}, ${g}, ${b}, ${(a / 255).toFixed(3)})`;
}

type PanelBox = ReturnType<PurzoModule['panelBox']>;

export class CanvasView {
  private readonly hall: HallBackground;

  constructor(
    private readonly design: CanvasDesign & { widthUnits: number; heightUnits: number },
    hallPicture: () => { image: HTMLImageElement; density: number },
    private readonly rules: Pick<
      PurzoModule,
      'panelBox' | 'edgeBandDepth' | 'edgeBandMeans' | 'panelBelongsRight' | 'sideBySideGrid'
    >,
  ) {
    this.hall = new HallBackground(design, hallPicture, rules);
  }

  // The panel's and the legend's text this much larger than the scale makes it: the presentation's.
  textFactor = 1;
  // False where the panel's lines stand as text beside the canvas: the touch layout's.
  panelOnCanvas = true;

  transform(surface: Surface, tools: Tools): Transform {
    return viewTransform(tools.wholeView, surface.width, surface.height, this.design);
  }

  // A worksheet's picture: the panel on the canvas in the window's proportions, whichever layout
  // or view the page shows.
  drawPicture(surface: Surface, state: CanvasState): void {
    const [factor, onCanvas] = [this.textFactor, this.panelOnCanvas];
    [this.textFactor, this.panelOnCanvas] = [1, true];
    try {
      this.draw(surface, state);
    } finally {
      [this.textFactor, this.panelOnCanvas] = [factor, onCanvas];
    }
  }

  draw(surface: Surface, state: CanvasState): void {
    const { ctx } = surface;
    ctx.save();
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.fillStyle = '#f0f0f0';
    ctx.fillRect(0, 0, surface.width, surface.height);
    const d = this.design;
    const comparing = state.tools.compare && state.shown.length > 0;
    // In a comparison every flight stands at the moment of the frame on show; a landed one holds.
    const moment = comparing && state.frames.length ? state.frames.length : null;
    if (comparing && state.tools.sideBySide) {
      drawSideBySide(surface, state, moment, this, this.hall, d, this.rules);
      ctx.restore();
      return;
    }
    const t = this.transform(surface, state.tools);
    this.hall.draw(surface, state.tools.wholeView, t);
    // In a comparison the box goes between the paths and the figures: it never hides a figure.
    for (const flight of state.shown)
      this.drawShown(surface, flight, t, moment, comparing ? 'paths' : 'all');
    const current = state.frames.length > 0 && (!comparing || state.currentCompared);
    if (state.tools.sequence && current) {
      for (const f of state.frames.slice(0, -1))
        this.drawFigure(surface, f, t, colourOf(d.sequenceColour));
    }
    if (state.tools.path && current) {
      this.drawPath(surface, state.frames, t, colourOf(d.pathColour), true);
    }
    if (current) this.drawFigure(surface, state.frames[state.frames.length - 1], t, '#000');
    if (comparing) {
      this.drawTable(
        surface,
        state,
        state.shown.map((f) => this.pathPoints(f, t, moment)),
      );
      for (const flight of state.shown) this.drawShown(surface, flight, t, moment, 'figures');
      ctx.restore();
      return;
    }
    if (state.tools.data && state.panelLines.length && this.panelOnCanvas)
      this.drawPanel(surface, state);
    // The legend takes the top corner the data panel leaves.
    drawLegend(
      surface.ctx,
      surface.width,
      !state.panelRight,
      state.shown.map((f) => ({ text: f.label, style: this.styleOf(f.style) })),
      this.panelFont(surface.scale),
      d.panelMarginPx * surface.scale,
      d.shownMarkerRadiusPx * surface.scale,
      colourOf(d.panelBackground),
      colourOf(d.panelBorder),
      surface.scale,
    );
    ctx.restore();
  }

  // The pens from here to drawPath are the side-by-side cells' too.
  pathPoints(flight: DrawnFlightFrames, t: Transform, moment: number | null): [number, number][] {
    return flight.frames
      .slice(0, moment ?? flight.frames.length)
      .map((p) => apply(t, p.pathX, p.pathY));
  }

  // The comparison's table: over the canvas where the paths leave room, or centred in `room`.
  drawTable(
    surface: Surface,
    state: CanvasState,
    paths: [number, number][][],
    room?: { x: number; y: number; width: number; height: number },
  ): void {
    const d = this.design;
    drawComparisonBox(
      surface.ctx,
      room?.width ?? surface.width,
      room?.height ?? surface.height,
      {
        rows: state.comparisonRows,
        strip: state.comparisonStrip,
        columns: state.shown.map((f) => ({
          title: f.title,
          cells: [f.group, ...f.comparison],
          style: this.styleOf(f.style),
        })),
      },
      paths,
      this.panelFont(surface.scale),
      d.panelMarginPx * surface.scale,
      d.shownMarkerRadiusPx * surface.scale,
      colourOf(d.panelBackground),
      colourOf(d.panelBorder),
      surface.scale,
      room ? { x: room.x, y: room.y, heightShare: 1, centred: true } : undefined,
    );
  }

  drawFigure(surface: Surface, f: Frame, t: Transform, colour: string): void {
    const ctx = roundPen(surface.ctx, colour, this.design.figurePenPx * surface.scale);
    for (let i = 0; i + 3 < f.lines.length; i += 4) {
      ctx.moveTo(...apply(t, f.lines[i], f.lines[i + 1]));
      ctx.lineTo(...apply(t, f.lines[i + 2], f.lines[i + 3]));
    }
    // The radius is in x units; the head is round on screen.
    const [hx, hy] = apply(t, f.head.x, f.head.y);
    const r = f.head.radius * t.sx;
    ctx.moveTo(hx + r, hy);
    ctx.ellipse(hx, hy, r, r, 0, 0, 2 * Math.PI);
    ctx.stroke();
  }

  private styleOf(index: number) {
    const styles = this.design.shownStyles;
    return styles[index % styles.length];
  }

  // A flight of the log: its last figure, its path in its dashes with its marker at every frame,
  // and its number above the head.
  drawShown(
    surface: Surface,
    flight: DrawnFlightFrames,
    t: Transform,
    moment: number | null,
    parts: 'paths' | 'figures' | 'all',
  ): void {
    const frames = moment === null ? flight.frames : flight.frames.slice(0, moment);
    const last = frames.at(-1);
    if (!last) return;
    const style = this.styleOf(flight.style);
    const { ctx } = surface;
    if (parts !== 'figures') {
      ctx.save();
      setFlightPen(ctx, style, this.design.pathPenPx * surface.scale);
      ctx.beginPath();
      frames.forEach((f, i) =>
        (i ? ctx.lineTo : ctx.moveTo).apply(ctx, apply(t, f.pathX, f.pathY)),
      );
      ctx.stroke();
      const r = this.design.shownMarkerRadiusPx * surface.scale;
      for (const f of frames) drawMarker(ctx, ...apply(t, f.pathX, f.pathY), style, r);
      ctx.restore();
    }
    if (parts === 'paths') return;
    this.drawFigure(surface, last, t, colourOf(style.colour));
    ctx.save();
    ctx.font = `700 ${(((this.design.shownLabelPt * 96) / 72) * surface.scale).toFixed(2)}px "Liberation Sans", Arial, Arimo, sans-serif`;
    const [hx, hy] = apply(t, last.head.x, last.head.y);
    const label = moment !== null ? `${flight.number} ${flight.group}` : String(flight.number);
    drawHaloText(
      ctx,
      label,
      hx + 6 * surface.scale,
      hy - 8 * surface.scale,
      colourOf(style.colour),
      1.5 * surface.scale,
    );
    ctx.restore();
  }

  drawPath(
    surface: Surface,
    frames: Frame[],
    t: Transform,
    colour: string,
    markers: boolean,
  ): void {
    const ctx = roundPen(surface.ctx, colour, this.design.pathPenPx * surface.scale);
    frames.forEach((f, i) => (i ? ctx.lineTo : ctx.moveTo).apply(ctx, apply(t, f.pathX, f.pathY)));
    ctx.stroke();
    if (!markers) return;
    ctx.fillStyle = colour;
    const r = this.design.pathMarkerRadiusPx * surface.scale;
    for (const f of frames) {
      const [x, y] = apply(t, f.pathX, f.pathY);
      ctx.beginPath();
      ctx.arc(x, y, r, 0, 2 * Math.PI);
      ctx.fill();
    }
  }

  panelFont(scale: number): string {
    return `400 ${(((this.design.panelFontPt * 96) / 72) * scale * this.textFactor).toFixed(3)}px "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", Arial, Arimo, sans-serif`;
  }

  // The panel's box for these lines, device pixels.
  panelBox(
    ctx: CanvasRenderingContext2D,
    lines: string[],
    landingLines: number,
    scale: number,
  ): PanelBox {
    ctx.font = this.panelFont(scale);
    const m = ctx.measureText('Hg');
    return this.rules.panelBox(
      lines.map((l) => ctx.measureText(l).width),
      landingLines,
      m.fontBoundingBoxAscent,
      m.fontBoundingBoxDescent,
      0,
      scale * this.textFactor,
    );
  }

  // Whether the panel belongs in the right top corner for a flight along `path` (canvas units):
  // decided for its widest lines, as the window decides it.
  panelBelongsRight(
    surface: Surface,
    widest: { lines: string[]; landingLines: number },
    path: number[],
    tools: Tools,
    athlete: Athlete,
  ): boolean {
    const box = this.panelBox(surface.ctx, widest.lines, widest.landingLines, surface.scale);
    return this.rules.panelBelongsRight(
      path,
      box.widthPx,
      box.heightPx,
      surface.width,
      this.transform(surface, tools),
      this.design.panelMarginPx * surface.scale * this.textFactor,
      athlete,
    );
  }

  private drawPanel(surface: Surface, state: CanvasState): void {
    const { ctx } = surface;
    const box = this.panelBox(ctx, state.panelLines, state.landingLines, surface.scale);
    const margin = this.design.panelMarginPx * surface.scale * this.textFactor;
    const left = state.panelRight ? surface.width - margin - box.widthPx : margin;
    ctx.fillStyle = colourOf(this.design.panelBackground);
    ctx.strokeStyle = colourOf(this.design.panelBorder);
    ctx.lineWidth = box.borderPx;
    ctx.fillRect(left, margin, box.widthPx, box.heightPx);
    ctx.strokeRect(left, margin, box.widthPx, box.heightPx);
    ctx.fillStyle = '#000';
    ctx.textBaseline = 'alphabetic';
    state.panelLines.forEach((line, i) =>
      ctx.fillText(line, left + margin, margin + box.baselinesPx[i]),
    );
  }
}

// A round-capped, round-joined pen of this colour and width in device pixels, and a new path.
function roundPen(
  ctx: CanvasRenderingContext2D,
  colour: string,
  width: number,
): CanvasRenderingContext2D {
  ctx.strokeStyle = colour;
  ctx.lineWidth = width;
  ctx.lineCap = 'round';
  ctx.lineJoin = 'round';
  ctx.beginPath();
  return ctx;
}
