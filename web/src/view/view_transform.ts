// SPDX-License-Identifier: MIT
// Canvas units to the device pixels of an area, as the canvas and each cell of a side-by-side
// comparison map them: the designed units over the whole area, or the whole-flight view as large
// as it fits, centred. One mapping for both, so that a cell shows what the canvas would.
import type { Rect } from '../model';

export interface Transform {
  sx: number;
  sy: number;
  dx: number;
  dy: number;
}
export const apply = (t: Transform, x: number, y: number): [number, number] => [
  t.dx + x * t.sx,
  t.dy + y * t.sy,
];
export const moved = (t: Transform, x: number, y: number): Transform => ({
  ...t,
  dx: t.dx + x,
  dy: t.dy + y,
});

export function designTransform(
  width: number,
  height: number,
  units: { widthUnits: number; heightUnits: number },
): Transform {
  return { sx: width / units.widthUnits, sy: height / units.heightUnits, dx: 0, dy: 0 };
}

export function wholeViewTransform(width: number, height: number, view: Rect): Transform {
  const k = Math.min(width / view.width, height / view.height);
  return {
    sx: k,
    sy: k,
    dx: (width - view.width * k) / 2 - view.left * k,
    dy: (height - view.height * k) / 2 - view.top * k,
  };
}

// The view the tools choose for an area `width` × `height` device pixels wide and high.
export function viewTransform(
  wholeView: boolean,
  width: number,
  height: number,
  design: { widthUnits: number; heightUnits: number; wholeView: Rect },
): Transform {
  return wholeView
    ? wholeViewTransform(width, height, design.wholeView)
    : designTransform(width, height, design);
}
