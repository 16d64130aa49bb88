// SPDX-License-Identifier: MIT
// A comparison side by side: each compared flight in its own small canvas, the hall behind it,
// its path as far as the shared moment and its figure there; the table in the cells left free,
// or where the paths leave room when the flights fill the grid. Each cell is drawn with the
// canvas's own pens, so that it shows its flight as the canvas would.
import type { CanvasDesign, PurzoModule } from '../model';
import { type CanvasState, type CanvasView, type Surface, colourOf } from './canvas_view';
import type { HallBackground } from './hall_background';
import { moved, viewTransform } from './view_transform';

export type CellPens = Pick<
  CanvasView,
  'drawShown' | 'drawPath' | 'drawFigure' | 'pathPoints' | 'drawTable'
>;

export function drawSideBySide(
  surface: Surface,
  state: CanvasState,
  moment: number | null,
  pens: CellPens,
  hall: HallBackground,
  design: CanvasDesign & { widthUnits: number; heightUnits: number },
  rules: Pick<PurzoModule, 'sideBySideGrid'>,
): void {
  const { ctx } = surface;
  const d = design,
    whole = state.tools.wholeView;
  const current = state.frames.length > 0 && state.currentCompared;
  const aspect = whole ? d.wholeView.width / d.wholeView.height : d.areaWidthPx / d.areaHeightPx;
  const grid = rules.sideBySideGrid(
    surface.width,
    surface.height,
    state.shown.length + (current ? 1 : 0),
    surface.scale,
    aspect,
  );
  const marks: Surface = { ...surface, scale: surface.scale * grid.markFactor };
  const cells = grid.cells.map((c) => {
    // The cell as a canvas of its own: the hall drawn from its corner, as on the canvas.
    const local = viewTransform(whole, c.width, c.height, d);
    ctx.save();
    ctx.beginPath();
    ctx.rect(c.x, c.y, c.width, c.height);
    ctx.clip();
    ctx.translate(c.x, c.y);
    hall.draw(
      { ctx, width: c.width, height: c.height, scale: c.width / d.areaWidthPx },
      whole,
      local,
    );
    ctx.restore();
    return moved(local, c.x, c.y);
  });
  const clipped = (i: number, draw: () => void) => {
    const c = grid.cells[i];
    ctx.save();
    ctx.beginPath();
    ctx.rect(c.x, c.y, c.width, c.height);
    ctx.clip();
    draw();
    ctx.restore();
  };
  cells.forEach((t, i) =>
    clipped(i, () => {
      if (i < state.shown.length) pens.drawShown(marks, state.shown[i], t, moment, 'paths');
      else pens.drawPath(marks, state.frames, t, colourOf(d.pathColour), false);
    }),
  );
  pens.drawTable(
    surface,
    state,
    grid.table
      ? []
      : cells
          .slice(0, state.shown.length)
          .map((t, i) => pens.pathPoints(state.shown[i], t, moment)),
    grid.table ?? undefined,
  );
  cells.forEach((t, i) =>
    clipped(i, () => {
      if (i < state.shown.length) pens.drawShown(marks, state.shown[i], t, moment, 'figures');
      else pens.drawFigure(marks, state.frames[state.frames.length - 1], t, '#000');
    }),
  );
}
